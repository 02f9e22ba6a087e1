// The sound at the end of a scan result that brought new offers: the sound
// file played asynchronously, the simple beep without a file, nothing with
// "Beep" off.
#pragma once
#include <windows.h>

#include "framework/text/CString.h"

class CAlertSound
{
public:
    // Replaceable so that a test counts the calls.
    typedef BOOL(WINAPI* PFNPLAYSOUND)(LPCWSTR pszSound, HMODULE hModule, DWORD fdwSound);
    typedef BOOL(WINAPI* PFNMESSAGEBEEP)(UINT uType);
    static PFNPLAYSOUND s_pfnPlaySound;
    static PFNMESSAGEBEEP s_pfnMessageBeep;

    static void Play(BOOL bBeep, const CString& strSoundPath);
};
