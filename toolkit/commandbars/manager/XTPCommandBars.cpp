#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/input/XTPKeyCommandQueue.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/customize/XTPCustomizeDragHelper.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/XTPReplaceReference.h"
#include "toolkit/commandbars/input/XTPSoundManager.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/images/XTPImageManager.h"

IMPLEMENT_DYNCREATE(CXTPCommandBars, CCmdTarget)

namespace {
// The command that opens the customize dialog.
const UINT kCustomizeCommand = 35001;
} // namespace

CXTPCommandBarsOptions::CXTPCommandBarsOptions(CXTPCommandBars* pCommandBars)
    : m_pCommandBars(pCommandBars)
{
}

CXTPCommandBarsOptions::~CXTPCommandBarsOptions() = default;

CXTPCommandBars::CXTPCommandBars()
    : m_bCustomizeMovable(FALSE)
    , m_pDragHelper(new CXTPCustomizeDragHelper(this))
    , m_pPaintManager(nullptr)
    , m_pImageManager(nullptr)
    , m_pDragSelected(nullptr)
    , m_pCustomizeDialog(nullptr)
    , m_bCustomizeMode(FALSE)
    , m_bCustomizeAvail(FALSE)
    , m_nIDMenu(0)
    , m_bQuickCustomizeMode(FALSE)
    , m_pOptions(new CXTPCommandBarsOptions(this))
    , m_pDocks{nullptr, nullptr, nullptr, nullptr}
    , m_pFrame(nullptr)
    , m_pToolTipContext(new CXTPToolTipContext)
    , m_pMouseManager(nullptr)
    , m_bKeyboardCuesVisible(TRUE)
    , m_pShortcutManager(new CXTPShortcutManager(this))
    , m_bRecalcLayout(FALSE)
    , m_bKeyboardCuesOnDemand(FALSE)
    , m_bRightToLeft(FALSE)
    , m_bIgnoreShiftMenuKey(FALSE)
{
    // Control captions carry mnemonic ampersands that the tip must show literally.
    m_pToolTipContext->ModifyToolTipStyle(0, TTS_NOPREFIX);
}

CXTPCommandBars::~CXTPCommandBars()
{
    // A key command still waiting for its turn must not run on a manager
    // that is gone, nor be left for the thread's end.
    CXTPKeyCommandQueue::DropWaitingOf(this);
    SetDragControl(nullptr);
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        m_arrBars[i]->InternalRelease();
    m_arrBars.RemoveAll();
    delete m_pDragHelper;
    m_pDragHelper = nullptr;
    if (m_pPaintManager)
        m_pPaintManager->InternalRelease();
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
    m_pToolTipContext->InternalRelease();
    m_pOptions->InternalRelease();
    m_pShortcutManager->InternalRelease();
    for (CXTPDockBar*& pDockBar : m_pDocks) {
        if (pDockBar != nullptr && pDockBar->GetSafeHwnd())
            pDockBar->DestroyWindow();
        delete pDockBar;
        pDockBar = nullptr;
    }
    XTPSoundManager()->StopThread();
}

void CXTPCommandBars::SetSite(CWnd* pFrame)
{
    m_pFrame = pFrame;
    m_bCustomizeAvail = FALSE;
    if (pFrame && pFrame->GetSafeHwnd()) {
        AFX_CMDHANDLERINFO info = {};
        m_bCustomizeAvail = pFrame->OnCmdMsg(kCustomizeCommand, CN_COMMAND, nullptr, &info);
    }
}

CXTPPaintManager* CXTPCommandBars::GetPaintManager() const
{
    return m_pPaintManager ? m_pPaintManager : XTPPaintManager();
}

CXTPImageManager* CXTPCommandBars::GetImageManager() const
{
    return m_pImageManager ? m_pImageManager : XTPImageManager();
}

void CXTPCommandBars::SetPaintManager(CXTPPaintManager* pPaintManager)
{
    if (!XTPReplaceReference(m_pPaintManager, pPaintManager))
        return;
    if (m_pPaintManager)
        m_pPaintManager->RefreshMetrics();
    // Another look has other fonts and borders: the bars, floating ones
    // too, take their sizes from it at once.
    RecalcAllBars();
}

void CXTPCommandBars::SetImageManager(CXTPImageManager* pImageManager)
{
    XTPReplaceReference(m_pImageManager, pImageManager);
}

void CXTPCommandBars::SetDragControl(CXTPControl* pControl)
{
    if (pControl == m_pDragSelected)
        return;
    if (pControl)
        pControl->InternalAddRef();
    CXTPControl* pOld = m_pDragSelected;
    m_pDragSelected = pControl;
    if (pOld)
        pOld->InternalRelease();
}

CXTPMouseManager* CXTPCommandBars::GetMouseManager() const
{
    if (!m_pMouseManager)
        m_pMouseManager = XTPMouseManager();
    return m_pMouseManager;
}
