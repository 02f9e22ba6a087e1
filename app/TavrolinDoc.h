// The program's document: it holds no data of its own; the match list and
// the statistics live in the view's reports.
#pragma once
#include "framework/docview/CDocument.h"

class CTavrolinDoc : public CDocument
{
    DECLARE_DYNCREATE(CTavrolinDoc)

public:
    CTavrolinDoc();
    ~CTavrolinDoc() override;
};
