#include "toolkit/report/records/XTPReportRecordItemEditOptions.h"

#include "toolkit/report/XTPReportInplaceControls.h"

CXTPReportRecordItemConstraints::~CXTPReportRecordItemConstraints()
{
    RemoveAll();
}

CXTPReportRecordItemConstraint* CXTPReportRecordItemConstraints::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrConstraints.GetAt(nIndex) : nullptr;
}

CXTPReportRecordItemConstraint* CXTPReportRecordItemConstraints::Add(LPCTSTR lpszCaption, DWORD_PTR dwData)
{
    CXTPReportRecordItemConstraint* pConstraint = new CXTPReportRecordItemConstraint();
    pConstraint->m_strConstraint = lpszCaption;
    pConstraint->m_dwData = dwData;
    pConstraint->m_nIndex = (int)m_arrConstraints.Add(pConstraint);
    return pConstraint;
}

void CXTPReportRecordItemConstraints::RemoveAll()
{
    for (int i = GetCount() - 1; i >= 0; --i)
        m_arrConstraints[i]->InternalRelease();
    m_arrConstraints.RemoveAll();
}

CXTPReportRecordItemConstraint* CXTPReportRecordItemConstraints::FindConstraint(DWORD_PTR dwData) const
{
    for (int i = 0; i < GetCount(); ++i)
    {
        if (m_arrConstraints[i]->m_dwData == dwData)
            return m_arrConstraints[i];
    }
    return nullptr;
}

CXTPReportRecordItemConstraint* CXTPReportRecordItemConstraints::FindConstraint(LPCTSTR lpszCaption) const
{
    for (int i = 0; i < GetCount(); ++i)
    {
        if (m_arrConstraints[i]->m_strConstraint == lpszCaption)
            return m_arrConstraints[i];
    }
    return nullptr;
}

CXTPReportRecordItemEditOptions::CXTPReportRecordItemEditOptions()
    : m_bAllowEdit(TRUE), m_bConstraintEdit(FALSE), m_bSelectTextOnEdit(FALSE), m_dwEditStyle(ES_AUTOHSCROLL),
      m_nMaxLength(0)
{
}

CXTPReportRecordItemEditOptions::~CXTPReportRecordItemEditOptions()
{
    RemoveButtons();
}

CXTPReportRecordItemConstraint* CXTPReportRecordItemEditOptions::AddConstraint(LPCTSTR lpszCaption,
                                                                              DWORD_PTR dwData)
{
    return m_constraints.Add(lpszCaption, dwData);
}

CXTPReportRecordItemConstraint* CXTPReportRecordItemEditOptions::FindConstraint(DWORD_PTR dwData) const
{
    return m_constraints.FindConstraint(dwData);
}

CXTPReportRecordItemConstraint* CXTPReportRecordItemEditOptions::FindConstraint(LPCTSTR lpszCaption) const
{
    return m_constraints.FindConstraint(lpszCaption);
}

CXTPReportInplaceButton* CXTPReportRecordItemEditOptions::GetButton(int nIndex) const
{
    return nIndex >= 0 && nIndex < arrInplaceButtons.GetSize() ? arrInplaceButtons.GetAt(nIndex) : nullptr;
}

void CXTPReportRecordItemEditOptions::RemoveButtons()
{
    for (INT_PTR i = arrInplaceButtons.GetSize() - 1; i >= 0; --i)
        delete arrInplaceButtons[i];
    arrInplaceButtons.RemoveAll();
}

CXTPReportInplaceButton* CXTPReportRecordItemEditOptions::AddComboButton()
{
    CXTPReportInplaceButton* pButton = new CXTPReportInplaceButton(XTP_ID_REPORT_COMBOBUTTON);
    arrInplaceButtons.Add(pButton);
    return pButton;
}

CXTPReportInplaceButton* CXTPReportRecordItemEditOptions::AddExpandButton()
{
    CXTPReportInplaceButton* pButton = new CXTPReportInplaceButton(XTP_ID_REPORT_EXPANDBUTTON);
    arrInplaceButtons.Add(pButton);
    return pButton;
}
