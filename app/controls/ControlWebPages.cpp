#include "app/controls/ControlWebPages.h"

#include <memory>

#include "framework/core/CException.h"
#include "resources/AppIds.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/lists/XTPControlListEntries.h"
#include "toolkit/commandbars/lists/XTPControlWindowList.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"

IMPLEMENT_DYNCREATE(CControlWebPages, CXTPControlButton)

namespace {

BOOL IsWebPageEntry(CXTPControl* pControl, void* /*pContext*/)
{
    return pControl->GetID() == ID_WEB_PAGE;
}

struct ReleaseSection
{
    void operator()(CXTPPropExchange* pSection) const { pSection->InternalRelease(); }
};

BOOL BeginsWith(const CString& strText, LPCWSTR pszPrefix)
{
    const int nLength = (int)wcslen(pszPrefix);
    return strText.GetLength() >= nLength && strText.Left(nLength).CompareNoCase(pszPrefix) == 0;
}

} // namespace

CControlWebPages::CControlWebPages()
{
}

CControlWebPages::CControlWebPages(const CString& strXmlPath)
    : m_strXmlPath(strXmlPath)
{
}

BOOL CControlWebPages::IsWebAddress(const CString& strUrl)
{
    return BeginsWith(strUrl, L"http://") || BeginsWith(strUrl, L"https://");
}

std::vector<CControlWebPages::WebPage> CControlWebPages::ReadWebPages(const CString& strXmlPath)
{
    std::vector<WebPage> pages;
    CXTPPropExchangeXMLNode px(TRUE, nullptr, L"Info");
    if (!px.LoadFromFile(strXmlPath))
        return pages;
    try
    {
        std::unique_ptr<CXTPPropExchangeEnumerator> pEnum(px.GetEnumerator(L"WebPage"));
        for (POSITION pos = pEnum->GetPosition(); pos != nullptr;)
        {
            std::unique_ptr<CXTPPropExchange, ReleaseSection> pSection(pEnum->GetNext(pos));
            WebPage page;
            XTPExchangeStringWithDefault(pSection.get(), L"Name", page.strName, L"");
            XTPExchangeStringWithDefault(pSection.get(), L"Url", page.strUrl, L"");
            if (!page.strName.IsEmpty() && IsWebAddress(page.strUrl))
                pages.push_back(page);
        }
    }
    catch (CException* pException)
    {
        pException->Delete();
        pages.clear();
    }
    return pages;
}

void CControlWebPages::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    if (!XTPIsPopupBarTarget(m_pParent))
        return;
    XTPRemoveGeneratedEntries(this, IsWebPageEntry, nullptr);
    if (IsCustomizeMode())
    {
        SetHideFlags(0);
        return;
    }
    SetHideFlags(m_dwHideFlags | xtpHideGeneric);

    const std::vector<WebPage> pages = ReadWebPages(m_strXmlPath);
    for (size_t k = 0; k < pages.size(); ++k)
    {
        CXTPControl* pEntry = XTPAddGeneratedEntry(this, (int)k, ID_WEB_PAGE);
        if (pEntry == nullptr)
            break;
        pEntry->SetParameter(pages[k].strUrl);
        pEntry->SetCaption(pages[k].strName);
        pEntry->SetTooltip(pages[k].strName);
        pEntry->SetBeginGroup(k == 0);
        pEntry->SetStyle(xtpButtonIconAndCaption);
    }
}

void CControlWebPages::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControlButton::DoPropExchange(pPX);
    XTPExchangeString(pPX, L"Xml", m_strXmlPath);
}

void CControlWebPages::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControlButton::Copy(pControl, bRecursive);
    if (CControlWebPages* pSource = DYNAMIC_DOWNCAST(CControlWebPages, pControl))
        m_strXmlPath = pSource->m_strXmlPath;
}

BOOL CControlWebPages::IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    if (XTPIsPopupBarTarget(pCommandBar))
        return TRUE;
    dropEffect = DROPEFFECT_NONE;
    return FALSE;
}

CXTPControl* CControlWebPages::Clone(BOOL bRecursive)
{
    CControlWebPages* pClone = static_cast<CControlWebPages*>(GetRuntimeClass()->CreateObject());
    pClone->Copy(this, bRecursive);
    return pClone;
}
