// The scan worker's page parsers: the ticket site's pages are read with
// patterns, not with an HTML parser; states come from words in image tags.
#include "engine/ThreadScan.h"

#include "engine/HtmlEntities.h"
#include "engine/IconWords.h"
#include "engine/PagePattern.h"
#include "engine/SiteHosts.h"
#include "engine/TeamTable.h"
#include "engine/TicketPagePaths.h"

#include <stdlib.h>

namespace {

const LPCWSTR MATCH_ROW_PATTERN = L"<tr>[^<]*<td[^>]*>{\\b*#.*?</div[^>]*>[^<]*</td[^>]*>}[^<]*</tr[^>]*>";
const LPCWSTR IMAGE_TAG_PATTERN = L"{<img[^>]*>}";
const LPCWSTR TEAM_ROW_PATTERN = L"<tr[^>]*>[^<]*<td[^>]*>{[^<]*}</td[^>]*>{.*?}</tr>";
const LPCWSTR TEAM_CELL_PATTERN = L"(<a\\b+href={\\q}[^>]*>)?{<img[^>]*>}";
const LPCWSTR CATEGORY_BLOCK_PATTERN = L"<strong>Platz[^<]*</strong>.*?</tr>{.*?}</tr>";
const LPCWSTR TEAM_OFFER_PATTERN = L"<input[^>]*>\\b*TST-{\\d+}";
// The order form of a team's page, which lists its offers.
const LPCWSTR TEAM_OFFER_FORM_WORD = L"<form";

// Image tags of a match row: categories 1 to 4, the resale icon, then
// categories 1 to 4 of the second group.
const int MATCH_ROW_IMAGES = 9;
const int RESALE_ICON_INDEX = 4;
// Cells of a team row: series 3 to 7, then the resale icon.
const int TEAM_ROW_CELLS = 6;
const int FIRST_SERIES = 3;
const int SERIES_COUNT = 5;
// Blocks of a resale detail page: each category, then the same of the
// second group.
const int CATEGORY_BLOCKS = 8;

// A decimal number as the C runtime reads it: blanks, a sign, digits; 0
// without digits. Out of range numbers saturate, which no range check passes.
int ReadNumber(LPCWSTR pszText)
{
    return (int)wcstol(pszText, nullptr, 10);
}

CString TicketSiteAddress(LPCWSTR pszPath)
{
    return CString(L"http://") + TICKET_SITE_HOST + pszPath;
}

} // namespace

BOOL CThreadScan::ParseResaleList(const CString& strPage)
{
    CPagePattern rows(MATCH_ROW_PATTERN);
    if (!rows.IsValid())
        return FALSE;
    int nRows = 0;
    rows.Begin(strPage);
    while (rows.FindNext())
    {
        if (!ParseResaleListRow(rows.GetGroup(0)))
            return FALSE;
        ++nRows;
    }
    // A page without any match row (a maintenance page, say) says nothing
    // about the offers; taking it as read would end every open offer.
    return nRows > 0;
}

BOOL CThreadScan::ParseResaleListRow(const CString& strRow)
{
    if (strRow.IsEmpty() || strRow[0] != L'#')
        return FALSE;
    MatchStatus record;
    record.nMatch = ReadNumber(strRow.GetString() + 1);

    CPagePattern images(IMAGE_TAG_PATTERN);
    if (!images.IsValid())
        return FALSE;
    int nImages = 0;
    images.Begin(strRow.GetString() + 1);
    while (images.FindNext())
    {
        const CString strTag = images.GetGroup(0);
        if (nImages >= MATCH_ROW_IMAGES)
            return FALSE;
        if (nImages < RESALE_ICON_INDEX)
            record.nCategory[nImages] = GetIconState(strTag);
        else if (nImages == RESALE_ICON_INDEX)
        {
            if (!IsNoResaleIcon(strTag))
            {
                CString strPath;
                strPath.Format(RESALE_DETAIL_PATH_FORMAT, record.nMatch);
                QueueDetail(TicketSiteAddress(strPath), DetailResale, record.nMatch);
            }
        }
        else
            record.nCategorySb[nImages - RESALE_ICON_INDEX - 1] = GetIconState(strTag);
        ++nImages;
    }
    if (nImages != MATCH_ROW_IMAGES || record.nMatch < 1 || record.nMatch > MatchCount)
        return FALSE;
    PrepareMatchRecords();
    m_matches[record.nMatch - 1] = record;
    return TRUE;
}

BOOL CThreadScan::ParseTstList(const CString& strPage)
{
    CPagePattern rows(TEAM_ROW_PATTERN);
    if (!rows.IsValid())
        return FALSE;
    int nAccepted = 0;
    rows.Begin(strPage);
    while (rows.FindNext())
    {
        CString strName = rows.GetGroup(0);
        DecodeHtmlEntities(strName);
        strName.Trim();
        if (strName.IsEmpty())
            continue;
        const int nTeam = FindTeamId(strName);
        if (nTeam == 0)
            continue; // a heading row or a team of another tournament
        CString strCells = rows.GetGroup(1);
        strCells.TrimLeft();
        if (!ParseTstListRow(strCells, nTeam))
            return FALSE;
        ++nAccepted;
    }
    return nAccepted > 0;
}

BOOL CThreadScan::ParseTstListRow(const CString& strCells, int nTeam)
{
    TeamTstStatus record;
    record.nTeam = nTeam;

    CPagePattern cells(TEAM_CELL_PATTERN);
    if (!cells.IsValid())
        return FALSE;
    int nCells = 0;
    cells.Begin(strCells);
    while (cells.FindNext())
    {
        if (nCells >= TEAM_ROW_CELLS)
            return FALSE;
        const CString strTag = cells.GetGroup(1);
        if (nCells < SERIES_COUNT)
            record.nSeries[nCells] = GetIconState(strTag);
        else if (!IsNoResaleIcon(strTag))
        {
            CString strLink = cells.GetGroup(0);
            strLink.TrimLeft(L'"');
            strLink.TrimRight(L'"');
            QueueDetail(TicketSiteAddress(CString(TICKET_CGI_FOLDER) + strLink), DetailTeam, nTeam);
        }
        ++nCells;
    }
    if (nCells != TEAM_ROW_CELLS || nTeam < 1 || nTeam > TEAM_COUNT)
        return FALSE;
    if (m_teams.GetCount() < (size_t)nTeam)
        m_teams.SetCount(nTeam);
    m_teams[nTeam - 1] = record;
    return TRUE;
}

BOOL CThreadScan::ParseResaleDetailPage(const CString& strPage, int nMatch)
{
    if (nMatch < 1 || nMatch > MatchCount)
        return FALSE;
    CPagePattern blocks(CATEGORY_BLOCK_PATTERN);
    if (!blocks.IsValid())
        return FALSE;
    BOOL offered[CATEGORY_BLOCKS] = {};
    int nBlocks = 0;
    blocks.Begin(strPage);
    while (blocks.FindNext())
    {
        if (nBlocks < CATEGORY_BLOCKS)
            offered[nBlocks] = ContainsWordNoCase(blocks.GetGroup(0), L"<input");
        ++nBlocks;
    }
    if (nBlocks != CATEGORY_BLOCKS)
        return FALSE;
    PrepareMatchRecords();
    MatchStatus& record = m_matches[nMatch - 1];
    for (int nCategory = 0; nCategory < 4; ++nCategory)
    {
        record.nResale[nCategory] = offered[2 * nCategory] ? 1 : 0;
        record.nResaleSb[nCategory] = offered[2 * nCategory + 1] ? 1 : 0;
    }
    return TRUE;
}

BOOL CThreadScan::ParseTstDetailPage(const CString& strPage, int nTeam)
{
    if (nTeam < 1 || nTeam > TEAM_COUNT)
        return FALSE;
    // The team's row was rejected after it had queued this page.
    if ((size_t)nTeam > m_teams.GetCount())
        AfxThrowInvalidArgException();

    CPagePattern offers(TEAM_OFFER_PATTERN);
    if (!offers.IsValid())
        return FALSE;
    BOOL offered[SERIES_COUNT] = {};
    int nOffers = 0;
    offers.Begin(strPage);
    while (offers.FindNext())
    {
        const int nSeries = ReadNumber(offers.GetGroup(0));
        if (nSeries >= FIRST_SERIES && nSeries < FIRST_SERIES + SERIES_COUNT)
            offered[nSeries - FIRST_SERIES] = TRUE;
        ++nOffers;
    }
    // Without offers the page is the team's only when it holds the order
    // form they would be listed in: then nothing is on sale any more. An
    // empty answer or a notice in its place tells nothing about the offers.
    if (nOffers == 0 && !ContainsWordNoCase(strPage, TEAM_OFFER_FORM_WORD))
        return FALSE;
    TeamTstStatus& record = m_teams[nTeam - 1];
    for (int i = 0; i < SERIES_COUNT; ++i)
        record.nResale[i] = offered[i] ? 1 : 0;
    return TRUE;
}
