// The manager's options from XML: a command list's stored count is only a
// claim; the list ends at its first missing item.
#include <gtest/gtest.h>
#include <objbase.h>

#include <fstream>
#include <string>

#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"

TEST(OptionsStoredCount, CommandListEndsAtTheFirstMissingItem)
{
    CoInitialize(nullptr);
    struct Case
    {
        const char* count;
        bool hidden28503;
    } cases[] = {
        {"2", false},
        {"3", false},
        {"65535", false},
        {"2147483647", false},
        {"4", true}, // the third item is there, the fourth is not
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.count);
        std::string strItems = c.hidden28503 ? " Item2=\"28503\"" : "";
        std::string strXml = std::string("<?xml version=\"1.0\"?>\n<Options Schema=\"17\">") +
                             "<HiddenCommands Count=\"" + c.count + "\" Item0=\"28501\" Item1=\"28502\"" + strItems +
                             "/></Options>\n";
        wchar_t szPath[MAX_PATH];
        GetTempPathW(MAX_PATH, szPath);
        wcscat(szPath, L"tavrolin-options-count.xml");
        {
            std::ofstream file(szPath, std::ios::binary);
            file << strXml;
        }
        CXTPPropExchangeXMLNode px(TRUE, nullptr, L"Options");
        ASSERT_TRUE(px.LoadFromFile(szPath));

        CXTPCommandBars* pBars = new CXTPCommandBars();
        pBars->DoOptionsExchange(&px, FALSE);
        EXPECT_TRUE(pBars->IsCommandHidden(28501));
        EXPECT_TRUE(pBars->IsCommandHidden(28502));
        EXPECT_EQ(c.hidden28503, !!pBars->IsCommandHidden(28503));
        EXPECT_FALSE(pBars->IsCommandHidden(0)) << "no command made up for a missing item";
        pBars->InternalRelease();
        DeleteFileW(szPath);
    }
    CoUninitialize();
}
