// The combo box control: its defaults and the widths of its label and thumb.
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "framework/gdi/CDC.h"

IMPLEMENT_DYNCREATE(CXTPControlComboBox, CXTPControlPopup)

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

// The combo box holds no entries: its text part stays blank.
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

