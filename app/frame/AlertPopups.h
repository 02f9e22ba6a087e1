// The alert popups of the main frame: each new offer gets a small window at
// the bottom right of the work area whose title links to the offer's page;
// popups stack upwards (in columns), can be dragged, and are deleted once closed.
#pragma once
#include <windows.h>

#include <vector>

#include "framework/gdi/CPoint.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"

class CWnd;
class CXTPPopupControl;

// The texts of one alert.
struct AlertTexts
{
    CString strTitle;    // "city: team 1 - team 2", or the team's name
    CString strLine;     // category, s.b., resale
    CString strAddress;  // the page the title opens
};

// Where a popup of that size goes (bottom-right corner) so that it meets
// none of the open popups: moved up above every one it would cover. One that
// would rise above the work area starts a new column to the left, at the
// work area's bottom.
CPoint StackPopupPosition(CPoint ptCorner, CSize size, const std::vector<CRect>& openPopups, const CRect& rcWork);

class CAlertPopups
{
public:
    enum { PopupStyle = 2, IdTitle = -2, IdClose = -1 };
    // Posted to the owner when a popup closed; the owner then calls
    // DeleteClosed (a popup is not deleted from inside its own handlers).
    static const UINT WM_ALERT_POPUP_CLOSED = WM_APP + 0x235;

    CAlertPopups();
    ~CAlertPopups();
    CAlertPopups(const CAlertPopups&) = delete;
    CAlertPopups& operator=(const CAlertPopups&) = delete;

    // Shows an alert with the owner as parent and receiver of its events.
    CXTPPopupControl* ShowAlertPopup(CWnd* pOwner, const AlertTexts& texts);
    // WM_XTP_POPUP_EVENT of a popup; always TRUE.
    BOOL OnPopupNotify(WPARAM nEvent, LPARAM lParam);
    void DeleteClosed();

    int GetOpenCount() const { return (int)m_openPopups.size(); }
    CXTPPopupControl* GetOpenPopup(int nIndex) const;
    CPoint GetRememberedPosition() const { return m_ptRemembered; }

    // Opens a page in the browser; replaceable so that a test records it.
    typedef void (*PFNOPENPAGE)(const CString& strAddress);
    static PFNOPENPAGE s_pfnOpenPage;
    static void OpenPageInBrowser(const CString& strAddress);

private:
    void FillAlertPopup(CXTPPopupControl* pPopup, const AlertTexts& texts);
    void PlaceAlertPopup(CXTPPopupControl* pPopup, int nWidth, int nHeight);
    BOOL IsOpen(CXTPPopupControl* pPopup) const;
    void RemoveOpen(CXTPPopupControl* pPopup);

    std::vector<CXTPPopupControl*> m_openPopups;    // owned, in the order shown
    std::vector<CXTPPopupControl*> m_closedPopups;  // closed, waiting to be deleted
    CPoint m_ptRemembered;
    HWND m_hOwner;
};
