// The customize dialog of the command bars: a property sheet that keeps the
// manager in customize mode while it runs and lets input reach only the
// sheet, the bars being customized and other programs' windows.
#pragma once
#include "framework/dialogs/CPropertySheet.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/customize/XTPCustomizeDialogBase.h"

class CCmdUI;
class CXTPCommandBars;
class CXTPImageManager;
class CXTPImageManagerIconHandle;
class CXTPImageManagerIconSet;
class CXTPPopupBar;
class CXTPCustomizeCommandsPage;
class CXTPCustomizeToolbarsPage;

class CXTPCustomizeSheet : public CPropertySheet, public CXTPCustomizeDialogBase
{
    DECLARE_DYNAMIC(CXTPCustomizeSheet)
public:
    // An item of the context menu: its choice goes to the sheet first.
    class CCustomizeButton : public CXTPControlButton
    {
    public:
        void OnExecute() override;
    };
    // The name item: Enter, or leaving the edit, applies the name.
    class CCustomizeEdit : public CXTPControlEdit
    {
    public:
        void OnExecute() override;
        BOOL SetSelected(int bSelected) override;
        void OnKillFocus(CWnd* pNewWnd) override;
        int GetCustomizeMinWidth() const override;

    private:
        void ApplyName();
    };

    explicit CXTPCustomizeSheet(CXTPCommandBars* pCommandBars, CWnd* pWndParent = nullptr);
    ~CXTPCustomizeSheet() override;

    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    CXTPCustomizeCommandsPage* GetCommandsPage() const { return m_pCommandsPage; }
    CXTPCustomizeToolbarsPage* GetToolbarsPage() const { return m_pToolbarsPage; }

    // A translated template from the resource module replaces the page's own.
    void AddPage(CPropertyPage* pPage);
    // IDCANCEL at once while another customize sheet runs.
    INT_PTR DoModal() override;
    // The context menu of the customize selection, tracked at the point.
    void ShowContextMenu(CPoint ptScreen) override;
    CXTPPopupBar* GetContextMenu() const { return m_pContextMenu; }
    CXTPImageManager* GetGalleryImageManager() const { return m_pGalleryImages; }
    CTabCtrl* GetTabControl() const;
    // TRUE while some customize sheet runs in the process.
    static BOOL IsRunning();

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Input filters: TRUE lets the message through.
    BOOL FilterMouse(UINT nMessage, const MOUSEHOOKSTRUCT* pInfo);
    BOOL FilterKey(UINT nVirtKey) const;
    // Whether the key, with the modifiers held now, is one the site's
    // shortcuts give to the exit command.
    BOOL IsExitKey(UINT nVirtKey) const;

protected:
    afx_msg LRESULT OnControlNotify(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopupOpening(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateReset(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAlways(CCmdUI* pCmdUI);
    afx_msg void OnUpdateHasImage(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePasteImage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateResetImage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateStyle(CCmdUI* pCmdUI);
    afx_msg void OnUpdateBeginGroup(CCmdUI* pCmdUI);
    afx_msg void OnReset();
    afx_msg void OnDelete();
    afx_msg void OnCopyImage();
    afx_msg void OnPasteImage();
    afx_msg void OnResetImage();
    afx_msg void OnEditImage();
    afx_msg void OnStyle(UINT nID);
    afx_msg void OnBeginGroup();
    DECLARE_MESSAGE_MAP()

private:
    void BuildContextMenu();
    void LoadGalleryImages();
    // The manager's customize selection, or null.
    CXTPControl* GetSelection() const;
    // Button and popup kinds: those that show an image.
    static BOOL HasImageKind(const CXTPControl* pControl);
    static UINT ImageIdOf(const CXTPControl* pControl);
    BOOL HasImage(CXTPControl* pControl) const;
    void ApplyName(CXTPControl* pNameControl);
    void ApplyGalleryImage(CXTPControl* pGalleryButton);
    // The images a set holds, without the scaled copies made from them.
    static int StoredIconCount(CXTPImageManagerIconSet* pIconSet);
    // The edited image becomes the custom icon's only image.
    static void ReplaceCustomIcon(CXTPImageManager* pImages, UINT nCustomIconId,
                                  const CXTPImageManagerIconHandle& hEdited);
    // The control's bar, and the frame that lays out docked bars.
    void RecalcParent(CXTPControl* pControl);

    // Alt+letter: the page whose tab text has that mnemonic; TRUE when found.
    BOOL ActivateMnemonicPage(UINT nVirtKey, LPARAM lKeyData = 0);
    // The customized window is, or lies inside, the foreground window, or
    // the foreground window is a floating part of it.
    BOOL IsFrameInFront(HWND hWndForeground) const;
    // Inside the customized window, or in a floating pane of it.
    BOOL IsPartOfFrame(HWND hWnd) const;
    static LRESULT CALLBACK MouseHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam);

    CXTPCustomizeToolbarsPage* m_pToolbarsPage;
    CXTPCustomizeCommandsPage* m_pCommandsPage;
    CWnd* m_pWndParent;
    CXTPCommandBars* m_pCommandBars;
    CXTPPopupBar* m_pContextMenu;
    CXTPImageManager* m_pGalleryImages;
};
