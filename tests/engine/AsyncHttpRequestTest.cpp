// The asynchronous HTTP client against the scripted test server: bodies,
// status handling, stops at every stage, cookie carry-over and the limits.
#include "TestHttpServer.h"

#include <gtest/gtest.h>

#include "engine/AsyncHttpMap.h"
#include "engine/AsyncHttpRequest.h"

#include "AllocationFailure.h"

#include <thread>

namespace {

const CString PAGE = L"<html><body>Gr\u00fc\u00dfe aus K\u00f6ln</body></html>";
const CString TRICKLED(CTestHttpServer::Pattern(6000).c_str());
typedef std::vector<std::string> Values;

// Wine answers the handle count with 0: the handles are then counted by
// asking for each possible handle value.
DWORD CountProcessHandles()
{
    DWORD dwCount = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &dwCount) && dwCount > 0)
        return dwCount;
    for (ULONG_PTR nValue = 4; nValue < 0x10000; nValue += 4)
    {
        DWORD dwFlags = 0;
        dwCount += GetHandleInformation(reinterpret_cast<HANDLE>(nValue), &dwFlags) ? 1 : 0;
    }
    return dwCount;
}

class AsyncHttpRequestTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { s_server = new CTestHttpServer; }
    static void TearDownTestSuite() { delete s_server; }

    void SetUp() override
    {
        ASSERT_TRUE(s_server->IsRunning()) << "the test server did not start";
        s_server->ClearLog();
    }

    static CString Url(const wchar_t* path) { return CString(s_server->Url(path).c_str()); }

    // Sets the stop event once the server has logged `requests` requests
    // (and waited a little more, so that the client is inside its wait).
    std::thread StopWhenServed(size_t requests, DWORD settleMs)
    {
        return std::thread([this, requests, settleMs] {
            s_server->WaitForRequests(requests);
            Sleep(settleMs);  // into the phase of the transfer the test stops
            m_stopSetAt = GetTickCount();
            m_stop.SetEvent();
        });
    }

    // WinInet reports the closing of a stopped request's handles soon after.
    static bool ClosingCountReturnsTo(int nCount)
    {
        testpump::WaitUntil([&] { return GetAsyncHttpMap().GetClosingCount() <= nCount; });
        return GetAsyncHttpMap().GetClosingCount() == nCount;
    }

    static CTestHttpServer* s_server;
    CEvent m_stop{FALSE, TRUE};
    volatile DWORD m_stopSetAt = 0;
};

CTestHttpServer* AsyncHttpRequestTest::s_server = nullptr;

} // namespace

// --- bodies ---------------------------------------------------------------

TEST_F(AsyncHttpRequestTest, ReadsBodiesByteExactAndConvertsThemWithTheAnsiCodePage)
{
    CAsyncHttpRequest request(m_stop);
    ASSERT_TRUE(request.Get(Url(L"/page")));
    EXPECT_EQ(request.GetLastError(), 0);
    EXPECT_EQ(request.GetResponseText(), PAGE);
    // Several kilobytes arriving in pieces, read in chunks of 255 bytes.
    ASSERT_TRUE(request.Get(Url(L"/trickle")));
    EXPECT_TRUE(request.GetResponseText() == TRICKLED);
    // Chunked, with its length given twice alike, without a reason phrase.
    ASSERT_TRUE(request.Get(Url(L"/chunked")));
    EXPECT_TRUE(request.GetResponseText() == TRICKLED);
    for (const wchar_t* path : {L"/same-length-twice", L"/no-reason-phrase"})
    {
        ASSERT_TRUE(request.Get(Url(path))) << path;
        EXPECT_EQ(request.GetResponseText(), L"body text");
    }
    // A zero byte ends the text that the parsers see; the body keeps it.
    ASSERT_TRUE(request.Get(Url(L"/zero-byte")));
    EXPECT_EQ(request.GetResponseText(), L"vor");
    const CArray<BYTE, BYTE>& body = request.GetBody();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(body.GetData()), size_t(body.GetSize())),
              std::string("vor\0nach\0", 9));
    // An empty body with status 200 is a success.
    ASSERT_TRUE(request.Get(Url(L"/empty")));
    EXPECT_EQ(request.GetLastError(), 0);
    EXPECT_TRUE(request.GetResponseText().IsEmpty());
}

TEST_F(AsyncHttpRequestTest, BrokenAnswersAndBodiesOverEightMegabytesFail)
{
    // Without a length the cap is met while reading; an announced length
    // over the cap is refused before reading. A page from a broken answer
    // is never handed on.
    const struct { LPCWSTR pszPath; int nError; } cases[] = {
        {L"/too-large", CAsyncHttpRequest::BodyTooLarge},
        {L"/too-large-announced", CAsyncHttpRequest::BodyTooLarge},
        {L"/cut", CAsyncHttpRequest::BodyIncomplete},
        {L"/no-status-line", CAsyncHttpRequest::BadResponse},
        {L"/blank-status-line", CAsyncHttpRequest::BadResponse},
        {L"/status-without-version", CAsyncHttpRequest::BadResponse},
        {L"/negative-length", CAsyncHttpRequest::BadResponse},
        {L"/two-lengths", CAsyncHttpRequest::BadResponse},
    };
    CAsyncHttpRequest request(m_stop);
    for (const auto& test : cases)
    {
        SCOPED_TRACE(CStringA(test.pszPath).GetString());
        ASSERT_TRUE(request.Get(Url(L"/page")));
        DWORD dwStart = GetTickCount();
        EXPECT_FALSE(request.Get(Url(test.pszPath)));
        EXPECT_EQ(request.GetLastError(), test.nError);
        EXPECT_EQ(request.GetResponseText(), PAGE) << "the text of the last success stays";
        EXPECT_TRUE(wcscmp(test.pszPath, L"/too-large-announced") != 0 || GetTickCount() - dwStart < 2000u);
    }
}

// --- the request on the wire ----------------------------------------------

TEST_F(AsyncHttpRequestTest, SendsOneKeepAliveGetToPort80)
{
    CAsyncHttpRequest request(m_stop);
    // The URL's own port is ignored.
    std::wstring url = s_server->Url(L"/cgi-bin/ds_wmd?fun=eventsbykat&key=wm_tst");
    url.insert(url.find(L'/', 7), L":8080");
    ASSERT_TRUE(request.Get(url.c_str()));
    EXPECT_EQ(request.GetResponseText(), L"list");

    std::vector<LoggedRequest> requests = s_server->Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].line, "GET /cgi-bin/ds_wmd?fun=eventsbykat&key=wm_tst HTTP/1.1");
    EXPECT_EQ(requests[0].HeaderValues("Connection"), Values{"Keep-Alive"});
    EXPECT_TRUE(requests[0].HeaderValues("Cookie").empty());
}

// --- failures -------------------------------------------------------------

TEST_F(AsyncHttpRequestTest, StatusOtherThan200AndRedirectsGive12002WithoutFollowing)
{
    CAsyncHttpRequest request(m_stop);
    ASSERT_TRUE(request.Get(Url(L"/page")));
    const CString before = request.GetResponseText();
    for (const wchar_t* path : {L"/moved301", L"/moved302", L"/moved303", L"/gone", L"/error", L"/no-such-route"})
    {
        s_server->ClearLog();
        EXPECT_FALSE(request.Get(Url(path))) << path;
        EXPECT_EQ(request.GetLastError(), 12002) << path;
        std::vector<LoggedRequest> requests = s_server->Requests();
        ASSERT_EQ(requests.size(), 1u) << path;
        EXPECT_EQ(CString(requests[0].line.c_str()), L"GET " + CString(path) + L" HTTP/1.1");
        EXPECT_TRUE(request.GetResponseText() == before) << path;
    }
}

TEST_F(AsyncHttpRequestTest, UnparsableUrlGives12005WithoutNetworkActivity)
{
    CAsyncHttpRequest request(m_stop);
    for (const wchar_t* url : {L"not a url", L"", L"http://", L"://nohost/x"})
    {
        EXPECT_FALSE(request.Get(url)) << url;
        EXPECT_EQ(request.GetLastError(), 12005) << url;
    }
    EXPECT_TRUE(s_server->Requests().empty());
}

TEST_F(AsyncHttpRequestTest, AllocationFailuresEndTheRequestWithOutOfMemory)
{
    CAsyncHttpRequest request(m_stop);
    ASSERT_TRUE(request.Get(Url(L"/page")));
    const int nClosing = GetAsyncHttpMap().GetClosingCount();
    const CString strUrl = Url(L"/trickle");
    for (int nAllocation = 1;; ++nAllocation)
    {
        SCOPED_TRACE(nAllocation);
        BOOL bResult = FALSE;
        bool bRefused = false;
        bool bEscaped = false;
        {
            CFailingAllocations failing(nAllocation);
            try { bResult = request.Get(strUrl); } catch (...) { bEscaped = true; }
            bRefused = failing.Refused();
        }
        ASSERT_FALSE(bEscaped);
        if (!bRefused)
        {
            EXPECT_TRUE(bResult);
            break;
        }
        EXPECT_TRUE(bResult || request.GetLastError() == ERROR_NOT_ENOUGH_MEMORY) << request.GetLastError();
        EXPECT_TRUE(bResult || request.GetResponseText() == PAGE);
        EXPECT_EQ(GetAsyncHttpMap().GetClosingCount(), nClosing);
    }
    EXPECT_TRUE(request.GetResponseText() == TRICKLED);
}

TEST_F(AsyncHttpRequestTest, RefusedConnectionFailsAndTheNextRequestWorks)
{
    CAsyncHttpRequest request(m_stop);
    ASSERT_TRUE(request.Get(Url(L"/page")));
    EXPECT_FALSE(request.Get(s_server->RefusingUrl(L"/page").c_str()));
    // The refusal arrives with the send's completion, whose error is not
    // examined: there is then no status to read.
    EXPECT_EQ(request.GetLastError(), 12002);
    EXPECT_EQ(request.GetResponseText(), PAGE);
    EXPECT_TRUE(request.Get(Url(L"/page")));
}

// --- stopping -------------------------------------------------------------

TEST_F(AsyncHttpRequestTest, StopSetBeforeTheRequestSendsNothing)
{
    CAsyncHttpRequest request(m_stop);
    m_stop.SetEvent();
    EXPECT_FALSE(request.Get(Url(L"/page")));
    EXPECT_EQ(request.GetLastError(), -1);
    EXPECT_TRUE(s_server->Requests().empty());

    m_stop.ResetEvent();
    EXPECT_TRUE(request.Get(Url(L"/page")));
}

TEST_F(AsyncHttpRequestTest, StopWhileWaitingForTheAnswerOrTheBodyEndsPromptlyAndFreesEverything)
{
    // Before the status line, in a body that stalls, between pieces, and
    // while a large chunked body arrives.
    const struct { LPCWSTR pszPath; DWORD dwSettleMs; } cases[] = {
        {L"/delayed", 100}, {L"/stalled", 300}, {L"/trickle", 60}, {L"/chunked-slow", 300}, {L"/chunked-fast", 5}};
    for (const auto& test : cases)
    {
        SCOPED_TRACE(CStringA(test.pszPath).GetString());
        s_server->ClearLog();
        m_stop.ResetEvent();
        CAsyncHttpRequest request(m_stop);
        request.SetTimeout(1500);  // WinInet gives up the stopped calls soon
        const int nClosing = GetAsyncHttpMap().GetClosingCount();
        std::thread stopper = StopWhenServed(1, test.dwSettleMs);
        EXPECT_FALSE(request.Get(Url(test.pszPath)));
        DWORD dwReturnedAt = GetTickCount();
        stopper.join();
        EXPECT_EQ(request.GetLastError(), -1);
        EXPECT_LT(dwReturnedAt - m_stopSetAt, 1000u);
        EXPECT_TRUE(request.GetResponseText().IsEmpty());
        // The handles were closed at once; the read buffer goes when WinInet
        // reports their closing.
        EXPECT_TRUE(ClosingCountReturnsTo(nClosing)) << GetAsyncHttpMap().GetClosingCount() << " left";

        m_stop.ResetEvent();
        EXPECT_TRUE(request.Get(Url(L"/trickle")));
        EXPECT_TRUE(request.GetResponseText() == TRICKLED);
    }
}

TEST_F(AsyncHttpRequestTest, PollsStoppedAgainstAServerThatNeverAnswersLeakNoHandles)
{
    // A short time limit, so that WinInet gives up its blocked calls soon.
    CAsyncHttpRequest request(m_stop);
    request.SetTimeout(1500);
    auto poll = [&](int nTimes) {
        for (int i = 0; i < nTimes; ++i)
        {
            s_server->ClearLog();
            m_stop.ResetEvent();
            std::thread stopper = StopWhenServed(1, 20);
            EXPECT_FALSE(request.Get(Url(i % 2 ? L"/delayed" : L"/stalled")));
            stopper.join();
        }
    };
    poll(5);
    const int nClosing = GetAsyncHttpMap().GetClosingCount();
    EXPECT_TRUE(ClosingCountReturnsTo(0));
    const DWORD dwBefore = CountProcessHandles();
    poll(200);
    EXPECT_TRUE(ClosingCountReturnsTo(0)) << nClosing;
    // The system's worker threads that ran the blocked calls end a few
    // seconds after them.
    DWORD dwAfter = CountProcessHandles();
    testpump::WaitUntil([&] { return (dwAfter = CountProcessHandles()) <= dwBefore + 5; }, 20000);
    EXPECT_LE(dwAfter, dwBefore + 5);
    printf("process handles: %lu before 200 stopped polls, %lu after\n", dwBefore, dwAfter);
}

// --- cookies --------------------------------------------------------------

TEST_F(AsyncHttpRequestTest, CookiesOfOneResponseGoWithTheNextRequestOfTheSameObject)
{
    CAsyncHttpRequest request(m_stop);
    CAsyncHttpRequest other(m_stop);
    ASSERT_TRUE(request.Get(Url(L"/cookies")));
    EXPECT_EQ(request.GetCookie(), L"a=1; path=/;b=2;");
    ASSERT_TRUE(other.Get(Url(L"/plain")));
    EXPECT_FALSE(request.Get(Url(L"/gone")));  // a failure keeps the cookie, its own are not taken
    EXPECT_EQ(request.GetCookie(), L"a=1; path=/;b=2;");
    ASSERT_TRUE(request.Get(Url(L"/plain")));
    EXPECT_TRUE(request.GetCookie().IsEmpty());
    ASSERT_TRUE(request.Get(Url(L"/plain")));

    const Values none, both = {"a=1; path=/;b=2;"};
    const Values expected[] = {none, none, both, both, none};  // the second request is another object's
    std::vector<LoggedRequest> requests = s_server->Requests();
    ASSERT_EQ(requests.size(), 5u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(requests[i].HeaderValues("Cookie"), expected[i]) << "request " << i;

    // Header names ignore case, values are trimmed, look-alikes do not count.
    ASSERT_TRUE(request.Get(Url(L"/odd-cookies")));
    EXPECT_EQ(request.GetCookie(), L"c=3;");
}

TEST_F(AsyncHttpRequestTest, TwoThreadsFetchAtTheSameTime)
{
    // WinInet's callback threads find each request through the shared map.
    CEvent otherStop(FALSE, TRUE);
    bool bOtherOk = true;
    std::thread other([&] {
        CAsyncHttpRequest request(otherStop);
        for (int i = 0; i < 5 && bOtherOk; ++i)
            bOtherOk = request.Get(Url(L"/trickle")) && request.GetResponseText() == TRICKLED;
    });
    CAsyncHttpRequest request(m_stop);
    // No ASSERT before the join: the other thread uses this frame's locals.
    for (int i = 0; i < 10; ++i)
    {
        const bool bGot = request.Get(Url(L"/page"));
        EXPECT_TRUE(bGot);
        EXPECT_EQ(request.GetResponseText(), PAGE);
        if (!bGot || request.GetResponseText() != PAGE)
            break;
    }
    other.join();
    EXPECT_TRUE(bOtherOk);
}
