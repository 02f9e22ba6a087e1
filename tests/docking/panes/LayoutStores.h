// The places a layout test writes a layout to and loads it from: an archive
// in memory, a registry key and an XML document.
#pragma once
#include <msxml.h>
#include <functional>
#include <vector>
#include "framework/files/CMemFile.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"

namespace layouttest {

struct LayoutStore
{
    const char* name;
    // Empties the store, then hands `write` a saving exchanger on it.
    std::function<void(const std::function<void(CXTPPropExchange*)>&)> write;
    std::function<BOOL(CXTPDockingPaneLayout*)> load;
};

// Archive in `file`, registry under HKEY_CURRENT_USER\`key`, XML in
// `document` (released and made anew by each write), in that order.
std::vector<LayoutStore> LayoutStores(CMemFile& file, IXMLDOMDocument*& document, const wchar_t* key);

} // namespace layouttest
