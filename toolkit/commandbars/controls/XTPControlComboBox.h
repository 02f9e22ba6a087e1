// The combo box control (type 5): a hosted edit part and a drop-down list.
#pragma once
#include "toolkit/commandbars/controls/XTPControlPopup.h"

class CXTPControlComboBox : public CXTPControlPopup
{
    DECLARE_DYNCREATE(CXTPControlComboBox)
public:
    CXTPControlComboBox();
    ~CXTPControlComboBox() override;

    // Draws the text part (the selected entry) into the rectangle.
    virtual void DrawEditIcon(CDC* pDC, CRect rc);
    BOOL IsDroppedDown() const { return m_bDropped; }

    int GetWidth() const { return m_nWidth; }
    void SetWidth(int nWidth) override { m_nWidth = nWidth; }
    int GetComboStyle() const { return m_comboStyle; }
    void SetComboStyle(int nStyle) { m_comboStyle = nStyle; }
    int GetLabelWidth() const { return m_nLabelWidth; }
    void SetLabelWidth(int nWidth);
    int GetThumbWidth() const { return m_nThumbWidth; }
    void SetThumbWidth(int nWidth);
    BOOL IsPlacementPending() const { return m_bDelayReposition; }

    void DoPropExchange(CXTPPropExchange* pPX) override;

protected:
    int m_nWidth;
    int m_comboStyle;
    BOOL m_bDropped;
    int m_nLabelWidth;
    int m_nThumbWidth;
    BOOL m_bDelayReposition;
};
