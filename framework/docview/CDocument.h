// A document: the data that one or more views show. Knows its template and
// its views; with auto-delete set (the default) it deletes itself when its
// last view goes away.
#pragma once
#include "framework/collections/CPtrList.h"
#include "framework/core/CCmdTarget.h"
#include "framework/text/CString.h"

class CDocTemplate;
class CView;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument();
    ~CDocument() override;

    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle);
    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const;

    // A fresh, empty document: contents deleted, not modified.
    virtual BOOL OnNewDocument();
    virtual void DeleteContents();
    // Leaves the template's list and deletes the document (when auto-delete).
    virtual void OnCloseDocument();

    BOOL m_bAutoDelete = TRUE;

protected:
    virtual void OnChangedViewList();

    CString m_strTitle;
    BOOL m_bModified = FALSE;
    CDocTemplate* m_pDocTemplate = nullptr;
    CPtrList m_viewList;

    friend class CDocTemplate;
};
