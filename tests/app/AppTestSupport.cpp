#include "AppTestSupport.h"

#include <cstdlib>

#include "toolkit/common/XTPPropExchangeEnumerator.h"
#include "toolkit/common/XTPPropExchangeXMLNode.h"

namespace apptest {

CString AssetPath(LPCWSTR relative)
{
    const char* source = getenv("TAVROLIN_SOURCE_DIR");
    CString path = CString(L"Z:") + CString(source ? source : "") + L"/app/assets/" + relative;
    path.Replace(L'/', L'\\');
    return path;
}

std::vector<ShippedMatch> ReadShippedMatches(BOOL* pCompact)
{
    std::vector<ShippedMatch> matches;
    CoInitialize(nullptr);
    {
        CXTPPropExchangeXMLNode px(TRUE, nullptr, L"Games");
        if (px.LoadFromFile(AssetPath(L"GAMES.XML"))) {
            CXTPPropExchangeEnumerator* pEnum = px.GetEnumerator(L"Record");
            for (POSITION pos = pEnum->GetPosition(); pos;) {
                CXTPPropExchange* pRecord = pEnum->GetNext(pos);
                ShippedMatch match;
                XTPExchangeLongWithDefault(pRecord, L"ID", match.id, 0);
                XTPExchangeStringWithDefault(pRecord, L"Round", match.round, L"");
                XTPExchangeStringWithDefault(pRecord, L"Country1", match.team1, L"");
                XTPExchangeStringWithDefault(pRecord, L"Country2", match.team2, L"");
                XTPExchangeStringWithDefault(pRecord, L"City", match.city, L"");
                XTPExchangeDate(pRecord, L"Date", match.date);
                pRecord->InternalRelease();
                matches.push_back(match);
            }
            delete pEnum;
            if (pCompact != nullptr)
                *pCompact = px.IsCompactMode();
        }
    }
    CoUninitialize();
    return matches;
}

} // namespace apptest
