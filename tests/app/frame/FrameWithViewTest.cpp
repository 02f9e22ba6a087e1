// The program's main frame with the program's view, made as the program
// makes them (template and ProcessShellCommand): the frame reads the view's
// match list and routes the view's commands to it.
#include <gtest/gtest.h>

#include "ProgramFrameTest.h"
#include "app/AppTestSupport.h"
#include "app/TavrolinDoc.h"
#include "app/TavrolinView.h"
#include "engine/SettingsStore.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "toolkit/report/records/XTPReportRecords.h"

using namespace frametest;

namespace {

class FrameWithView : public CProgramFrameTest
{
protected:
    FrameWithView()
        : CProgramFrameTest(L"FrameViewTestApp", L"TavrolinFrameViewTest", L"tavrolin_frameview")
    {
    }
};

} // namespace

TEST_F(FrameWithView, StartUpDumpNamesTheGamesOfTheShippedList)
{
    CDatabaseManager& database = CDatabaseManager::GetInstance();
    ASSERT_GT(database.AddOffer(COleDateTime(2006, 6, 9, 18, 0, 0), 1, 2), 0);
    database.SetContentsChanged(TRUE);
    const CString logPath = CSettingsStore::GetProgramFolder() + L"statistic.log";
    ::DeleteFileW(logPath);
    ASSERT_NO_FATAL_FAILURE(Start());
    const std::wstring log = ReadTextFile(logPath);
    // Game ids count the list's records from 0: 1 is the second match.
    for (const wchar_t* text : {L"Polen", L"Ecuador", L"Stuttgart"})
        EXPECT_NE(log.find(text), std::wstring::npos) << log;
}

TEST_F(FrameWithView, FrameWatchesWhatTheViewsSelectionCommandsChoose)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_EQ(pView->m_wndReportGames.GetRecords()->GetCount(), 64);
    // The commands come to the frame, as from its menu and accelerators.
    pFrame->SendMessage(WM_COMMAND, ID_DESELECT_ALL, 0);
    EXPECT_FALSE(pFrame->HasWatchedMatch());
    pFrame->SendMessage(WM_COMMAND, ID_SELECT_SEMI_FINALS, 0);
    EXPECT_TRUE(pFrame->HasWatchedMatch());
}
