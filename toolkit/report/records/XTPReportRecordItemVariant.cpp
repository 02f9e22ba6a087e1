#include "toolkit/report/records/XTPReportRecordItemVariant.h"

#include "framework/files/CArchive.h"
#include "framework/ole/COleDateTime.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/report/XTPReportFormat.h"
#include "toolkit/report/records/XTPReportRecordItemEditOptions.h"

IMPLEMENT_SERIAL(CXTPReportRecordItemVariant, CXTPReportRecordItem, VERSIONABLE_SCHEMA | XTP_REPORT_SCHEMA_CAPTION)

namespace {

// Converts a copy, so the stored value keeps its type; FALSE when the
// conversion fails.
BOOL ConvertCopy(const VARIANT& varSource, VARTYPE vt, COleVariant& varResult)
{
    VARIANT varConverted;
    ::VariantInit(&varConverted);
    if (FAILED(::VariantChangeTypeEx(&varConverted, const_cast<VARIANT*>(&varSource), LOCALE_USER_DEFAULT, 0, vt)))
        return FALSE;
    varResult.Clear();
    varResult.Attach(varConverted);
    return TRUE;
}

} // namespace

CXTPReportRecordItemVariant::CXTPReportRecordItemVariant() : m_oleValue(0L, VT_I4)
{
}

CXTPReportRecordItemVariant::CXTPReportRecordItemVariant(const VARIANT& lpValue) : m_oleValue(lpValue)
{
    if (m_oleValue.vt & VT_BYREF)
    {
        COleVariant varPlain;
        if (ConvertCopy(m_oleValue, (VARTYPE)(m_oleValue.vt & ~VT_BYREF), varPlain))
            m_oleValue = varPlain;
    }
}

BOOL CXTPReportRecordItemVariant::UsesConstraints(CXTPReportColumn* pColumn)
{
    // Constraints that are only suggestions leave the value as it is.
    CXTPReportRecordItemEditOptions* pOptions = GetEditOptions(pColumn);
    return pOptions && pOptions->m_bConstraintEdit;
}

CString CXTPReportRecordItemVariant::GetCaption(CXTPReportColumn* pColumn)
{
    if (!m_strCaption.IsEmpty())
        return m_strCaption;
    const BOOL bConstraints = UsesConstraints(pColumn);
    if (m_oleValue.vt == VT_DATE && !bConstraints && m_strFormatString != L"%s")
        return COleDateTime(m_oleValue.date).Format(m_strFormatString);

    COleVariant varValue(m_oleValue);
    if (varValue.vt == VT_NULL)
        varValue = COleVariant(0L, VT_I4);
    COleVariant varConverted;
    if (ConvertCopy(varValue, bConstraints ? VT_I4 : VT_BSTR, varConverted))
        varValue = varConverted;

    if (bConstraints)
    {
        if (varValue.vt != VT_I4)
            return CString();
        CXTPReportRecordItemConstraint* pConstraint =
            GetEditOptions(pColumn)->FindConstraint((DWORD_PTR)(DWORD)varValue.lVal);
        return pConstraint ? pConstraint->m_strConstraint : CString();
    }
    if (varValue.vt != VT_BSTR)
        return CString();
    CString strValue(varValue.bstrVal);
    if (m_strFormatString == L"%s" || !XTPReportIsSafeFormat(m_strFormatString, xtpReportFormatString))
        return strValue;
    CString strCaption;
    strCaption.Format(m_strFormatString, (LPCTSTR)strValue);
    return strCaption;
}

int CXTPReportRecordItemVariant::Compare(CXTPReportColumn* /*pColumn*/, CXTPReportRecordItem* pItem)
{
    if (!pItem)
        return 0;
    if (m_nSortPriority != -1 || pItem->m_nSortPriority != -1)
        return m_nSortPriority - pItem->m_nSortPriority;
    CXTPReportRecordItemVariant* pOther = DYNAMIC_DOWNCAST(CXTPReportRecordItemVariant, pItem);
    if (!pOther)
        return 0;
    return (int)::VarCmp(&m_oleValue, &pOther->m_oleValue, LOCALE_USER_DEFAULT, 0) - 1;
}

void CXTPReportRecordItemVariant::OnEditChanged(XTP_REPORTRECORDITEM_ARGS* /*pItemArgs*/, LPCTSTR szText)
{
    COleVariant varText(szText);
    COleVariant varConverted;
    if (ConvertCopy(varText, m_oleValue.vt, varConverted))
        m_oleValue = varConverted;
}

void CXTPReportRecordItemVariant::OnConstraintChanged(XTP_REPORTRECORDITEM_ARGS* pItemArgs,
                                                      CXTPReportRecordItemConstraint* pConstraint)
{
    if (!pConstraint)
        return;
    if (!UsesConstraints(pItemArgs ? pItemArgs->pColumn : nullptr))
    {
        OnEditChanged(pItemArgs, pConstraint->m_strConstraint);
        return;
    }
    COleVariant varData((long)pConstraint->m_dwData, VT_I4);
    COleVariant varConverted;
    if (ConvertCopy(varData, m_oleValue.vt, varConverted))
        m_oleValue = varConverted;
}

DWORD_PTR CXTPReportRecordItemVariant::GetSelectedConstraintData(XTP_REPORTRECORDITEM_ARGS* pItemArgs)
{
    if (!UsesConstraints(pItemArgs ? pItemArgs->pColumn : nullptr))
        return (DWORD_PTR)-1;
    COleVariant varConverted;
    if (!ConvertCopy(m_oleValue, VT_I4, varConverted))
        return (DWORD_PTR)-1;
    return (DWORD_PTR)(DWORD)varConverted.lVal;
}

void CXTPReportRecordItemVariant::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPReportRecordItem::DoPropExchange(pPX);
    XTPExchangeVariantWithDefault(pPX, L"Value", m_oleValue, COleVariant(L""));
}
