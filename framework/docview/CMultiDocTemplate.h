// The template of a program with many documents, each in a frame of its
// own; the frames share the template's menu and accelerators (loaded from
// the resource id).
#pragma once
#include "framework/collections/CPtrList.h"
#include "framework/docview/CDocTemplate.h"

class CMultiDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CMultiDocTemplate)

public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
    ~CMultiDocTemplate() override;

    HMENU m_hMenuShared = nullptr;
    HACCEL m_hAccelTable = nullptr;

    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    // Documents are not read from files: a path answers null.
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    // The document name and a running number: "Name1", "Name2", ...
    void SetDefaultTitle(CDocument* pDocument) override;

protected:
    CPtrList m_docList;
    UINT m_nUntitledCount = 0;
};
