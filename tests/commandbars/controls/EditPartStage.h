// The stage of the edit box and combo box tests: a tool bar of its own
// manager across the top of a shown site, what the site hears, the frame's
// clipboard accelerators and the clipboard itself.
#pragma once
#include <memory>
#include <vector>
#include "../CommandBarsTestSupport.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

// A library loader that loads nothing: edit windows fall back to the plain edit class.
HMODULE WINAPI NoRichEditLibrary(LPCWSTR lpszName);

class CEditPartStage
{
protected:
    // Shows the site at rcSite with a bar nBarWidth wide across its top.
    bool CreateStage(const CRect& rcSite, int nBarWidth);
    void DestroyStage();
    // The bar's controls one after another from x, at the sizes the look
    // measures, as a layout puts them.
    void PlaceInRow(int x);
    // Pumps like a frame whose accelerators turn Ctrl+C/V/X/Z into commands.
    void TranslateClipboardAccelerators();
    BOOL AnyAcceleratorCommand() const;
    // The codes of the control notifications the site heard, in order.
    std::vector<UINT> Notifications() const;
    CString ClipboardText() const;
    // Null empties the clipboard.
    void SetClipboardText(LPCWSTR lpszText) const;

    CTestSite m_site;
    CXTPCommandBars m_commandBars;
    CXTPToolBar m_bar;  // the bar's own key handling, not a recording stand-in

private:
    HACCEL m_hAccel = nullptr;
    std::unique_ptr<testpump::ScopedMessageFilter> m_pAccelerators;
};
