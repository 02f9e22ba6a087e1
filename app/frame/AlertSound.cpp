#include "app/frame/AlertSound.h"

#include <mmsystem.h>

CAlertSound::PFNPLAYSOUND CAlertSound::s_pfnPlaySound = &::PlaySoundW;
CAlertSound::PFNMESSAGEBEEP CAlertSound::s_pfnMessageBeep = &::MessageBeep;

void CAlertSound::Play(BOOL bBeep, const CString& strSoundPath)
{
    if (!bBeep)
        return;
    if (strSoundPath.IsEmpty())
    {
        s_pfnMessageBeep(0xFFFFFFFF);
        return;
    }
    // A missing file fails silently: no beep in its place.
    s_pfnPlaySound(strSoundPath, nullptr, SND_FILENAME | SND_ASYNC);
}
