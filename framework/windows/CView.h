// A frame's main child window that draws its content in OnDraw; first in
// the frame's command routing.
#pragma once
#include "framework/windows/CWnd.h"

class CDocument;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)

public:
    CView() = default;
    ~CView() override;

    // The document the view shows (from the creation context), or null.
    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnInitialUpdate();
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    CDocument* m_pDocument = nullptr;
    friend class CDocument;

    // Views are owned by their window.
    void PostNcDestroy() override;

    // Joins the document of the creation context.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
