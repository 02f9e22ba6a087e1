// What the main frame asks of its view: the report whose records are the
// matches, in the order of the match list.
#pragma once

class CXTPReportControl;

class IGamesReportHolder
{
public:
    virtual CXTPReportControl* GetGamesReport() = 0;

protected:
    ~IGamesReportHolder() = default;
};
