// A popup item that also carries the page its click opens.
#pragma once
#include "toolkit/common/popup/XTPPopupItem.h"

class CPopupItem : public CXTPPopupItem
{
    DECLARE_DYNCREATE(CPopupItem)

public:
    CPopupItem() = default;
    explicit CPopupItem(LPCRECT rcItem, LPCTSTR lpszCaption = nullptr)
        : CXTPPopupItem(rcItem, lpszCaption)
    {
    }
    ~CPopupItem() override;

    CString m_strLinkAddress;
};
