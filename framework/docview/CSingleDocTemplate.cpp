#include "framework/docview/CSingleDocTemplate.h"

#include "framework/docview/CDocument.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CWinApp.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    // A document still open outlives its template: it must not call back.
    if (m_pOnlyDoc != nullptr)
        CDocTemplate::RemoveDocument(m_pOnlyDoc);
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc != nullptr ? reinterpret_cast<POSITION>(1) : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* pDoc = rPos == reinterpret_cast<POSITION>(1) ? m_pOnlyDoc : nullptr;
    rPos = nullptr;
    return pDoc;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    if (m_pOnlyDoc != nullptr && m_pOnlyDoc != pDoc)
        return;
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    if (lpszPathName != nullptr)
        return nullptr;
    if (m_pOnlyDoc != nullptr) {
        // The one document starts over, in the frame it has.
        CDocument* pDoc = m_pOnlyDoc;
        SetDefaultTitle(pDoc);
        return pDoc->OnNewDocument() ? pDoc : nullptr;
    }
    CFrameWnd* pFrame = nullptr;
    CDocument* pDoc = MakeNewDocument(pFrame);
    if (pDoc == nullptr)
        return nullptr;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == nullptr)
        pApp->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString title;
    if (!GetDocString(title, docName))
        title = L"Unbenannt";
    pDocument->SetTitle(title);
}
