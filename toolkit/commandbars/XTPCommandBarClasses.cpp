// Construction of the bar and control classes whose behaviour comes with
// later parts: popup bars, toolbars, popup, edit and combo box controls.
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/XTPControlComboBox.h"
#include "toolkit/commandbars/XTPControlLabel.h"
#include "toolkit/commandbars/XTPControlPopup.h"
#include "toolkit/commandbars/XTPPopupBar.h"
#include "toolkit/commandbars/XTPReplaceReference.h"
#include "toolkit/commandbars/XTPToolBar.h"

IMPLEMENT_DYNCREATE(CXTPPopupBar, CXTPCommandBar)
IMPLEMENT_DYNCREATE(CXTPToolBar, CXTPCommandBar)
IMPLEMENT_DYNCREATE(CXTPControlPopup, CXTPControl)
IMPLEMENT_DYNCREATE(CXTPControlComboBox, CXTPControlPopup)

CXTPPopupBar::CXTPPopupBar()
    : m_pControlPopup(nullptr)
    , m_pParentBar(nullptr)
    , m_bDoubleGripper(FALSE)
    , m_bExpanded(FALSE)
{
    m_barType = xtpBarTypePopup;
    m_barPosition = xtpBarPopup;
}

CXTPPopupBar::~CXTPPopupBar() = default;

CXTPToolBar::CXTPToolBar() = default;
CXTPToolBar::~CXTPToolBar() = default;

BOOL CXTPToolBar::IsTextBelowIcons() const
{
    return m_nTextBelowIcons == 1;
}

CXTPControlPopup::CXTPControlPopup()
    : m_bPopup(FALSE)
    , m_pCommandBar(nullptr)
    , m_dwReserved(0)
{
    m_controlType = xtpControlPopup;
}

CXTPControlPopup::~CXTPControlPopup()
{
    if (m_pCommandBar)
        m_pCommandBar->InternalRelease();
}

void CXTPControlPopup::SetCommandBar(CXTPCommandBar* pBar)
{
    if (pBar != m_pCommandBar && pBar)
        pBar->InternalAddRef();
    XTPReplaceReference(m_pCommandBar, pBar);
}

CXTPControlComboBox::CXTPControlComboBox()
    : m_nWidth(100)
    , m_comboStyle(0)
    , m_bDropped(FALSE)
    , m_nLabelWidth(0)
    , m_nThumbWidth(0)
    , m_bDelayReposition(FALSE)
{
    m_controlType = xtpControlComboBox;
}

CXTPControlComboBox::~CXTPControlComboBox() = default;

void CXTPControlComboBox::DrawEditIcon(CDC* /*pDC*/, CRect /*rc*/)
{
}

void CXTPControlComboBox::SetLabelWidth(int nWidth)
{
    if (nWidth == m_nLabelWidth)
        return;
    m_nLabelWidth = nWidth;
    m_bDelayReposition = TRUE;
}

void CXTPControlComboBox::SetThumbWidth(int nWidth)
{
    if (nWidth == m_nThumbWidth)
        return;
    m_nThumbWidth = nWidth;
    m_bDelayReposition = TRUE;
}

