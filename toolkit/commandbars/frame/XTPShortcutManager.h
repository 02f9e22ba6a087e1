// The keyboard shortcuts of one command bars manager: the default table from
// the resource and the current, customizable table keys are translated with;
// key names for menus and shortcut texts of commands; the mnemonic test that
// bars and the customize sheet share.
#pragma once
#include <windows.h>
#include <map>
#include <vector>
#include "framework/controls/CEdit.h"
#include "framework/core/CCmdTarget.h"
#include "framework/text/CString.h"

class CXTPCommandBars;
class CXTPPropExchange;

class CXTPShortcutManager : public CCmdTarget
{
public:
    // Formats one entry and ranks it: plain keys before Ctrl, Alt and Shift.
    class CKeyHelper
    {
    public:
        CKeyHelper(const ACCEL* pAccel, const CXTPShortcutManager* pManager)
            : m_pAccel(pAccel)
            , m_pManager(pManager)
        {
        }
        virtual ~CKeyHelper() = default;
        CString Format() const;
        int Priority() const;

    private:
        const ACCEL* m_pAccel;
        const CXTPShortcutManager* m_pManager;
    };

    // The box in which the user presses a new combination: holding Ctrl and
    // Shift shows Ctrl+Shift, pressing F5 then keeps Ctrl+Shift+F5.
    class CKeyAssign : public CEdit
    {
    public:
        explicit CKeyAssign(CXTPShortcutManager* pManager);
        ~CKeyAssign() override;
        BOOL PreTranslateMessage(MSG* pMsg) override;
        void ResetKey();
        BOOL IsKeyDefined() const { return m_bKeyDefined; }
        ACCEL const* GetAccel() const { return &m_accel; }

    protected:
        BOOL m_bKeyDefined = FALSE;
        ACCEL m_accel = {0, 0, 0};
        CKeyHelper m_keyHelper;
        CXTPShortcutManager* m_pManager;
    };

    explicit CXTPShortcutManager(CXTPCommandBars* pCommandBars = nullptr);
    ~CXTPShortcutManager() override;

    virtual BOOL FindDefaultAccelerator(int nCmd, CString& strShortcut);
    virtual CString FormatAccel(const ACCEL* pAccel, int* pPriority = nullptr) const;
    virtual CString GetKeyName(UINT nKey) const;
    virtual BOOL IsAccelAllowed(ACCEL accel) const;
    virtual HACCEL GetAcceleratorTable() const { return m_hAccelTable; }
    virtual void Reset();

    HACCEL GetDefaultAccelerator() const { return m_hDefaultAccelTable; }
    // Whether the resource's table gives the command a key.
    BOOL HasDefaultAccelerator(int nCmd) const;
    // The key a command shows, given in strShortcut the key its caption
    // names: the current table's key (of several, the one the caption names),
    // or none when the resource gave the command a key that the user took
    // away; TRUE then. FALSE, the caption's key kept, when the accelerators
    // have no say: no key that the caption could name stands for the command.
    BOOL GetCommandShortcutText(int nCmd, CString& strShortcut);
    void SetAccelerators(UINT nIDResource);
    // Takes the entries as the current table (none for zero entries).
    // FALSE, and the table kept, when the platform cannot make the new one.
    BOOL UpdateAcceleratorTable(const ACCEL* pAccel, int nCount);
    BOOL TranslateAccelerator(HWND hWnd, LPMSG lpMsg);
    void DisableShortcuts(BOOL bDisable) { m_nDisableShortcuts += bDisable ? 1 : -1; }
    void SaveShortcuts(LPCTSTR lpszSection);
    void LoadShortcuts(LPCTSTR lpszSection);
    // The current table: one block with its count where the exchanger keeps
    // binary data, else one "Accel" section an entry.
    virtual void DoPropExchange(CXTPPropExchange* pPX);

    // TRUE when the key types the character, in either case: a letter or
    // digit key its own, any key what it types on the thread's layout or on
    // another installed one. lKeyData is the key message's; a key of unicode
    // input (VK_PACKET) brings its character there.
    static BOOL IsMnemonicKey(WCHAR ch, UINT nVirtKey, LPARAM lKeyData = 0);
    // Whether the key types a character at all.
    static BOOL IsCharacterKey(UINT nVirtKey, LPARAM lKeyData = 0);
    // The character a key of unicode input carries in the high word of its
    // key data (its Alt bit taken off while Alt is held); 0 for other keys.
    static WCHAR GetPacketCharacter(UINT nVirtKey, LPARAM lKeyData);
    // Where IsMnemonicKey learns the installed layouts (GetKeyboardLayoutList's
    // shape); answers the one it replaces. A machine may have a single layout.
    typedef int (*PFNKEYBOARDLAYOUTLIST)(int nBuffLen, HKL* lpList);
    static PFNKEYBOARDLAYOUTLIST SetKeyboardLayoutList(PFNKEYBOARDLAYOUTLIST pfnLayoutList);

    BOOL m_bAllowEscapeShortcut = FALSE;
    BOOL m_bUseSystemKeyNameText = FALSE;

protected:
    CString GetLayoutKeyName(UINT nKey) const;
    std::vector<ACCEL> GetEntries() const;
    void SetEntries(const std::vector<ACCEL>& entries);
    static void ExchangeEntry(CXTPPropExchange* pPX, ACCEL& accel);

    int m_nDisableShortcuts = 0;
    CXTPCommandBars* m_pCommandBars;
    HACCEL m_hAccelTable = nullptr;
    HACCEL m_hDefaultAccelTable = nullptr;
    std::map<UINT, CString> m_mapKeyNames;
};

// The entries of an accelerator table (empty for none).
int XTPCopyAccelTable(HACCEL hAccel, ACCEL* pAccel, int nCount);
