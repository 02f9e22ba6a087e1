// What the application's tests share: the path of a file the build copies
// beside the program, and the shipped match list read as the program's XML
// reader reads it.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "framework/ole/COleDateTime.h"
#include "framework/text/CString.h"
#include "support/Screenshot.h"

class CMatchRecord;

namespace apptest {

// app/assets/<relative> of the source folder, through Wine's Z: drive.
CString AssetPath(LPCWSTR relative);

struct ShippedMatch
{
    long id = 0;
    CString round, team1, team2, city;
    COleDateTime date;
};

// A UTF-8 file of that text in the temporary folder (same name: replaced).
CString WriteTempFile(LPCWSTR name, const char* utf8);

// A match record read through an archive exchanger from the values given
// (an archive keeps texts exactly, blanks too).
CMatchRecord* NewArchivedMatch(long id, LPCWSTR team1, LPCWSTR team2, LPCWSTR city, LPCWSTR round = L"Gruppe A");

// The "Record" sections of the shipped GAMES.XML in file order; compact
// mode of the root is reported through *pCompact. Empty when unreadable.
std::vector<ShippedMatch> ReadShippedMatches(BOOL* pCompact = nullptr);

// Pixels of the image's rectangle (clipped to the image) that pass the test.
int CountPixels(const testshot::Image& image, const RECT& rect, const std::function<bool(COLORREF)>& test);
// Pixels of the rectangle within 8 of the colour in each of red, green and blue.
int CountNear(const testshot::Image& image, const RECT& rect, COLORREF colour);
// Colour classes a drawing check looks for.
bool IsDark(COLORREF color);                   // text and outlines
bool IsLight(COLORREF color);                  // backgrounds
bool IsRed(COLORREF color);
bool IsGold(COLORREF color);
bool IsBlueish(COLORREF color);                // link and offer texts

} // namespace apptest
