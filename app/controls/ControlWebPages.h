// The "[Web Pages]" item of the help menu: each time its menu is laid out it
// stands in for one entry per web page of the info file.
#pragma once
#include <vector>

#include "toolkit/commandbars/controls/XTPControlButton.h"

class CControlWebPages : public CXTPControlButton
{
    DECLARE_DYNCREATE(CControlWebPages)

public:
    struct WebPage
    {
        CString strName;
        CString strUrl;
    };

    CControlWebPages();
    explicit CControlWebPages(const CString& strXmlPath);

    void OnCalcDynamicSize(DWORD dwMode) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;

    const CString& GetXmlPath() const { return m_strXmlPath; }

    // The pages of an info file in file order, only those with a name and
    // a web address; none when the file cannot be read.
    static std::vector<WebPage> ReadWebPages(const CString& strXmlPath);
    // The file comes from the network: the shell must never be handed a
    // local program or document from it.
    static BOOL IsWebAddress(const CString& strUrl);

private:
    CString m_strXmlPath;
};
