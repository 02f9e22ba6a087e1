#include "engine/db/DumpCallbacks.h"

void DefaultFormatGameText(int /*nGameId*/, CMainFrame* /*pFrame*/, CString& strText, int /*nTeamSpecific*/)
{
    strText.Empty();
}

CString DefaultFormatCategoryCode(OfferCategoryCode code)
{
    CString strText;
    strText.Format(L"%s%d %s%s",
                   (code & OFFER_TEAM_SPECIFIC) ? L"TST " : L"",
                   code & OFFER_CATEGORY_NUMBER_MASK,
                   (code & OFFER_SECOND_GROUP) ? L"s.b. " : L"",
                   (code & OFFER_RESALE) ? L"R" : L"");
    return strText;
}

void DefaultAddOfferRecord(OfferCategoryCode /*code*/, CMainFrame* /*pFrame*/, DATE /*dtStart*/, int /*nGameId*/)
{
}
