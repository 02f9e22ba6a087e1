// Walks a collection stored as a count plus child sections named with the
// item name followed by 0, 1, 2 and so on.
#pragma once
#include <windows.h>

#include "framework/text/CString.h"
#include "framework/collections/CollectionHelpers.h"

class CXTPPropExchange;

class CXTPPropExchangeEnumerator
{
public:
    CXTPPropExchangeEnumerator(CXTPPropExchange* pContainer, LPCTSTR lpszSection);
    virtual ~CXTPPropExchangeEnumerator();

    CXTPPropExchangeEnumerator(const CXTPPropExchangeEnumerator&) = delete;
    CXTPPropExchangeEnumerator& operator=(const CXTPPropExchangeEnumerator&) = delete;

    // Storing: writes the count; loading: reads it (pass 0). Compact counts
    // go through the container's own count format, the others are the
    // long "Count". Null when there is no item. A loaded count covers only
    // the items really stored (see CXTPPropExchange::CountStoredSections).
    virtual POSITION GetPosition(DWORD dwCount = 0, BOOL bCompactMode = TRUE);
    // The section of the next item (the caller releases it); the position
    // becomes null after the last one.
    virtual CXTPPropExchange* GetNext(POSITION& pos);

    // The section name of one item: the collection name and the index.
    static CString GetItemSectionName(LPCTSTR lpszSection, DWORD nIndex);

protected:
    CXTPPropExchange* m_pContainer;
    CString m_strSectionName;
    DWORD m_nCount;
};
