// Loads the toolkit's own resources from the toolkit's resource module when
// it holds them, else from the application's resources.
#pragma once
#include <windows.h>
#include "framework/core/CNoTrackObject.h"
#include "framework/text/CString.h"

class CMenu;
class CBitmap;
class CXTPCommandBar;

class CXTPResourceManager : public CNoTrackObject
{
public:
    CXTPResourceManager();
    ~CXTPResourceManager() override;

    virtual BOOL LoadString(CString* pString, UINT nIDResource);
    virtual BOOL LoadMenu(CMenu* pMenu, UINT nIDResource);
    // Fills the bar from the toolbar resource of the toolkit's module.
    virtual BOOL LoadToolBar(CXTPCommandBar* pToolBar, UINT nIDResource);
    virtual BOOL LoadBitmap(CBitmap* pBitmap, UINT nIDResource);
    virtual HCURSOR LoadCursor(UINT nIDResource);
    // The locked dialog template, or null.
    virtual LPCDLGTEMPLATE LoadDialogTemplate(UINT nIDResource);
    // The dialog resource found first in the toolkit's module, then in the
    // application's; null when neither has it.
    virtual HRSRC LoadDialogResource(UINT nIDResource, HMODULE* phModule = nullptr);
    // Frees the resource module this manager holds, if any.
    virtual void Close();

    // Shows the string in the application's message box.
    int ShowMessageBox(UINT nIDPrompt, UINT nType = MB_OK);

    BOOL IsValid() const { return m_bValid; }

protected:
    BOOL m_bValid;
    HMODULE m_hResourceFile;
};

// The process-wide resource manager, made on first use.
CXTPResourceManager* XTPGetResourceManager();
