#include "framework/docview/CDocTemplate.h"

#include "framework/docview/CDocument.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CView.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

namespace {

// A new object of the class when it is of the base's kind, else null.
CObject* CreateObjectOfKind(CRuntimeClass* pClass, CRuntimeClass* pBase)
{
    CObject* pObject = pClass != nullptr ? pClass->CreateObject() : nullptr;
    if (pObject != nullptr && !pObject->IsKindOf(pBase)) {
        delete pObject;
        pObject = nullptr;
    }
    return pObject;
}

} // namespace

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
    m_strDocStrings.LoadString(nIDResource);
}

CDocTemplate::~CDocTemplate() = default;

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    rString.Empty();
    int start = 0;
    for (int part = 0; part < index; ++part) {
        start = m_strDocStrings.Find(L'\n', start);
        if (start < 0)
            return FALSE;
        ++start;
    }
    int end = m_strDocStrings.Find(L'\n', start);
    rString = end < 0 ? m_strDocStrings.Mid(start) : m_strDocStrings.Mid(start, end - start);
    return !rString.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CDocument* pDoc = static_cast<CDocument*>(CreateObjectOfKind(m_pDocClass, RUNTIME_CLASS(CDocument)));
    if (pDoc == nullptr)
        return nullptr;
    AddDocument(pDoc);
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;

    CFrameWnd* pFrame = static_cast<CFrameWnd*>(CreateObjectOfKind(m_pFrameClass, RUNTIME_CLASS(CFrameWnd)));
    if (pFrame == nullptr)
        return nullptr;
    // A frame that fails deletes itself (PostNcDestroy).
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

CDocument* CDocTemplate::MakeNewDocument(CFrameWnd*& rpFrame)
{
    rpFrame = nullptr;
    CDocument* pDoc = CreateNewDocument();
    if (pDoc == nullptr)
        return nullptr;
    // A failing frame destroys the view it made, and the view's going would
    // delete the document: keep it alive so that it is deleted here, once.
    BOOL bAutoDelete = pDoc->m_bAutoDelete;
    pDoc->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = CreateNewFrame(pDoc, nullptr);
    if (pFrame != nullptr) {
        SetDefaultTitle(pDoc);
        if (pDoc->OnNewDocument()) {
            pDoc->m_bAutoDelete = bAutoDelete;
            rpFrame = pFrame;
            return pDoc;
        }
        pFrame->DestroyWindow();
    }
    RemoveDocument(pDoc);
    delete pDoc;
    return nullptr;
}
