// Toolkit resources come from the toolkit's resource module when it holds
// them and from the application otherwise.
#include <gtest/gtest.h>
#include "framework/gdi/CBitmap.h"
#include "framework/windows/CMenu.h"
#include "framework/core/ModuleState.h"
#include "resources/FrameworkIds.h"
#include "resources/ToolkitCommonIds.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/common/resources/XTPResourceModule.h"

namespace {

// The first id in the range that the module has as a resource of the type
// and the program has not.
UINT FindOnlyIn(HMODULE module, LPCWSTR type, UINT first, UINT last)
{
    HMODULE program = GetModuleHandleW(nullptr);
    for (UINT id = first; id <= last; id++)
    {
        UINT block = type == RT_STRING ? (id >> 4) + 1 : id;
        WCHAR text[2];
        bool inModule = type == RT_STRING ? LoadStringW(module, id, text, 2) > 0
                                          : FindResourceW(module, MAKEINTRESOURCEW(block), type) != nullptr;
        bool inProgram = FindResourceW(program, MAKEINTRESOURCEW(block), type) != nullptr;
        if (inModule && !inProgram)
            return id;
    }
    return 0;
}

// Uses the common-controls library as the toolkit's resource module.
class ResourceModuleScope
{
public:
    ResourceModuleScope() : module(GetModuleHandleW(L"comctl32.dll")) { XTPSetResourceModule(module); }
    ~ResourceModuleScope() { XTPSetResourceModule(nullptr); }
    HMODULE module;
};

} // namespace

TEST(ResourceManager, WithoutModuleEverythingComesFromTheApplication)
{
    ASSERT_EQ(nullptr, XTPGetResourceModule());
    CXTPResourceManager* manager = XTPGetResourceManager();
    CString text;
    EXPECT_TRUE(manager->LoadString(&text, AFX_IDS_IDLEMESSAGE));
    EXPECT_STREQ(L"Fertig", text);
    EXPECT_FALSE(manager->LoadString(&text, 0x7FF0));

    HCURSOR cursor = manager->LoadCursor(XTP_IDC_DRAGCOPY);
    ASSERT_NE(nullptr, cursor);
    EXPECT_EQ(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(XTP_IDC_DRAGCOPY)), cursor);
    EXPECT_EQ(nullptr, manager->LoadCursor(4711));

    CBitmap bitmap;
    EXPECT_FALSE(manager->LoadBitmap(&bitmap, 4711));
    CMenu menu;
    EXPECT_FALSE(manager->LoadMenu(&menu, 4711));
    EXPECT_EQ(nullptr, manager->LoadDialogResource(4711));
    EXPECT_EQ(nullptr, manager->LoadDialogTemplate(4711));
    EXPECT_EQ(AfxGetInstanceHandle(), AfxGetResourceHandle()) << "no switch left behind";
}

TEST(ResourceManager, ModuleResourcesFirstApplicationResourcesStillFound)
{
    ResourceModuleScope scope;
    ASSERT_NE(nullptr, scope.module);
    CXTPResourceManager* manager = XTPGetResourceManager();
    HINSTANCE before = AfxGetResourceHandle();

    // Present only in the application.
    CString text;
    EXPECT_TRUE(manager->LoadString(&text, AFX_IDS_IDLEMESSAGE));
    EXPECT_STREQ(L"Fertig", text);
    EXPECT_NE(nullptr, manager->LoadCursor(XTP_IDC_HAND));

    // Present only in the module.
    UINT stringId = FindOnlyIn(scope.module, RT_STRING, 1, 0x3000);
    ASSERT_NE(0u, stringId);
    WCHAR expected[512] = L"";
    LoadStringW(scope.module, stringId, expected, 512);
    EXPECT_TRUE(manager->LoadString(&text, stringId));
    EXPECT_STREQ(expected, text);

    UINT bitmapId = FindOnlyIn(scope.module, RT_BITMAP, 1, 0x1000);
    if (bitmapId != 0)
    {
        CBitmap bitmap;
        EXPECT_TRUE(manager->LoadBitmap(&bitmap, bitmapId));
    }
    UINT dialogId = FindOnlyIn(scope.module, RT_DIALOG, 1, 0x1000);
    if (dialogId != 0)
    {
        EXPECT_EQ(FindResourceW(scope.module, MAKEINTRESOURCEW(dialogId), RT_DIALOG),
                  manager->LoadDialogResource(dialogId));
        EXPECT_NE(nullptr, manager->LoadDialogTemplate(dialogId));
    }
    EXPECT_EQ(before, AfxGetResourceHandle()) << "the switch ends with each load";
}
