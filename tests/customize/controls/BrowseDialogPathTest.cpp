// The folder browser's start path at the length of its buffer: a path that
// leaves room for the terminating zero is taken whole, a longer one not at all.
#include <gtest/gtest.h>

#include "framework/text/CString.h"
#include "toolkit/controls/browse/XTBrowseDialog.h"

TEST(BrowseDialogPath, TakenWholeUpToTheBufferElseNotAtAll)
{
    CString strFolder = L"C:\\Ordner\\";
    auto PathOf = [&](int nLength) { return strFolder + CString(L'x', nLength - strFolder.GetLength()); };
    struct Case
    {
        int length;
        bool taken;
    } cases[] = {
        {MAX_PATH - 2, true},
        {MAX_PATH - 1, true},
        {MAX_PATH, false},
        {MAX_PATH + 1, false},
        {300, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.length);
        CXTBrowseDialog dialog;
        dialog.SetSelPath(L"C:\\vorher");
        CString strPath = PathOf(c.length);
        ASSERT_EQ(c.length, strPath.GetLength());
        dialog.SetSelPath(strPath);
        EXPECT_STREQ(c.taken ? static_cast<LPCTSTR>(strPath) : L"", dialog.GetSelPath());
    }
}
