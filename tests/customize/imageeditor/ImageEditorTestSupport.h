// Shared pieces of the button image editor tests: images to edit, the
// editor run modally with a scenario acted out once it shows, real mouse
// input on its picture and toolbars, and image files to import.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/text/CString.h"
#include "toolkit/customize/imageeditor/XTPImageEditorDlg.h"

namespace edittest {

using CImage = CXTPImageEditorPicture::CAlphaBitmap;

// A 32-bit straight-alpha bitmap: pixel(x, y) gives 0xAARRGGBB.
HBITMAP MakeAlphaBitmap(int cx, int cy, const std::function<DWORD(int, int)>& pixel);
// A plain icon: pixel(x, y) gives a colour, or CLR_NONE for transparent.
HICON MakePlainIcon(int cx, int cy, const std::function<COLORREF(int, int)>& pixel);

// The editor under test: counts the modal loop's idle calls and answers a
// chosen common-controls version (0: the system's).
class CTestEditor : public CXTPImageEditorDlg
{
public:
    explicit CTestEditor(DWORD dwComCtlVersion = 0) : m_dwComCtlVersion(dwComCtlVersion) {}
    int m_nKickIdles = 0;
    CSize m_szPictureControl;

protected:
    DWORD GetComCtlVersion() const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    DWORD m_dwComCtlVersion;
};

using Step = std::function<void(CTestEditor&)>;
// Runs the editor modally; the steps run once its window shows, each after
// the modal loop went idle (and updated the toolbars) since the one before;
// then OK is pressed unless a step ended the dialog.
INT_PTR RunEditor(CTestEditor& dlg, std::vector<Step> steps);
INT_PTR RunEditor(CTestEditor& dlg, const Step& step);

// Real input on the picture: image pixels (may lie outside the image).
POINT PixelOnScreen(CXTPImageEditorDlg& dlg, int x, int y);
void ClickPixel(CXTPImageEditorDlg& dlg, int x, int y);
void DragPixels(CXTPImageEditorDlg& dlg, POINT from, POINT to);
// Clicks a toolbar button by command id (tools bar or move bar).
void ClickButton(CXTPImageEditorDlg& dlg, UINT nID);
// Clicks a palette cell (its id) and waits for it to become the colour.
void ClickCell(CXTPImageEditorDlg& dlg, UINT nID);

DWORD RawPixel(const CImage* pImage, int x, int y);

// Files under the test's working folder.
CString WriteFile(LPCWSTR lpszName, const std::vector<BYTE>& bytes);
std::vector<BYTE> IconFileBytes(int cx, int cy, int nBits, const std::function<DWORD(int, int)>& pixel);
std::vector<BYTE> BitmapFileBytes(int cx, int cy, int nBits, const std::function<DWORD(int, int)>& pixel);
// A GIF with four colours (0xRRGGBB) and an index per pixel; the palette is
// global or the image's own, and one index may be transparent (-1: none).
struct GifLayout
{
    bool localPalette = false;
    int transparentIndex = -1;
};
std::vector<BYTE> GifFileBytes(int cx, int cy, const DWORD (&palette)[4], const std::function<int(int, int)>& index,
                               GifLayout layout = {});

} // namespace edittest
