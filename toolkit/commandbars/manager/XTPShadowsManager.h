// Drop shadows right of and below open popup bars, as separate windows that
// follow their owner's showing, hiding and destruction.
#pragma once
#include <vector>
#include "framework/collections/CArray.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/input/XTPHookManager.h"

class CXTPCommandBar;
class CXTPControl;

typedef BOOL(WINAPI* PFNXTPUPDATELAYEREDWINDOW)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                                 DWORD);

class CXTPShadowsManager
{
public:
    class CShadowWnd : public CWnd, public CXTPHookManagerHookAble
    {
    public:
        CShadowWnd(CXTPShadowsManager* pManager, CXTPCommandBar* pOwner, BOOL bBelow, int nFlags);

        BOOL Create(CRect rcShadow);
        CXTPCommandBar* GetOwnerBar() const { return m_pCommandBar; }
        BOOL IsBelow() const { return m_bBelow; }
        int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

        // The premultiplied pixels of a layered shadow of that size, rows
        // from the top; alpha ramps towards the outer edge and the ends.
        static void FillAlphaPixels(std::vector<DWORD>& arrPixels, CSize size, BOOL bBelow, BOOL bLight,
                                    COLORREF clrShadow);

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
        void PostNcDestroy() override;
        void UpdateLayered();

        CXTPShadowsManager* m_pManager;
        CXTPCommandBar* m_pCommandBar;
        BOOL m_bBelow;
        int m_nFlags;
    };

    class CShadowList : public CArray<CShadowWnd*, CShadowWnd*>
    {
    public:
        CShadowList() { SetSize(0, 10); }
    };

    CXTPShadowsManager();

    void SetShadow(CXTPCommandBar* pCommandBar, const CRect& rcExclude = CRect(0, 0, 0, 0));
    void SetShadow(CXTPControl* pControl);
    void RemoveShadow(CXTPCommandBar* pCommandBar);
    BOOL IsAlphaShadowsPossible() const;
    const CShadowList& GetShadows() const { return m_lstShadow; }

    // Looked up in the system at construction; replaceable to watch what a
    // layered shadow hands over.
    PFNXTPUPDATELAYEREDWINDOW m_pfnUpdateLayeredWindow;

private:
    friend class CShadowWnd;
    void CreateShadowPair(CXTPCommandBar* pCommandBar, CRect rcOwner, CRect rcExclude);
    CShadowWnd* CreateShadow(BOOL bBelow, CRect rcOwner, CRect rcExclude, CXTPCommandBar* pCommandBar);
    void Forget(CShadowWnd* pShadow);

    CShadowList m_lstShadow;
};

CXTPShadowsManager* XTPShadowsManager();
