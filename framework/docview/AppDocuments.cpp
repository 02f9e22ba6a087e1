// The application's document side: its templates, the new-document command
// and the shell command of its command line.
#include "framework/windows/CWinApp.h"

#include <shellapi.h>

#include "framework/docview/CCommandLineInfo.h"
#include "framework/docview/CDocManager.h"
#include "resources/FrameworkIds.h"

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager != nullptr ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    return m_pDocManager->GetNextDocTemplate(pos);
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileNew();
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr) {
        rCmdInfo.ParseParam(nullptr, FALSE, TRUE);
        return;
    }
    // argv[0] is the program itself.
    for (int i = 1; i < argc; ++i) {
        LPCWSTR param = argv[i];
        BOOL bFlag = param[0] == L'/' || param[0] == L'-';
        rCmdInfo.ParseParam(bFlag ? param + 1 : param, bFlag, i == argc - 1);
    }
    if (argc <= 1)
        rCmdInfo.ParseParam(nullptr, FALSE, TRUE);
    LocalFree(argv);
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    if (rCmdInfo.m_nShellCommand != CCommandLineInfo::FileNew)
        return FALSE;
    // A handler of the application's own comes first.
    if (!OnCmdMsg(ID_FILE_NEW, 0, nullptr, nullptr))
        OnFileNew();
    return m_pMainWnd != nullptr;
}
