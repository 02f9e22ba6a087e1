// OLE data transfer: a data source offered to the clipboard and read back
// through a data object, and a drop target reached through the interface
// the system holds for its window (a real drag cannot be scripted here).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/Framework.h"
#include "tests/framework/Printers.h"
#include "support/ThreadJoin.h"

namespace
{
HGLOBAL Block(const char* text)
{
    SIZE_T size = strlen(text) + 1;
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(::GlobalLock(h), text, size);
    ::GlobalUnlock(h);
    return h;
}

std::string Read(HGLOBAL h)
{
    if (h == nullptr)
        return "<none>";
    std::string text(static_cast<const char*>(::GlobalLock(h)));
    ::GlobalUnlock(h);
    return text;
}

// Takes the block and frees it.
std::string Take(HGLOBAL h)
{
    std::string text = Read(h);
    if (h != nullptr)
        ::GlobalFree(h);
    return text;
}

class OleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        format = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(L"Tavrolin_Test_Records"));
    }
    void TearDown() override { ::OleUninitialize(); }

    CLIPFORMAT format = 0;
};

class CCountedSource : public COleDataSource
{
public:
    explicit CCountedSource(bool& gone) : m_gone(gone) {}
    ~CCountedSource() override { m_gone = true; }

private:
    bool& m_gone;
};
} // namespace

TEST_F(OleTest, ClipboardOwnsTheSourceAndHandsOutCopies)
{
    bool gone = false;
    CCountedSource* source = new CCountedSource(gone);
    HGLOBAL first = Block("erste");
    source->CacheGlobalData(format, first);
    source->CacheGlobalData(format, first); // the same block again is kept, not freed
    source->CacheGlobalData(CF_TEXT, Block("text"));
    source->SetClipboard();
    EXPECT_FALSE(gone);

    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    EXPECT_TRUE(data.IsDataAvailable(format));
    EXPECT_FALSE(data.IsDataAvailable(CF_BITMAP));
    EXPECT_EQ(Take(data.GetGlobalData(format)), "erste");
    // Each reader gets a block of its own.
    EXPECT_EQ(Take(data.GetGlobalData(format)), "erste");
    EXPECT_EQ(Take(data.GetGlobalData(CF_BITMAP)), "<none>");
    data.Release();

    // The clipboard lets go when something else takes it.
    ::OleSetClipboard(nullptr);
    EXPECT_TRUE(gone);
}

TEST_F(OleTest, ReplacingABlockKeepsTheNewestAndDataObjectsReadItDirectly)
{
    COleDataSource source;
    source.CacheGlobalData(format, Block("alt"));
    source.CacheGlobalData(format, Block("neu"));
    COleDataObject data;
    data.Attach(source.GetDataObject(TRUE));
    EXPECT_EQ(Take(data.GetGlobalData(format)), "neu");
    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(source.GetDataObject(FALSE)->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    FORMATETC listed[4];
    ULONG count = 0;
    formats->Next(4, listed, &count);
    formats->Release();
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(listed[0].cfFormat, format);
    source.Empty();
    EXPECT_FALSE(data.IsDataAvailable(format));
    data.Release();
    EXPECT_EQ(source.m_dwRef, 1);
}

namespace
{
struct Call
{
    std::string what;
    CWnd* pWnd;
    DWORD keyState;
    CPoint point;
    std::string data;
    bool operator==(const Call& o) const
    {
        return what == o.what && pWnd == o.pWnd && keyState == o.keyState && point == o.point && data == o.data;
    }
};

std::ostream& operator<<(std::ostream& os, const Call& c)
{
    return os << c.what << " wnd=" << c.pWnd << " keys=" << c.keyState << " at " << c.point.x << "," << c.point.y
              << " data=" << c.data;
}

class CRecordingTarget : public COleDropTarget
{
public:
    CLIPFORMAT format = 0;
    DROPEFFECT answer = DROPEFFECT_COPY;
    BOOL dropTaken = TRUE;
    bool throwOnOver = false;
    std::vector<Call> calls;

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pData, DWORD dwKeyState, CPoint point) override
    {
        calls.push_back({"enter", pWnd, dwKeyState, point, Take(pData->GetGlobalData(format))});
        return answer;
    }
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pData, DWORD dwKeyState, CPoint point) override
    {
        if (throwOnOver)
            AfxThrowNotSupportedException();
        calls.push_back({"over", pWnd, dwKeyState, point, pData->IsDataAvailable(format) ? "ja" : "nein"});
        return answer;
    }
    void OnDragLeave(CWnd* pWnd) override { calls.push_back({"leave", pWnd, 0, CPoint(), ""}); }
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pData, DROPEFFECT effect, CPoint point) override
    {
        calls.push_back({"drop", pWnd, effect, point, Take(pData->GetGlobalData(format))});
        return dropTaken;
    }
};

class DropTargetTest : public OleTest
{
protected:
    void SetUp() override
    {
        OleTest::SetUp();
        ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(0), L"Ziel", WS_POPUP, 100, 120, 200, 100, nullptr,
                                    nullptr));
        target.format = format;
        ASSERT_TRUE(target.Register(&window));
        // The interface the system hands drags to.
        registered = static_cast<IDropTarget*>(::GetPropW(window.m_hWnd, L"OleDropTargetInterface"));
        ASSERT_NE(registered, nullptr);
        source.CacheGlobalData(format, Block("zeilen"));
    }

    POINTL Screen(int x, int y) const { return POINTL{100 + x, 120 + y}; }

    CWnd window;
    CRecordingTarget target;
    IDropTarget* registered = nullptr;
    COleDataSource source;
};
} // namespace

TEST_F(DropTargetTest, HandlersGetTheWindowDataKeysAndClientPoint)
{
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(registered->DragEnter(source.GetDataObject(FALSE), MK_LBUTTON | MK_CONTROL, Screen(5, 6), &effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    registered->DragOver(MK_LBUTTON, Screen(7, 8), &effect);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    registered->DragLeave();
    effect = DROPEFFECT_COPY;
    registered->Drop(source.GetDataObject(FALSE), 0, Screen(9, 10), &effect);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    const std::vector<Call> expected = {
        {"enter", &window, MK_LBUTTON | MK_CONTROL, CPoint(5, 6), "zeilen"},
        {"over", &window, MK_LBUTTON, CPoint(7, 8), "ja"},
        {"leave", &window, 0, CPoint(), ""},
        {"over", &window, 0, CPoint(9, 10), "ja"},
        {"drop", &window, DROPEFFECT_COPY, CPoint(9, 10), "zeilen"},
    };
    EXPECT_EQ(target.calls, expected);
    // The drag's data is let go when it ends.
    EXPECT_EQ(source.m_dwRef, 1);
}

TEST_F(DropTargetTest, EffectsTheSourceDoesNotAllowRefusedDropsAndThrowingHandlersAnswerNone)
{
    const struct
    {
        const char* name;
        DROPEFFECT answer;
        DWORD allowed;
        BOOL taken;
        bool throws;
        DWORD expectedOver;
        DWORD expectedDrop;
    } cases[] = {
        {"move allowed", DROPEFFECT_MOVE, DROPEFFECT_COPY | DROPEFFECT_MOVE, TRUE, false, DROPEFFECT_MOVE,
         DROPEFFECT_MOVE},
        {"move not allowed", DROPEFFECT_MOVE, DROPEFFECT_COPY, TRUE, false, DROPEFFECT_NONE, DROPEFFECT_NONE},
        {"link not allowed", DROPEFFECT_LINK, DROPEFFECT_COPY | DROPEFFECT_MOVE, TRUE, false, DROPEFFECT_NONE,
         DROPEFFECT_NONE},
        {"drop refused", DROPEFFECT_COPY, DROPEFFECT_COPY, FALSE, false, DROPEFFECT_COPY, DROPEFFECT_NONE},
        {"handler throws", DROPEFFECT_COPY, DROPEFFECT_COPY, TRUE, true, DROPEFFECT_NONE, DROPEFFECT_NONE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        target.answer = c.answer;
        target.dropTaken = c.taken;
        target.throwOnOver = c.throws;
        DWORD effect = c.allowed;
        ASSERT_EQ(registered->DragEnter(source.GetDataObject(FALSE), MK_LBUTTON, Screen(1, 1), &effect), S_OK);
        effect = c.allowed;
        ASSERT_EQ(registered->DragOver(MK_LBUTTON, Screen(2, 2), &effect), S_OK);
        EXPECT_EQ(effect, c.expectedOver);
        effect = c.allowed;
        ASSERT_EQ(registered->Drop(source.GetDataObject(FALSE), 0, Screen(2, 2), &effect), S_OK);
        EXPECT_EQ(effect, c.expectedDrop);
    }
}

namespace
{
DWORD WINAPI RegisterWithoutOle(LPVOID result)
{
    CWnd wnd;
    wnd.CreateEx(0, AfxRegisterWndClass(0), L"ohne", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    COleDropTarget target;
    *static_cast<BOOL*>(result) = target.Register(&wnd);
    return 0;
}
} // namespace

TEST_F(DropTargetTest, DestroyingTheWindowRevokesAndRegisteringNeedsOle)
{
    window.DestroyWindow();
    EXPECT_EQ(target.GetRegisteredWindow(), nullptr);
    EXPECT_EQ(target.m_dwRef, 1);

    CWnd again;
    ASSERT_TRUE(again.CreateEx(0, AfxRegisterWndClass(0), L"Ziel", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    ASSERT_TRUE(target.Register(&again));
    CRecordingTarget second;
    EXPECT_FALSE(second.Register(&again));
    target.Revoke();
    EXPECT_EQ(::GetPropW(again.m_hWnd, L"OleDropTargetInterface"), nullptr);

    // A thread without OLE cannot register.
    BOOL registeredWithoutOle = TRUE;
    HANDLE thread = ::CreateThread(nullptr, 0, RegisterWithoutOle, &registeredWithoutOle, 0, nullptr);
    testthread::JoinAndClose(thread, 10000);
    EXPECT_FALSE(registeredWithoutOle);
}

TEST_F(DropTargetTest, DragWithNoButtonHeldDropsOnTheWindowUnderTheCursor)
{
    window.SetWindowPos(&CWnd::wndTopMost, 100, 120, 200, 100, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    window.UpdateWindow();
    ::SetCursorPos(100 + 30, 120 + 40);
    POINT cursor;
    ::GetCursorPos(&cursor);
    ASSERT_TRUE(cursor.x == 130 && cursor.y == 160) << "the cursor was not placed";
    target.answer = DROPEFFECT_MOVE;
    EXPECT_EQ(source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_MOVE);
    ASSERT_FALSE(target.calls.empty());
    EXPECT_EQ(target.calls.back().what, "drop");
    EXPECT_EQ(target.calls.back().point, CPoint(30, 40));
    EXPECT_EQ(target.calls.back().data, "zeilen");

    // Cancelled by the source: no effect, nothing dropped.
    target.calls.clear();
    class CCancellingSource : public COleDropSource
    {
    public:
        SCODE QueryContinueDrag(BOOL, DWORD) override { return DRAGDROP_S_CANCEL; }
    } cancelling;
    EXPECT_EQ(source.DoDragDrop(DROPEFFECT_COPY, nullptr, &cancelling), DROPEFFECT_NONE);
    for (const Call& call : target.calls)
        EXPECT_NE(call.what, "drop");
}
