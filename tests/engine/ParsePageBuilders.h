// Small builders of ticket-site page fragments in the shapes the parsers
// read, so that each test shows only what it varies.
#pragma once

#include "framework/Framework.h"
#include "engine/MatchStatus.h"
#include "engine/TeamTstStatus.h"

#include <initializer_list>

namespace pages {

const LPCWSTR YES = L"<img src=\"/img/tickets_yes.gif\" alt=\"Kat\">";
const LPCWSTR LTL = L"<img src=\"/img/tickets_ltl.gif\" alt=\"Kat\">";
const LPCWSTR NONE = L"<img src=\"/img/tickets_no.gif\" alt=\"Kat\">";
const LPCWSTR NO_RESALE = L"<img src=\"/img/resale_no_de.gif\">";
const LPCWSTR RESALE = L"<img src=\"/img/resale_de.gif\">";

// A match row: "<tr>", a first cell starting with cellStart (e.g. "#12"),
// one cell per image tag, and the closing cell with its <div>.
inline CString MatchRow(LPCWSTR cellStart, std::initializer_list<LPCWSTR> tags)
{
    CString row = CString(L"<tr>\r\n<td class=\"nr\">") + cellStart + L"</td>\r\n<td>09.06.2006</td>";
    for (LPCWSTR tag : tags)
        row += CString(L"<td class=\"kat\">") + tag + L"</td>";
    return row + L"\r\n<td><div class=\"info\">&nbsp;</div></td>\r\n</tr>\r\n";
}

// Nine tags: four categories, the resale icon, four categories s.b.
inline CString PlainMatchRow(int number, LPCWSTR resaleIcon = NO_RESALE)
{
    CString start;
    start.Format(L"#%d", number);
    return MatchRow(start, {NONE, NONE, NONE, NONE, resaleIcon, NONE, NONE, NONE, NONE});
}

inline CString Page(const CString& body)
{
    return L"<html><head><title>Tickets</title></head><body>\r\n<table>\r\n"
           L"<tr class=\"kopf\"><th>Nr.</th><th>Kat. 1</th></tr>\r\n" +
           body + L"</table>\r\n</body></html>\r\n";
}

// A team row: the name cell, then the cells given (each holding an image
// tag, optionally inside a link).
inline CString TeamRow(LPCWSTR nameCell, std::initializer_list<LPCWSTR> cells)
{
    CString row = CString(L"<tr class=\"z1\">\r\n<td class=\"team\">") + nameCell + L"</td>\r\n";
    for (LPCWSTR cell : cells)
        row += CString(L"<td>") + cell + L"</td>\r\n";
    return row + L"</tr>\r\n";
}

inline CString PlainTeamRow(LPCWSTR name)
{
    return TeamRow(name, {NONE, NONE, NONE, NONE, NONE, NO_RESALE});
}

// A category block of a resale detail page: heading row and content row.
inline CString CategoryBlock(int category, bool offered)
{
    CString block;
    block.Format(L"<tr><td colspan=\"3\"><strong>Platzkategorie %d</strong></td></tr>\r\n", category);
    block += offered ? L"<tr><td><input type=\"radio\" name=\"paket\" value=\"1\"></td><td>2 Tickets</td></tr>\r\n"
                     : L"<tr><td colspan=\"3\">Zur Zeit keine Tickets.</td></tr>\r\n";
    return block;
}

// The records as the plain integer records they are.
template <class Record> int Field(const Record& record, int index)
{
    return reinterpret_cast<const int*>(&record)[index];
}

} // namespace pages
