#include "app/dialogs/OptionsDlg.h"

#include <mmsystem.h>

#include "engine/SettingsStore.h"
#include "framework/core/ModuleState.h"
#include "framework/dialogs/CDataExchange.h"
#include "resources/AppIds.h"

namespace {

UINT ClampInterval(int nInterval)
{
    if (nInterval < CSettingsStore::MinInterval)
        return CSettingsStore::MinInterval;
    if (nInterval > CSettingsStore::MaxInterval)
        return CSettingsStore::MaxInterval;
    return UINT(nInterval);
}

// The bitmap's own size, which the button shows it at.
CSize BitmapSize(UINT nID)
{
    CSize size(0, 0);
    HBITMAP hBitmap = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nID));
    BITMAP info = {};
    if (hBitmap != nullptr && ::GetObjectW(hBitmap, sizeof info, &info) == sizeof info)
        size = CSize(info.bmWidth, info.bmHeight);
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    return size;
}

} // namespace

BEGIN_MESSAGE_MAP(COptionsDlg, CDialog)
    ON_BN_CLICKED(IDC_BEEP, OnBeepClicked)
    ON_BN_CLICKED(IDC_AUTO_SCAN, OnAutoScanClicked)
    ON_BN_CLICKED(IDC_PLAY_SOUND, OnPlaySound)
END_MESSAGE_MAP()

COptionsDlg::COptionsDlg(CWnd* pParentWnd)
    : CDialog(IDD_OPTIONS, pParentWnd)
    , m_nInterval(0)
    , m_bRunAtStartup(FALSE)
    , m_bAutoScan(FALSE)
    , m_bStartMinimized(FALSE)
    , m_bFindYellow(FALSE)
    , m_bBeep(FALSE)
    , m_bOpenWeb(FALSE)
    , m_bFindTST(FALSE)
    , m_bFindResale(FALSE)
{
}

void COptionsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_INTERVAL_SPIN, m_spinInterval);
    DDX_Control(pDX, IDC_START_MINIMIZED, m_btnStartMinimized);
    DDX_Control(pDX, IDC_SOUND_PATH, m_editSound);
    DDX_Control(pDX, IDC_PLAY_SOUND, m_btnPlay);
    DDX_Text(pDX, IDC_INTERVAL, m_nInterval);
    DDV_MinMaxUInt(pDX, m_nInterval, CSettingsStore::MinInterval, CSettingsStore::MaxInterval);
    DDX_Check(pDX, IDC_RUN_AT_STARTUP, m_bRunAtStartup);
    DDX_Check(pDX, IDC_AUTO_SCAN, m_bAutoScan);
    DDX_Check(pDX, IDC_START_MINIMIZED, m_bStartMinimized);
    DDX_Check(pDX, IDC_FIND_YELLOW, m_bFindYellow);
    DDX_Check(pDX, IDC_BEEP, m_bBeep);
    DDX_Check(pDX, IDC_OPEN_WEB, m_bOpenWeb);
    DDX_Check(pDX, IDC_FIND_TST, m_bFindTST);
    DDX_Check(pDX, IDC_FIND_RESALE, m_bFindResale);
    DDX_Text(pDX, IDC_SOUND_PATH, m_strSound);
}

void COptionsDlg::LoadFromStore()
{
    const CSettingsStore& settings = CSettingsStore::GetInstance();
    m_bAutoScan = settings.AutoScan;
    m_bRunAtStartup = settings.StartWithWindows;
    m_bBeep = settings.Beep;
    m_bFindYellow = settings.FindYellow;
    m_bOpenWeb = settings.OpenWeb;
    m_bFindTST = settings.FindTST;
    m_bFindResale = settings.FindResale;
    m_bStartMinimized = settings.StartMinimized;
    m_strSound = settings.Sound;
    m_nInterval = ClampInterval(settings.Interval);
}

BOOL COptionsDlg::OnInitDialog()
{
    LoadFromStore();
    CDialog::OnInitDialog();

    m_spinInterval.SetRange32(CSettingsStore::MinInterval, CSettingsStore::MaxInterval);

    m_editSound.SetDefaultExtension(L".wav");
    CString strFilter, strPrompt;
    strFilter.LoadString(IDS_SOUND_FILTER);
    strPrompt.LoadString(IDS_SOUND_PROMPT);
    m_editSound.SetFilter(strFilter);
    m_editSound.SetFolderPrompt(strPrompt);
    m_editSound.Initialize(this, BES_XT_CHOOSEFILE);

    m_btnPlay.SetBitmap(BitmapSize(IDB_PLAY_SOUND), IDB_PLAY_SOUND);
    m_btnPlay.SetXButtonStyle(BS_XT_WINXP_COMPAT);
    m_btnPlay.Invalidate();

    UpdateData(TRUE);
    EnableSoundControls();
    EnableStartMinimized();
    return TRUE;
}

void COptionsDlg::EnableSoundControls()
{
    m_editSound.EnableWindow(m_bBeep);
    m_btnPlay.EnableWindow(m_bBeep);
}

void COptionsDlg::EnableStartMinimized()
{
    // Disabled, the box keeps its check: it is stored all the same.
    m_btnStartMinimized.EnableWindow(m_bAutoScan);
}

void COptionsDlg::OnBeepClicked()
{
    UpdateData(TRUE);
    EnableSoundControls();
}

void COptionsDlg::OnAutoScanClicked()
{
    UpdateData(TRUE);
    EnableStartMinimized();
}

void COptionsDlg::OnPlaySound()
{
    UpdateData(TRUE);
    if (m_strSound.IsEmpty())
        ::MessageBeep(0xFFFFFFFF);
    else
        ::PlaySoundW(m_strSound, nullptr, SND_FILENAME | SND_ASYNC);
}

void COptionsDlg::StoreSettings() const
{
    CSettingsStore& settings = CSettingsStore::GetInstance();
    settings.SetStartWithWindows(m_bRunAtStartup);
    settings.AutoScan = m_bAutoScan;
    settings.Beep = m_bBeep;
    settings.Interval = int(m_nInterval);
    settings.FindYellow = m_bFindYellow;
    settings.OpenWeb = m_bOpenWeb;
    settings.Sound = m_strSound;
    settings.FindTST = m_bFindTST;
    settings.FindResale = m_bFindResale;
    settings.StartMinimized = m_bStartMinimized;
    // Below 10 seconds there is no spread.
    settings.MaxDiff = int(m_nInterval / 10);
    settings.Save();
}

void COptionsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    StoreSettings();
    EndDialog(IDOK);
}
