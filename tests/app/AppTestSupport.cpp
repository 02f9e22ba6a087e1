#include "AppTestSupport.h"

#include <cstdlib>
#include <cstring>

#include "app/records/MatchRecord.h"
#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"

namespace apptest {

CString AssetPath(LPCWSTR relative)
{
    const char* source = getenv("TAVROLIN_SOURCE_DIR");
    CString path = CString(L"Z:") + CString(source ? source : "") + L"/app/assets/" + relative;
    path.Replace(L'/', L'\\');
    return path;
}

CString WriteTempFile(LPCWSTR name, const char* utf8)
{
    WCHAR folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    CString path = CString(folder) + name;
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, utf8, static_cast<DWORD>(strlen(utf8)), &written, nullptr);
    CloseHandle(file);
    return path;
}

CMatchRecord* NewArchivedMatch(long id, LPCWSTR team1, LPCWSTR team2, LPCWSTR city, LPCWSTR round)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        CString strRound = round, first = team1, second = team2, strCity = city;
        COleDateTime date(2006, 6, 9, 18, 0, 0);
        XTPExchangeLongWithDefault(&px, L"ID", id, 0);
        XTPExchangeStringWithDefault(&px, L"Round", strRound, L"");
        XTPExchangeStringWithDefault(&px, L"Country1", first, L"");
        XTPExchangeStringWithDefault(&px, L"Country2", second, L"");
        XTPExchangeStringWithDefault(&px, L"City", strCity, L"");
        XTPExchangeDate(&px, L"Date", date);
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    CMatchRecord* pRecord = new CMatchRecord;
    pRecord->DoPropExchange(&px);
    return pRecord;
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

int CountPixels(const testshot::Image& image, const RECT& rect, const std::function<bool(COLORREF)>& test)
{
    int count = 0;
    for (int y = rect.top < 0 ? 0 : rect.top; y < rect.bottom && y < image.height; ++y)
        for (int x = rect.left < 0 ? 0 : rect.left; x < rect.right && x < image.width; ++x)
            count += test(image.Pixel(x, y)) ? 1 : 0;
    return count;
}

int CountNear(const testshot::Image& image, const RECT& rect, COLORREF colour)
{
    return CountPixels(image, rect, [colour](COLORREF c) {
        return abs(GetRValue(c) - GetRValue(colour)) <= 8 && abs(GetGValue(c) - GetGValue(colour)) <= 8 &&
               abs(GetBValue(c) - GetBValue(colour)) <= 8;
    });
}

bool IsDark(COLORREF color)
{
    return GetRValue(color) < 80 && GetGValue(color) < 80 && GetBValue(color) < 80;
}

bool IsLight(COLORREF color)
{
    return GetRValue(color) > 180 && GetGValue(color) > 180 && GetBValue(color) > 180;
}

bool IsRed(COLORREF color)
{
    return GetRValue(color) > 170 && GetGValue(color) < 70 && GetBValue(color) < 70;
}

bool IsGold(COLORREF color)
{
    return GetRValue(color) > 200 && GetGValue(color) > 150 && GetBValue(color) < 90;
}

bool IsBlueish(COLORREF color)
{
    return GetBValue(color) > GetRValue(color) + 60 && GetBValue(color) > GetGValue(color) + 40;
}

} // namespace apptest
