#include "app/records/TeamItem.h"

#include "app/TeamFlags.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"

CXTPReportRecordItemText* NewTeamItem(LPCTSTR team)
{
    CXTPReportRecordItemText* pItem = new CXTPReportRecordItemText(team != nullptr ? team : L"");
    pItem->SetIconIndex(GetTeamFlagNumber(team));
    return pItem;
}

CString ItemText(const CXTPReportRecordItem* pItem)
{
    const CXTPReportRecordItemText* pText =
        pItem != nullptr && pItem->IsKindOf(RUNTIME_CLASS(CXTPReportRecordItemText))
            ? static_cast<const CXTPReportRecordItemText*>(pItem)
            : nullptr;
    return pText != nullptr ? pText->GetValue() : CString();
}
