// The info-file worker: downloads the info file once per program start and
// replaces "wm-info.xml" in the program folder.
#pragma once
#include "framework/Framework.h"
#include "engine/Thread.h"

class CThreadUpdate : public CThread
{
public:
    CThreadUpdate();

    // Takes the address from the setting "WMInfoURL" and starts the body.
    void StartUpdate();

    // Writes the bytes to "<folder>wm-info.new" and moves that over
    // "<folder>wm-info.xml" in one step; TRUE when the info file was replaced.
    // On any failure the old info file stays as it was.
    static BOOL ReplaceInfoFile(const CString& strFolder, const BYTE* pBytes, size_t nCount);

    HWND m_hNotifyWnd;  // receives WM_INFOFILE_UPDATED
    CEvent m_eventStop; // manual reset
    CString m_strUrl;

protected:
    DWORD Run() override;

private:
    BOOL IsStopped();
};
