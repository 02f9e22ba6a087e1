#include "engine/ThreadUpdate.h"

#include "engine/AsyncHttpRequest.h"
#include "engine/OnlineCheck.h"
#include "engine/SettingsStore.h"
#include "engine/WorkerMessages.h"

#include <new>
#include <objbase.h>

CThreadUpdate::CThreadUpdate()
    : m_hNotifyWnd(nullptr)
    , m_eventStop(FALSE, TRUE)
{
    m_strName = L"CThreadUpdate";
    m_bSynchronised = TRUE;
}

void CThreadUpdate::StartUpdate()
{
    m_eventStop.ResetEvent();
    m_strUrl = CSettingsStore::GetInstance().GetInfoUrl();
    Start();
}

BOOL CThreadUpdate::IsStopped()
{
    return WaitForSingleObject(m_eventStop.m_hObject, 0) == WAIT_OBJECT_0;
}

DWORD CThreadUpdate::Run()
{
    HRESULT hrCom = CoInitialize(nullptr);
    BOOL bReplaced = FALSE;
    if (IsOnline())
    {
        try
        {
            CAsyncHttpRequest request(m_eventStop.m_hObject);
            if (request.Get(m_strUrl) && !IsStopped())
            {
                // The body as it arrived, without the one terminating zero
                // that the request appended to it.
                const CArray<BYTE, BYTE>& body = request.GetBody();
                size_t nCount = (size_t)body.GetSize();
                if (nCount > 0 && body[nCount - 1] == 0)
                    --nCount;
                bReplaced = ReplaceInfoFile(CSettingsStore::GetProgramFolder(), body.GetData(), nCount);
            }
        }
        catch (CException* e)
        {
            e->Delete();
            bReplaced = FALSE;
        }
        catch (const std::bad_alloc&)
        {
            bReplaced = FALSE;
        }
    }
    if (SUCCEEDED(hrCom))
        CoUninitialize();
    if (!IsStopped() && m_hNotifyWnd != nullptr)
        PostMessageW(m_hNotifyWnd, WM_INFOFILE_UPDATED, bReplaced ? 1 : 0, 0);
    return 0;
}

BOOL CThreadUpdate::ReplaceInfoFile(const CString& strFolder, const BYTE* pBytes, size_t nCount)
{
    const CString strNew = strFolder + L"wm-info.new";
    const CString strInfo = strFolder + L"wm-info.xml";
    try
    {
        CFile file(strNew, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        if (nCount > 0)
            file.Write(pBytes, (UINT)nCount);
        file.Close();
    }
    catch (CException* e)
    {
        // Not written completely: the old info file stays untouched.
        e->Delete();
        return FALSE;
    }
    // One step, so that the result says whether the info file was replaced.
    return MoveFileExW(strNew, strInfo, MOVEFILE_REPLACE_EXISTING) != FALSE;
}
