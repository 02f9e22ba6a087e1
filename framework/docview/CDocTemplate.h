// What ties a kind of document to the frame and view that show it: the
// three run-time classes and one resource id, whose string holds the
// template's names ("window title\ndoc name\nnew-file name\nfilter
// name\nfilter extension\nfile type id\nfile type name").
#pragma once
#include "framework/collections/CollectionHelpers.h"
#include "framework/core/CCmdTarget.h"
#include "framework/text/CString.h"

struct CRuntimeClass;
class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)

public:
    enum DocStringIndex
    {
        windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName
    };

    ~CDocTemplate() override;

    UINT GetResourceId() const { return m_nIDResource; }
    // One part of the resource string; FALSE (and empty) when it has none.
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    // A new object of the document class, added to this template; null
    // when the class cannot be created or is no document.
    virtual CDocument* CreateNewDocument();
    // A new frame loaded from the resource id, whose creation makes a view
    // of the view class for the document; null when any of it fails (the
    // frame is then gone).
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // A null path makes a new, empty document with its frame and view.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);

    // A new document in a new frame with its view, titled and made new;
    // any failure on the way leaves neither (null).
    CDocument* MakeNewDocument(CFrameWnd*& rpFrame);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
};
