#include "framework/docview/CMultiDocTemplate.h"

#include "framework/docview/CDocument.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CWinApp.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
    LPCWSTR name = MAKEINTRESOURCEW(nIDResource);
    m_hMenuShared = ::LoadMenuW(AfxFindResourceHandle(name, RT_MENU), name);
    m_hAccelTable = ::LoadAcceleratorsW(AfxFindResourceHandle(name, RT_ACCELERATOR), name);
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    // Documents still open outlive the template: they must not call back.
    CPtrList docs;
    docs.AddTail(&m_docList);
    for (POSITION pos = docs.GetHeadPosition(); pos != nullptr;)
        CDocTemplate::RemoveDocument(static_cast<CDocument*>(docs.GetNext(pos)));
    if (m_hMenuShared != nullptr)
        ::DestroyMenu(m_hMenuShared);
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.GetHeadPosition();
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    return static_cast<CDocument*>(m_docList.GetNext(rPos));
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    if (m_docList.Find(pDoc) != nullptr)
        return;
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (POSITION pos = m_docList.Find(pDoc))
        m_docList.RemoveAt(pos);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    if (lpszPathName != nullptr)
        return nullptr;
    CFrameWnd* pFrame = nullptr;
    CDocument* pDoc = MakeNewDocument(pFrame);
    if (pDoc == nullptr)
        return nullptr;
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString name, title;
    if (!GetDocString(name, docName))
        name = L"Unbenannt";
    title.Format(L"%s%u", static_cast<LPCTSTR>(name), ++m_nUntitledCount);
    pDocument->SetTitle(title);
}
