// The stored form of bars and controls through each exchanger: a toolbar
// with its popup bars comes back whole, values of later schemas stay out
// of older data, popup bars get ids for storing, and stored ids that refer
// back to a bar being linked do not make loops.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <functional>
#include <map>
#include <string>
#include "framework/files/CArchive.h"
#include "framework/files/CArchiveException.h"
#include "framework/files/CMemFile.h"
#include "toolkit/commandbars/state/XTPCommandBarList.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxList.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIconHandle.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"

namespace {

enum Backend
{
    kArchive,
    kRegistry,
    kXml,
};

const char* Name(Backend backend)
{
    return backend == kArchive ? "archive" : backend == kRegistry ? "registry" : "XML";
}

const wchar_t kTestKey[] = L"Software\\TavrolinBarExchangeTests";

class CXmlDocument : public CXTPPropExchangeXMLNode
{
public:
    CXmlDocument() : CXTPPropExchangeXMLNode(FALSE, nullptr, L"Layout") {}
    IXMLDOMDocument* Document() const { return m_xmlDocPtr; }
};

// Stores through the back end, then loads what was stored (with the
// schema given, when there is one).
void RoundTrip(Backend backend, XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParam,
               const std::function<void(CXTPPropExchange*)>& store,
               const std::function<void(CXTPPropExchange*)>& load, int nLoadSchema = 17)
{
    DWORD_PTR dwData = reinterpret_cast<DWORD_PTR>(pParam);
    if (backend == kArchive) {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            CXTPPropExchangeArchive px(ar);
            px.m_dwData = dwData;
            store(&px);
            ar.Close();
        }
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        CXTPPropExchangeArchive px(ar);
        px.m_dwData = dwData;
        load(&px);
        return;
    }
    if (backend == kRegistry) {
        SHDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
        HKEY hKey = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                                  nullptr),
                  ERROR_SUCCESS);
        {
            CXTPPropExchangeRegistry px(FALSE, hKey, L"Layout");
            px.m_dwData = dwData;
            store(&px);
        }
        {
            CXTPPropExchangeRegistry px(TRUE, hKey, L"Layout");
            px.m_dwData = dwData;
            px.m_nSchema = nLoadSchema;
            load(&px);
        }
        RegCloseKey(hKey);
        SHDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
        return;
    }
    CoInitialize(nullptr);
    CXmlDocument document;
    document.m_dwData = dwData;
    store(&document);
    ASSERT_NE(document.Document(), nullptr);
    CXTPPropExchangeXMLNode px(TRUE, document.Document(), L"Layout");
    px.m_dwData = dwData;
    px.m_nSchema = nLoadSchema;
    load(&px);
}

// A customized toolbar with every control kind, a popup bar below a popup
// control and a second one below that, and a temporary control.
struct CSampleBars
{
    CXTPCommandBars* pCommandBars = new CXTPCommandBars();
    CXTPToolBar* pToolBar = new CXTPToolBar();
    CXTPPopupBar* pPopupBar = CXTPPopupBar::CreatePopupBar(nullptr);
    CXTPPopupBar* pSubBar = CXTPPopupBar::CreatePopupBar(nullptr);

    CSampleBars()
    {
        pToolBar->SetCommandBars(pCommandBars);
        pPopupBar->SetCommandBars(pCommandBars);
        pSubBar->SetCommandBars(pCommandBars);
        pToolBar->SetBarID(100);
        pToolBar->SetTitle(L"Werkzeuge");
        pToolBar->SetFlags(XTP_BARFLAG_HIDEWRAP);
        pToolBar->SetBarStyle(0x400000);
        pToolBar->SetIconSize(CSize(24, 24));
        pToolBar->SetWidth(180);
        pToolBar->SetCloseable(FALSE);
        pToolBar->SetBuiltIn(FALSE);
        pToolBar->SetContextMenuPresent(FALSE);
        pToolBar->SetCustomizeDialogPresent(FALSE);

        CXTPControls* pControls = pToolBar->GetControls();
        auto* pButton = static_cast<CXTPControlButton*>(pControls->Add(new CXTPControlButton(), 201));
        pButton->SetCaption(L"&Öffnen");
        pButton->SetCustomCaption(L"Auf");
        pButton->SetShortcutText(L"Strg+O");
        pButton->SetTooltip(L"Öffnet");
        pButton->SetDescription(L"Öffnet eine Liste");
        pButton->SetParameter(L"p");
        pButton->SetBeginGroup(TRUE);
        pButton->SetTag(77);
        pButton->SetFlags(xtpFlagRightAlign);
        pButton->SetCategory(L"Datei");
        pButton->SetHelpId(555);
        pButton->SetStyle(xtpButtonIconAndCaption);
        pButton->SetCustomStyle(xtpButtonCaption);
        pButton->SetCloseSubMenuOnClick(FALSE);
        pButton->SetDefaultItem(TRUE);
        pButton->SetIconId(9);
        pButton->GetDocTemplatesAssigned().SetAt(5, 1);
        pButton->SetHideFlags(xtpHideGeneric);

        auto* pPopup = new CXTPControlPopup();
        pPopup->SetType(xtpControlButtonPopup);
        pControls->Add(pPopup, 202);
        pPopup->SetStyle(xtpButtonIcon);
        pPopup->SetCommandBar(pPopupBar);
        pPopupBar->SetTearOffPopup(L"Abreißen", 900, 150);
        pPopupBar->SetBorders(CRect(1, 2, 3, 4));
        pPopupBar->SetShadow(FALSE);
        pPopupBar->SetDoubleGripper(TRUE);
        pPopupBar->GetControls()->Add(new CXTPControlButton(), 301);
        auto* pSubPopup = new CXTPControlPopup();
        pSubPopup->SetType(xtpControlPopup);
        pPopupBar->GetControls()->Add(pSubPopup, 302);
        pSubPopup->SetCommandBar(pSubBar);
        pSubBar->GetControls()->Add(new CXTPControlButton(), 401);

        auto* pEdit = static_cast<CXTPControlEdit*>(pControls->Add(new CXTPControlEdit(), 203));
        pEdit->SetWidth(120);
        pEdit->ShowLabel(TRUE);
        pEdit->SetEditHint(L"Suchen");
        pEdit->SetReadOnly(TRUE);
        pEdit->SetEditStyle(0x40);
        auto* pCombo = static_cast<CXTPControlComboBox*>(pControls->Add(new CXTPControlComboBox(), 204));
        pCombo->SetWidth(150);
        pCombo->SetComboStyle(1);
        pCombo->SetDropDown(TRUE);
        pCombo->SetAutoComplete(TRUE);
        pCombo->SetDropDownItemCount(5);
        pCombo->SetEditIconId(77);
        pCombo->SetEditHint(L"Stadt");
        pCombo->SetEditStyle(ES_UPPERCASE);
        for (LPCWSTR lpszItem : {L"Berlin", L"K\u00F6ln", L""})
            pCombo->AddString(lpszItem);
        pControls->CreateInitialControls();
        pControls->Add(new CXTPControlButton(), 205, CString(), -1, TRUE);
    }
    ~CSampleBars()
    {
        pSubBar->InternalRelease();
        pPopupBar->InternalRelease();
        pToolBar->InternalRelease();
        pCommandBars->InternalRelease();
    }
    CSampleBars(const CSampleBars&) = delete;
    CSampleBars& operator=(const CSampleBars&) = delete;
};

} // namespace

namespace {

std::wstring DescribeBar(CXTPCommandBar* pBar, int nDepth);

std::wstring DescribeControls(CXTPControls* pControls, int nDepth)
{
    std::wstring text;
    for (int i = 0; pControls && i < pControls->GetCount(); i++) {
        CXTPControl* pControl = pControls->GetAt(i);
        if (pControl->IsTemporary())
            continue;
        CString line;
        int nAssigned = -1;
        pControl->GetDocTemplatesAssigned().Lookup(5, nAssigned);
        line.Format(L"\n%hs id=%d type=%d icon=%d group=%d tag=%d flags=%u hide=%u '%s' '%s' '%s' '%s' '%s' '%s' "
                    L"'%s' help=%d style=%d default=%d close=%d template5=%d",
                    pControl->GetRuntimeClass()->m_lpszClassName, pControl->GetID(), pControl->GetType(),
                    pControl->GetIconId(), pControl->GetBeginGroup(), static_cast<int>(pControl->GetTag()),
                    pControl->GetFlags(), pControl->GetHideFlags(), static_cast<LPCTSTR>(pControl->GetRawCaption()),
                    static_cast<LPCTSTR>(pControl->GetCaption()), static_cast<LPCTSTR>(pControl->GetShortcutText()),
                    static_cast<LPCTSTR>(pControl->GetTooltip()), static_cast<LPCTSTR>(pControl->GetDescription()),
                    static_cast<LPCTSTR>(pControl->GetParameter()), static_cast<LPCTSTR>(pControl->GetCategory()),
                    pControl->GetHelpId(), pControl->GetStyle(), pControl->IsDefaultItem(),
                    pControl->GetCloseSubMenuOnClick(), nAssigned);
        text += static_cast<LPCTSTR>(line);
        if (auto* pEdit = dynamic_cast<CXTPControlEdit*>(pControl)) {
            line.Format(L" width=%d label=%d hint='%s' readonly=%d editstyle=%u", pEdit->GetWidth(),
                        pEdit->GetShowLabel(), static_cast<LPCTSTR>(pEdit->GetEditHint()), pEdit->GetReadOnly(),
                        pEdit->GetEditStyle());
            text += static_cast<LPCTSTR>(line);
        }
        if (auto* pCombo = dynamic_cast<CXTPControlComboBox*>(pControl)) {
            line.Format(L" width=%d combostyle=%d dropdown=%d auto=%d rows=%d icon=%d hint='%s' editstyle=%u items=",
                        pCombo->GetWidth(), pCombo->GetComboStyle(), pCombo->GetDropDown(),
                        pCombo->GetAutoComplete(), pCombo->GetDropDownItemCount(), pCombo->GetEditIconId(),
                        static_cast<LPCTSTR>(pCombo->GetEditHint()), pCombo->GetEditStyle());
            text += static_cast<LPCTSTR>(line);
            for (int nItem = 0; nItem < pCombo->GetCount(); nItem++)
                text += L"'" + std::wstring(static_cast<LPCTSTR>(pCombo->GetListBox()->GetText(nItem))) + L"'";
        }
        if (pControl->GetCommandBar() && nDepth < 4)
            text += L" {" + DescribeBar(pControl->GetCommandBar(), nDepth + 1) + L"}";
    }
    return text;
}

std::wstring DescribeBar(CXTPCommandBar* pBar, int nDepth)
{
    CString text;
    text.Format(L"%hs type=%d position=%d flags=%u style=%u '%s' customizable=%d mru=%d icons=%dx%d",
                pBar->GetRuntimeClass()->m_lpszClassName, pBar->GetType(), pBar->GetPosition(), pBar->GetFlags(),
                pBar->GetBarStyle(), static_cast<LPCTSTR>(pBar->GetTitle()), pBar->IsCustomizable(),
                pBar->GetWidth(), pBar->GetIconSize().cx, pBar->GetIconSize().cy);
    CString more;
    if (auto* pToolBar = dynamic_cast<CXTPToolBar*>(pBar))
        more.Format(L" id=%u builtin=%d tearoff=%d closeable=%d menu=%d dialog=%d", pBar->GetBarID(),
                    pToolBar->IsBuiltIn(), pToolBar->m_bTearOff, pToolBar->IsCloseable(),
                    pToolBar->IsContextMenuPresent(), pToolBar->IsCustomizeDialogPresent());
    if (auto* pPopupBar = dynamic_cast<CXTPPopupBar*>(pBar)) {
        CRect rc = pPopupBar->GetBorders();
        more.Format(L" tearoff=%d '%s' %u %d borders=%d,%d,%d,%d shadow=%d double=%d", pPopupBar->IsTearOffPopup(),
                    static_cast<LPCTSTR>(pPopupBar->GetTearOffCaption()), pPopupBar->GetTearOffID(),
                    pPopupBar->GetTearOffWidth(), rc.left, rc.top, rc.right, rc.bottom, pPopupBar->GetShadow(),
                    pPopupBar->IsDoubleGripper());
    }
    std::wstring result = static_cast<LPCTSTR>(text + more);
    result += DescribeControls(pBar->GetControls(), nDepth);
    if (nDepth == 0)
        result += L"\noriginal:" + DescribeControls(pBar->GetControls()->GetOriginalControls(), nDepth);
    return result;
}

} // namespace

TEST(BarExchange, AToolBarWithItsPopupBarsComesBackThroughEveryExchanger)
{
    for (Backend backend : {kArchive, kRegistry, kXml}) {
        CSampleBars sample;
        XTP_COMMANDBARS_PROPEXCHANGE_PARAM param;
        param.pCommandBars = sample.pCommandBars;
        CXTPCommandBarList list;
        sample.pCommandBars->GenerateCommandBarList(&list, &param);
        DWORD nID = 0x1000000;
        sample.pToolBar->GenerateCommandBarList(nID, &list, &param);
        // The bar, its two popup bars, the combo box's list and the copies
        // its original set keeps.
        ASSERT_EQ(list.GetCount(), 7) << Name(backend);

        CXTPCommandBarList loaded;
        RoundTrip(
            backend, &param,
            [&](CXTPPropExchange* pPX) { EXPECT_TRUE(sample.pCommandBars->SaveCommandBarList(pPX, &list, &param)); },
            [&](CXTPPropExchange* pPX) { EXPECT_TRUE(sample.pCommandBars->LoadCommandBarList(pPX, &loaded)); });
        ASSERT_EQ(loaded.GetCount(), 7) << Name(backend);
        for (int i = 0; i < loaded.GetCount(); i++)
            loaded.GetAt(i)->RestoreCommandBarList(&loaded);
        EXPECT_EQ(DescribeBar(loaded.GetAt(0), 0), DescribeBar(sample.pToolBar, 0)) << Name(backend);
        EXPECT_EQ(loaded.GetAt(0)->GetBarID(), 100u) << Name(backend);
        EXPECT_EQ(loaded.GetAt(1)->GetBarID(), 0x1000000u) << Name(backend);
        EXPECT_EQ(loaded.GetAt(0)->GetControl(1)->GetCommandBar(), loaded.GetAt(1)) << Name(backend);
        EXPECT_EQ(loaded.GetAt(0)->GetCommandBars(), sample.pCommandBars) << Name(backend);
        CXTPCommandBar* pOriginalPopupBar = loaded.GetAt(0)->GetControls()->GetOriginalControls()->GetAt(1)->GetCommandBar();
        EXPECT_NE(pOriginalPopupBar, loaded.GetAt(1)) << Name(backend) << ": the original set has a copy of its own";
    }
}

TEST(BarExchange, ValuesOfLaterSchemasStayOutOfOlderData)
{
    using Check = std::function<BOOL(CXTPToolBar*, CXTPPopupBar*)>;
    auto control = [](CXTPToolBar* pBar, int nIndex) { return pBar->GetControl(nIndex); };
    auto edit = [](CXTPToolBar* pBar) { return static_cast<CXTPControlEdit*>(pBar->GetControl(2)); };
    struct Gate
    {
        const char* value;
        int minSchema;
        Check cameBack;
    } gates[] = {
        {"Category", 2, [&](CXTPToolBar* t, CXTPPopupBar*) { return control(t, 0)->GetCategory() == L"Datei"; }},
        {"IconSize", 3, [](CXTPToolBar* t, CXTPPopupBar*) { return t->GetIconSize() == CSize(24, 24); }},
        {"OriginalControls", 3,
         [](CXTPToolBar* t, CXTPPopupBar*) { return t->GetControls()->GetOriginalControls() != nullptr; }},
        {"DefaultItem", 4, [&](CXTPToolBar* t, CXTPPopupBar*) { return control(t, 0)->IsDefaultItem(); }},
        {"Borders", 4, [](CXTPToolBar*, CXTPPopupBar* p) { return p->GetBorders() == CRect(1, 2, 3, 4); }},
        {"ShowShadow", 4, [](CXTPToolBar*, CXTPPopupBar* p) { return !p->GetShadow(); }},
        {"popup Style", 5,
         [&](CXTPToolBar* t, CXTPPopupBar*) { return control(t, 1)->GetStyle() == xtpButtonIcon; }},
        {"Width of the edit", 6, [&](CXTPToolBar* t, CXTPPopupBar*) { return edit(t)->GetWidth() == 120; }},
        {"Closeable", 7, [](CXTPToolBar* t, CXTPPopupBar*) { return !t->IsCloseable(); }},
        {"CloseSubMenuOnClick", 7,
         [&](CXTPToolBar* t, CXTPPopupBar*) { return !control(t, 0)->GetCloseSubMenuOnClick(); }},
        {"ContextMenuPresent", 8, [](CXTPToolBar* t, CXTPPopupBar*) { return !t->IsContextMenuPresent(); }},
        {"CustomStyle", 8,
         [&](CXTPToolBar* t, CXTPPopupBar*) { return control(t, 0)->GetStyle() == xtpButtonCaption; }},
        {"ReadOnly", 8, [&](CXTPToolBar* t, CXTPPopupBar*) { return edit(t)->GetReadOnly(); }},
        {"DoubleGripper", 9, [](CXTPToolBar*, CXTPPopupBar* p) { return p->IsDoubleGripper(); }},
        {"EditHint", 9, [&](CXTPToolBar* t, CXTPPopupBar*) { return edit(t)->GetEditHint() == L"Suchen"; }},
        {"CustomizeDialogPresent", 17,
         [](CXTPToolBar* t, CXTPPopupBar*) { return !t->IsCustomizeDialogPresent(); }},
        {"HelpId", 17, [&](CXTPToolBar* t, CXTPPopupBar*) { return control(t, 0)->GetHelpId() == 555; }},
        {"EditStyle", 17, [&](CXTPToolBar* t, CXTPPopupBar*) { return edit(t)->GetEditStyle() == 0x40u; }},
    };
    for (Backend backend : {kRegistry, kXml}) {
        for (int nSchema : {1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 17}) {
            CSampleBars sample;
            auto* pToolBar = new CXTPToolBar();
            auto* pPopupBar = new CXTPPopupBar();
            RoundTrip(
                backend, nullptr,
                [&](CXTPPropExchange* pPX) {
                    CXTPSectionHolder bar(pPX->GetSection(L"Bar"));
                    sample.pToolBar->DoPropExchange(bar.Get());
                    CXTPSectionHolder popup(pPX->GetSection(L"Popup"));
                    sample.pPopupBar->DoPropExchange(popup.Get());
                },
                [&](CXTPPropExchange* pPX) {
                    CXTPSectionHolder bar(pPX->GetSection(L"Bar"));
                    pToolBar->DoPropExchange(bar.Get());
                    CXTPSectionHolder popup(pPX->GetSection(L"Popup"));
                    pPopupBar->DoPropExchange(popup.Get());
                },
                nSchema);
            ASSERT_EQ(pToolBar->GetControlCount(), 4) << Name(backend) << " schema " << nSchema;
            for (const Gate& gate : gates)
                EXPECT_EQ(gate.cameBack(pToolBar, pPopupBar), nSchema >= gate.minSchema)
                    << Name(backend) << " schema " << nSchema << ": " << gate.value;
            pToolBar->InternalRelease();
            pPopupBar->InternalRelease();
        }
    }
}

TEST(BarExchange, AMenuBarFromDataBeforeSchema17CannotBeClosed)
{
    struct Case
    {
        int schema;
        XTPCommandBarType type;
        BOOL closeable;
    } cases[] = {{16, xtpBarTypeMenuBar, FALSE}, {17, xtpBarTypeMenuBar, TRUE}, {16, xtpBarTypeNormal, TRUE}};
    for (const Case& c : cases) {
        auto* pStored = new CXTPToolBar();
        pStored->SetType(c.type);
        auto* pLoaded = new CXTPToolBar();
        RoundTrip(
            kRegistry, nullptr, [&](CXTPPropExchange* pPX) { pStored->DoPropExchange(pPX); },
            [&](CXTPPropExchange* pPX) { pLoaded->DoPropExchange(pPX); }, c.schema);
        EXPECT_EQ(pLoaded->IsCloseable(), c.closeable) << "schema " << c.schema << " type " << c.type;
        pStored->InternalRelease();
        pLoaded->InternalRelease();
    }
}

TEST(BarExchange, PopupBarsToStoreAreListedOnceAndNumberedFrom0x1000000)
{
    struct Case
    {
        const char* what;
        UINT initialId;
        UINT expectedId;
        UINT expectedNextId;
    } cases[] = {
        {"no id", 0, 0x1000000, 0x1000001},
        {"an id from an earlier store", 0x1000005, 0x1000000, 0x1000001},
        {"the program's own id", 7, 7, 0x1000000},
    };
    for (const Case& c : cases) {
        CXTPCommandBars* pCommandBars = new CXTPCommandBars();
        CXTPToolBar* pToolBar = new CXTPToolBar();
        pToolBar->SetCommandBars(pCommandBars);
        pToolBar->SetBarID(100);
        CXTPPopupBar* pShared = CXTPPopupBar::CreatePopupBar(pCommandBars);
        pShared->SetBarID(c.initialId);
        CXTPPopupBar* pNext = CXTPPopupBar::CreatePopupBar(pCommandBars);
        for (CXTPPopupBar* pBar : {pShared, pShared, pNext}) {
            auto* pPopup = new CXTPControlPopup();
            pPopup->SetType(xtpControlPopup);
            pToolBar->GetControls()->Add(pPopup, 500);
            pPopup->SetCommandBar(pBar);
        }
        pShared->InternalRelease();
        pNext->InternalRelease();

        CXTPCommandBarList list;
        XTP_COMMANDBARS_PROPEXCHANGE_PARAM param;
        DWORD nID = 0x1000000;
        pToolBar->GenerateCommandBarList(nID, &list, &param);
        ASSERT_EQ(list.GetCount(), 3) << c.what;
        EXPECT_EQ(list.GetAt(0)->GetBarID(), 100u) << c.what << ": a toolbar keeps its id";
        EXPECT_EQ(list.GetAt(1)->GetBarID(), c.expectedId) << c.what;
        EXPECT_EQ(list.GetAt(2)->GetBarID(), c.expectedNextId) << c.what;
        list.RemoveAll();
        pToolBar->InternalRelease();
        pCommandBars->InternalRelease();
    }
}

TEST(BarExchange, StoredPopupIdsReferringBackLinkEachBarOnceWithoutLoops)
{
    CXTPCommandBars* pCommandBars = new CXTPCommandBars();
    CXTPToolBar* pToolBar = new CXTPToolBar();
    pToolBar->SetCommandBars(pCommandBars);
    pToolBar->SetBarID(100);
    CXTPPopupBar* pFirst = CXTPPopupBar::CreatePopupBar(pCommandBars);
    CXTPPopupBar* pSecond = CXTPPopupBar::CreatePopupBar(pCommandBars);
    auto addPopup = [](CXTPCommandBar* pParent, CXTPCommandBar* pBar) {
        auto* pPopup = new CXTPControlPopup();
        pPopup->SetType(xtpControlPopup);
        pParent->GetControls()->Add(pPopup, 600);
        pPopup->SetCommandBar(pBar);
        return pPopup;
    };
    // Toolbar -> first -> second, and the second names the first and
    // itself: stored data can say anything.
    addPopup(pToolBar, pFirst);
    addPopup(pFirst, pSecond);
    CXTPControlPopup* pBack = addPopup(pSecond, pFirst);
    CXTPControlPopup* pSelf = addPopup(pSecond, pSecond);

    XTP_COMMANDBARS_PROPEXCHANGE_PARAM param;
    param.pCommandBars = pCommandBars;
    CXTPCommandBarList list;
    DWORD nID = 0x1000000;
    pToolBar->GenerateCommandBarList(nID, &list, &param);
    ASSERT_EQ(list.GetCount(), 3);
    CXTPCommandBarList loaded;
    RoundTrip(
        kArchive, &param,
        [&](CXTPPropExchange* pPX) { EXPECT_TRUE(pCommandBars->SaveCommandBarList(pPX, &list, &param)); },
        [&](CXTPPropExchange* pPX) { EXPECT_TRUE(pCommandBars->LoadCommandBarList(pPX, &loaded)); });
    pBack->SetCommandBar(nullptr);
    pSelf->SetCommandBar(nullptr);
    list.RemoveAll();
    pFirst->InternalRelease();
    pSecond->InternalRelease();
    pToolBar->InternalRelease();

    ASSERT_EQ(loaded.GetCount(), 3);
    for (int i = 0; i < loaded.GetCount(); i++)
        loaded.GetAt(i)->RestoreCommandBarList(&loaded);
    CXTPCommandBar* pLoadedFirst = loaded.GetAt(0)->GetControl(0)->GetCommandBar();
    ASSERT_EQ(pLoadedFirst, loaded.GetAt(1));
    CXTPCommandBar* pLoadedSecond = pLoadedFirst->GetControl(0)->GetCommandBar();
    ASSERT_EQ(pLoadedSecond, loaded.GetAt(2));
    EXPECT_EQ(pLoadedSecond->GetControl(0)->GetCommandBar(), nullptr) << "a bar cannot open below itself";
    EXPECT_EQ(pLoadedSecond->GetControl(1)->GetCommandBar(), nullptr);
    loaded.RemoveAll();
    pCommandBars->InternalRelease();
}

TEST(BarExchange, OriginalSetsNestedDeeperThanStoringMakesThemAreRefused)
{
    struct Case
    {
        int levels;
        BOOL loads;
    } cases[] = {{2, TRUE}, {3, TRUE}, {4, FALSE}, {12, FALSE}};
    for (const Case& c : cases) {
        // A collection whose original set has an original set, and so on.
        std::vector<CXTPControls*> chain;
        for (int i = 0; i < c.levels; i++) {
            chain.push_back(new CXTPControls());
            chain.back()->Add(new CXTPControlButton(), 700 + i);
        }
        for (int i = c.levels - 1; i > 0; i--)
            chain[static_cast<size_t>(i - 1)]->SetOriginalControls(chain[static_cast<size_t>(i)]);
        CXTPControls* pLoaded = new CXTPControls();
        BOOL bLoaded = TRUE;
        RoundTrip(
            kRegistry, nullptr, [&](CXTPPropExchange* pPX) { chain[0]->DoPropExchange(pPX); },
            [&](CXTPPropExchange* pPX) {
                try {
                    pLoaded->DoPropExchange(pPX);
                } catch (CArchiveException* pException) {
                    pException->Delete();
                    bLoaded = FALSE;
                }
            });
        EXPECT_EQ(bLoaded, c.loads) << c.levels << " levels";
        if (c.loads) {
            ASSERT_NE(pLoaded->GetOriginalControls(), nullptr);
            EXPECT_EQ(pLoaded->GetOriginalControls()->GetAt(0)->GetID(), 701);
        }
        pLoaded->InternalRelease();
        for (CXTPControls* pControls : chain)
            pControls->InternalRelease();
    }
}

TEST(BarExchange, APopupBarOpeningItselfIsCopiedToAFewLevelsOnly)
{
    CXTPCommandBars* pCommandBars = new CXTPCommandBars();
    CXTPToolBar* pToolBar = new CXTPToolBar();
    pToolBar->SetCommandBars(pCommandBars);
    CXTPPopupBar* pLoop = CXTPPopupBar::CreatePopupBar(pCommandBars);
    auto addPopup = [](CXTPCommandBar* pParent, CXTPCommandBar* pBar) {
        auto* pPopup = new CXTPControlPopup();
        pPopup->SetType(xtpControlPopup);
        pParent->GetControls()->Add(pPopup, 800);
        pPopup->SetCommandBar(pBar);
        return pPopup;
    };
    addPopup(pToolBar, pLoop);
    CXTPControlPopup* pInner = addPopup(pLoop, pLoop);

    pToolBar->GetControls()->CreateInitialControls();
    int nDepth = 0;
    CXTPCommandBar* pCopy = pToolBar->GetControls()->GetOriginalControls()->GetAt(0)->GetCommandBar();
    while (pCopy && pCopy != pLoop && nDepth < 100) {
        pCopy = pCopy->GetControl(0)->GetCommandBar();
        nDepth++;
    }
    EXPECT_EQ(pCopy, pLoop) << "the copies end by sharing the bar";
    EXPECT_GE(nDepth, 2);
    EXPECT_LE(nDepth, 40);

    pToolBar->GetControls()->SetOriginalControls(nullptr);
    pInner->SetCommandBar(nullptr);
    pLoop->InternalRelease();
    pToolBar->InternalRelease();
    pCommandBars->InternalRelease();
}

TEST(BarExchange, AListRefusedThroughTheRegistryLeavesTheCustomIconsOut)
{
    // A bar whose button has a custom icon, then a second bar.
    CXTPCommandBars* pSaving = new CXTPCommandBars();
    auto* pSavingImages = new CXTPImageManager;
    pSaving->SetImageManager(pSavingImages);
    BYTE* pBits = nullptr;
    CXTPImageManagerIconHandle hIcon;
    hIcon.AttachBitmap(XTPCreateAlphaDIB(16, 16, &pBits));
    ASSERT_NE(pBits, nullptr);
    memset(pBits, 0x80, 16 * 16 * 4);
    const UINT nIconId = pSavingImages->AddIconWithNewSet(hIcon);
    ASSERT_GT(nIconId, 0u);
    CXTPToolBar* bars[2] = {new CXTPToolBar(), new CXTPToolBar()};
    XTP_COMMANDBARS_PROPEXCHANGE_PARAM param;
    param.pCommandBars = pSaving;
    CXTPCommandBarList list;
    DWORD nID = 0x1000000;
    for (int i = 0; i < 2; i++) {
        bars[i]->SetCommandBars(pSaving);
        bars[i]->SetBarID(100 + i);
        bars[i]->GetControls()->Add(new CXTPControlButton(), 700 + i);
        bars[i]->GenerateCommandBarList(nID, &list, &param);
    }
    bars[0]->GetControl(0)->SetCustomIconId(static_cast<int>(nIconId));
    ASSERT_EQ(list.GetCount(), 2);

    const struct
    {
        const char* what;
        LPCWSTR secondClass;
        BOOL loads;
    } cases[] = {
        {"as stored", nullptr, TRUE},
        {"the second bar of no class there is", L"CNoSuchBar", FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // Loaded as a caller of the list itself does: no record on the exchanger.
        CXTPCommandBars* pLoading = new CXTPCommandBars();
        auto* pLoadingImages = new CXTPImageManager;
        pLoading->SetImageManager(pLoadingImages);
        CXTPCommandBarList loaded;
        BOOL bLoaded = -1;
        RoundTrip(
            kRegistry, nullptr,
            [&](CXTPPropExchange* pPX) { EXPECT_TRUE(pSaving->SaveCommandBarList(pPX, &list, nullptr)); },
            [&](CXTPPropExchange* pPX) {
                if (c.secondClass) {
                    CString strKey;
                    strKey.Format(L"%s\\Layout\\CommandBars\\CommandBar1", kTestKey);
                    HKEY hKey = nullptr;
                    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, strKey, 0, KEY_SET_VALUE, &hKey), ERROR_SUCCESS);
                    RegSetValueExW(hKey, L"Class", 0, REG_SZ, reinterpret_cast<const BYTE*>(c.secondClass),
                                   static_cast<DWORD>((wcslen(c.secondClass) + 1) * sizeof(wchar_t)));
                    RegCloseKey(hKey);
                }
                bLoaded = pLoading->LoadCommandBarList(pPX, &loaded);
                EXPECT_EQ(pPX->m_dwData, 0u) << "the exchanger's own record back";
            });
        EXPECT_EQ(bLoaded, c.loads);
        EXPECT_EQ(pLoadingImages->GetIconSet(nIconId) != nullptr, c.loads) << "custom icons only with the whole list";
        loaded.RemoveAll();
        pLoading->InternalRelease();
    }
    list.RemoveAll();
    for (CXTPToolBar* pBar : bars)
        pBar->InternalRelease();
    pSaving->InternalRelease();
}
