// Reads the "Record" sections of an open match list ("Games") into report
// records, in file order. One record that cannot be created or that its
// class refuses fails the whole list: the records are then empty and the
// framework's archive exception is thrown on.
#pragma once

class CXTPPropExchange;
class CXTPReportRecords;

void LoadMatchRecords(CXTPPropExchange* pPX, CXTPReportRecords* pRecords);
