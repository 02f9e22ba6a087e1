#include "app/records/RowShading.h"

#include "toolkit/report/records/XTPReportRecordItem.h"
#include "toolkit/report/rows/XTPReportRow.h"

void ShadeOddRow(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    if (pDrawArgs == nullptr || pMetrics == nullptr || pDrawArgs->pRow == nullptr)
        return;
    if (pDrawArgs->pRow->GetIndex() % 2 == 0)
        return;
    if (pDrawArgs->pItem != nullptr && pDrawArgs->pItem->IsPreviewItem())
        return;
    pMetrics->clrBackground = kOddRowBackground;
}
