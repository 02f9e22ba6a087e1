// The user's options of one command bars manager.
#pragma once
#include "framework/collections/CMap.h"
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CSize.h"

class CArchive;
class CMemFile;
class CXTPCommandBars;
class CXTPPropExchange;

class CXTPCommandBarsOptions : public CCmdTarget
{
public:
    explicit CXTPCommandBarsOptions(CXTPCommandBars* pCommandBars = nullptr);
    ~CXTPCommandBarsOptions() override;

    // Every option, the paint manager's icon looks among them, through an
    // archive. A load that fails throws and leaves the options as they were.
    void Serialize(CArchive& ar) override;
    // Both directions; the basic set is what the registry keeps. Loading
    // applies the keyboard cue mode to the manager.
    void DoPropExchange(CXTPPropExchange* pPX, BOOL bBasicOnly);

    BOOL bAlwaysShowFullMenus = TRUE;
    BOOL bShowFullAfterDelay = TRUE;
    BOOL bToolBarScreenTips = TRUE;
    BOOL bToolBarAccelTips = FALSE;
    BOOL bLargeIcons = FALSE;
    BOOL bSyncFloatingBars = TRUE;
    BOOL bShowExpandButtonAlways = TRUE;
    BOOL bDblClickFloat = FALSE;
    BOOL bShowTextBelowIcons = FALSE;
    BOOL bAltDragCustomization = TRUE;
    BOOL bAutoHideUnusedPopups = TRUE;
    BOOL bDirty = FALSE;
    long animationType = 0;
    BOOL bShowPopupBarShortcuts = TRUE;
    long keyboardCuesUse = 1;
    CSize szIcons{0, 0};
    CSize szLargeIcons{0, 0};
    CSize szPopupIcons{16, 16};
    BOOL bUseNumericKeypad = FALSE;
    BOOL bSaveBits = TRUE;
    CMap<UINT, UINT, BOOL, BOOL> m_mapHiddenCommands{10};
    CMap<UINT, UINT, BOOL, BOOL> m_mapUsedCommands{10};
    long keyboardCuesShow = 0;
    // Tips for the controls of popup bars (not exchanged).
    BOOL bShowPopupBarToolTips = FALSE;

    CXTPCommandBars* m_pCommandBars;

private:
    void ExchangeThroughArchive(CMemFile& file, UINT nMode);
};
