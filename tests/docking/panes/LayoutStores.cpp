#include "LayoutStores.h"
#include <shlwapi.h>
#include "framework/files/CArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"

namespace layouttest {

std::vector<LayoutStore> LayoutStores(CMemFile& file, IXMLDOMDocument*& document, const wchar_t* key)
{
    return {
        {"archive",
         [&file](const std::function<void(CXTPPropExchange*)>& write) {
             file.SetLength(0);
             CArchive ar(&file, CArchive::store);
             CXTPPropExchangeArchive px(ar);
             write(&px);
             ar.Close();
         },
         [&file](CXTPDockingPaneLayout* layout) {
             file.SeekToBegin();
             CArchive ar(&file, CArchive::load);
             CXTPPropExchangeArchive px(ar);
             return layout->Load(&px);
         }},
        {"registry",
         [key](const std::function<void(CXTPPropExchange*)>& write) {
             ::SHDeleteKeyW(HKEY_CURRENT_USER, key);
             HKEY hKey = nullptr;
             ::RegCreateKeyW(HKEY_CURRENT_USER, key, &hKey);
             CXTPPropExchangeRegistry px(FALSE, hKey, L"Layout");
             write(&px);
             ::RegCloseKey(hKey);
         },
         [key](CXTPDockingPaneLayout* layout) {
             HKEY hKey = nullptr;
             ::RegOpenKeyW(HKEY_CURRENT_USER, key, &hKey);
             CXTPPropExchangeRegistry px(TRUE, hKey, L"Layout");
             BOOL ok = layout->Load(&px);
             ::RegCloseKey(hKey);
             return ok;
         }},
        {"xml",
         [&document](const std::function<void(CXTPPropExchange*)>& write) {
             static const CLSID kDom = {0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
             if (document)
                 document->Release();
             ::CoCreateInstance(kDom, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument, reinterpret_cast<void**>(&document));
             CXTPPropExchangeXMLNode px(FALSE, document, L"Layout");
             write(&px);
         },
         [&document](CXTPDockingPaneLayout* layout) {
             CXTPPropExchangeXMLNode px(TRUE, document, L"Layout");
             return layout->Load(&px);
         }},
    };
}

} // namespace layouttest
