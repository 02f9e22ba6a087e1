// The ten shape families of tab strips. Each differs from the base in its
// margins and in how one tab and the client frame are drawn.
#pragma once
#include "toolkit/tabs/appearance/XTPTabAppearanceSet.h"

class CXTPTabPaintManager::CAppearanceSetPropertyPage : public CXTPTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetPropertyPage() { m_rcHeaderMargin.SetRect(2, 3, 6, 0); }
    CRect GetClientMargin() override;
    CRect FillClient(CDC* pDC, CXTPTabManager* pManager) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 13; }

protected:
    // The raised tab; answers the rectangle the content goes into.
    CRect DrawPageTab(CDC* pDC, CXTPTabManagerItem* pItem);
};

class CXTPTabPaintManager::CAppearanceSetPropertyPageSelected : public CXTPTabPaintManager::CAppearanceSetPropertyPage
{
public:
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
};

class CXTPTabPaintManager::CAppearanceSetFlat : public CXTPTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetFlat() { m_rcHeaderMargin.SetRect(2, 2, 4, 0); }
    CRect FillClient(CDC* pDC, CXTPTabManager* pManager) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 7; }
    int GetDefaultColorSet() override { return xtpTabColorVisualStudio; }

protected:
    // The tab rectangle reaching one pixel over its far end (and, selected,
    // one towards the client).
    CRect GetFlatRect(CXTPTabManagerItem* pItem) const;
};

class CXTPTabPaintManager::CAppearanceSetPropertyPageFlat : public CXTPTabPaintManager::CAppearanceSetFlat
{
public:
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetDefaultColorSet() override { return xtpTabColorDefault; }
};

class CXTPTabPaintManager::CAppearanceSetPropertyPage2003 : public CXTPTabPaintManager::CAppearanceSet
{
public:
    void RefreshMetrics() override;
    CRect FillClient(CDC* pDC, CXTPTabManager* pManager) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 21; }
    int GetDefaultColorSet() override { return xtpTabColorOffice2003; }
};

class CXTPTabPaintManager::CAppearanceSetVisualStudio2005 : public CXTPTabPaintManager::CAppearanceSetPropertyPage2003
{
public:
    CAppearanceSetVisualStudio2005() { m_bButtonsReverseZOrder = TRUE; }
    // The overlapping tabs need only half the 2003 room for their slant.
    void RefreshMetrics() override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
};

class CXTPTabPaintManager::CAppearanceSetStateButtons : public CXTPTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetStateButtons()
    {
        m_rcHeaderMargin.SetRect(2, 2, 4, 2);
        m_nRowMargin = 0;
    }
    CRect FillClient(CDC* pDC, CXTPTabManager* pManager) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetDefaultColorSet() override { return xtpTabColorVisualStudio; }
};

class CXTPTabPaintManager::CAppearanceSetVisualStudio : public CXTPTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetVisualStudio() { m_rcHeaderMargin.SetRect(4, 2, 4, 0); }
    CRect FillClient(CDC* pDC, CXTPTabManager* pManager) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 7; }
    int GetDefaultColorSet() override { return xtpTabColorVisualStudio; }
};

class CXTPTabPaintManager::CAppearanceSetExcel : public CXTPTabPaintManager::CAppearanceSetFlat
{
public:
    void RefreshMetrics() override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
};

class CXTPTabPaintManager::CAppearanceSetVisio : public CXTPTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetVisio() = default;
    CRect GetHeaderRect(CRect rc, CXTPTabManager* pManager) override;
    CRect GetClientRect(CRect rc, CXTPTabManager* pManager) override;
    CRect FillClient(CDC* pDC, CXTPTabManager* pManager) override;
    void RepositionTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcClient) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 5; }

private:
    void DrawBar(CDC* pDC, CXTPTabManagerItem* pItem);
};
