// A button image on the clipboard: copied as a bitmap (with the toolkit's
// own icon data when there is some) and pasted back from either.
#pragma once
#include <windows.h>

class CXTPImageManager;

// The image of the id at width 16 as CF_BITMAP; an alpha image keeps its
// pixels and is marked as such. FALSE when there is no image or the
// clipboard cannot be opened.
BOOL XTPCopyButtonImage(HWND hWndOwner, CXTPImageManager* pImageManager, UINT nImageId);

// A new custom icon id in the image manager from the clipboard, or 0.
UINT XTPPasteButtonImage(HWND hWndOwner, CXTPImageManager* pImageManager);

// The clipboard's bitmap counts as alpha only when marked and 32 bits deep:
// a marker from another program says nothing about the bits it offers.
BOOL XTPIsAlphaClipboardBitmap(HBITMAP hBitmap, BOOL bMarked);
