// The asynchronous HTTP client against the scripted test server: bodies,
// status handling, stops at every stage, cookie carry-over and the limits.
#include "TestHttpServer.h"

#include <gtest/gtest.h>

#include "engine/AsyncHttpMap.h"
#include "engine/AsyncHttpRequest.h"

#include <thread>

namespace {

const char UserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 1.0.3705; "
                         ".NET CLR 1.1.4322; Media Center PC 3.1)";

CString Ansi(const std::string& bytes)
{
    return CString(bytes.c_str());
}

class AsyncHttpRequestTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { s_server = new CTestHttpServer; }
    static void TearDownTestSuite()
    {
        delete s_server;
        s_server = nullptr;
    }

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
            s_server->WaitForRequests(requests, 10000);
            Sleep(settleMs);
            m_stopSetAt = GetTickCount();
            m_stop.SetEvent();
        });
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
    EXPECT_EQ(request.GetResponseText(), L"<html><body>Gr\u00fc\u00dfe aus K\u00f6ln</body></html>");
    // Several kilobytes arriving in pieces, read in chunks of 255 bytes.
    ASSERT_TRUE(request.Get(Url(L"/trickle")));
    EXPECT_EQ(request.GetResponseText().GetLength(), 6000);
    EXPECT_TRUE(request.GetResponseText() == Ansi(CTestHttpServer::Pattern(6000)));
    // An empty body with status 200 is a success.
    ASSERT_TRUE(request.Get(Url(L"/empty")));
    EXPECT_EQ(request.GetLastError(), 0);
    EXPECT_TRUE(request.GetResponseText().IsEmpty());
}

TEST_F(AsyncHttpRequestTest, BodiesAreCappedAtEightMegabytes)
{
    // The body comes without a length and ends with the connection, so the
    // cap is met while reading.
    CAsyncHttpRequest request(m_stop);
    ASSERT_TRUE(request.Get(Url(L"/page")));
    EXPECT_FALSE(request.Get(Url(L"/too-large")));
    EXPECT_EQ(request.GetLastError(), int(CAsyncHttpRequest::BodyTooLarge));
    // The text of the last success stays.
    EXPECT_EQ(request.GetResponseText(), L"<html><body>Gr\u00fc\u00dfe aus K\u00f6ln</body></html>");
}

TEST_F(AsyncHttpRequestTest, ABodyAnnouncedOverTheCapIsNotRead)
{
    CAsyncHttpRequest request(m_stop);
    DWORD dwStart = GetTickCount();
    EXPECT_FALSE(request.Get(Url(L"/too-large-announced")));
    EXPECT_EQ(request.GetLastError(), int(CAsyncHttpRequest::BodyTooLarge));
    EXPECT_LT(GetTickCount() - dwStart, 2000u);
    EXPECT_TRUE(request.Get(Url(L"/page")));
}

TEST_F(AsyncHttpRequestTest, ABodyCutShortOfItsLengthIsAFailure)
{
    CAsyncHttpRequest request(m_stop);
    EXPECT_FALSE(request.Get(Url(L"/cut")));
    EXPECT_EQ(request.GetLastError(), int(CAsyncHttpRequest::BodyIncomplete));
}

// --- the request on the wire ----------------------------------------------

TEST_F(AsyncHttpRequestTest, SendsOneGetWithTheProgramsHeadersToPort80)
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
    ASSERT_EQ(requests[0].HeaderValues("User-Agent").size(), 1u);
    EXPECT_EQ(requests[0].HeaderValues("User-Agent")[0], UserAgent);
    ASSERT_EQ(requests[0].HeaderValues("Connection").size(), 1u);
    EXPECT_EQ(requests[0].HeaderValues("Connection")[0], "Keep-Alive");
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
        EXPECT_EQ(CString(requests[0].Path().c_str()), CString(path));
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

TEST_F(AsyncHttpRequestTest, RefusedConnectionFailsAndTheNextRequestWorks)
{
    CAsyncHttpRequest request(m_stop);
    ASSERT_TRUE(request.Get(Url(L"/page")));
    EXPECT_FALSE(request.Get(s_server->RefusingUrl(L"/page").c_str()));
    // The refusal arrives with the send's completion, whose error is not
    // examined: there is then no status to read.
    EXPECT_EQ(request.GetLastError(), 12002);
    EXPECT_EQ(request.GetResponseText(), L"<html><body>Gr\u00fc\u00dfe aus K\u00f6ln</body></html>");
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

TEST_F(AsyncHttpRequestTest, StopDuringADelayedResponseEndsPromptly)
{
    CAsyncHttpRequest request(m_stop);
    std::thread stopper = StopWhenServed(1, 100);
    EXPECT_FALSE(request.Get(Url(L"/delayed")));
    DWORD dwReturnedAt = GetTickCount();
    stopper.join();
    EXPECT_EQ(request.GetLastError(), -1);
    EXPECT_LT(dwReturnedAt - m_stopSetAt, 1000u);

    m_stop.ResetEvent();
    EXPECT_TRUE(request.Get(Url(L"/page")));
    EXPECT_EQ(request.GetResponseText(), L"<html><body>Gr\u00fc\u00dfe aus K\u00f6ln</body></html>");
}

TEST_F(AsyncHttpRequestTest, StopDuringAStalledBodyEndsPromptly)
{
    CAsyncHttpRequest request(m_stop);
    int nUnfinished = GetAsyncHttpMap().GetUnfinishedCount();
    std::thread stopper = StopWhenServed(1, 300);
    EXPECT_FALSE(request.Get(Url(L"/stalled")));
    DWORD dwReturnedAt = GetTickCount();
    stopper.join();
    EXPECT_EQ(request.GetLastError(), -1);
    EXPECT_LT(dwReturnedAt - m_stopSetAt, 1000u);
    // The read that WinInet still works on keeps its handles and buffer.
    EXPECT_EQ(GetAsyncHttpMap().GetUnfinishedCount(), nUnfinished + 1);

    m_stop.ResetEvent();
    EXPECT_TRUE(request.Get(Url(L"/trickle")));
    EXPECT_TRUE(request.GetResponseText() == Ansi(CTestHttpServer::Pattern(6000)));
}

TEST_F(AsyncHttpRequestTest, AnUnfinishedReadIsReleasedOnceItCompletes)
{
    CAsyncHttpRequest request(m_stop);
    std::thread stopper = StopWhenServed(1, 300);
    EXPECT_FALSE(request.Get(Url(L"/stalled-briefly")));
    stopper.join();
    EXPECT_EQ(request.GetLastError(), -1);
    int nUnfinished = GetAsyncHttpMap().GetUnfinishedCount();
    EXPECT_GE(nUnfinished, 1);

    // The server closes the stalled connection after a moment; after the
    // late completion the next request releases what was kept.
    m_stop.ResetEvent();
    for (int i = 0; i < 100 && GetAsyncHttpMap().GetUnfinishedCount() == nUnfinished; ++i)
    {
        EXPECT_TRUE(request.Get(Url(L"/page")));
        Sleep(30);
    }
    EXPECT_EQ(GetAsyncHttpMap().GetUnfinishedCount(), nUnfinished - 1);
}

TEST_F(AsyncHttpRequestTest, StopBetweenChunksEndsTheRead)
{
    CAsyncHttpRequest request(m_stop);
    std::thread stopper = StopWhenServed(1, 60);
    EXPECT_FALSE(request.Get(Url(L"/trickle")));
    stopper.join();
    EXPECT_EQ(request.GetLastError(), -1);
    EXPECT_TRUE(request.GetResponseText().IsEmpty());
}

// --- cookies --------------------------------------------------------------

TEST_F(AsyncHttpRequestTest, CookiesOfOneResponseGoWithTheNextRequestOfTheSameObject)
{
    CAsyncHttpRequest request(m_stop);
    CAsyncHttpRequest other(m_stop);
    ASSERT_TRUE(request.Get(Url(L"/cookies")));
    EXPECT_EQ(request.GetCookie(), L"a=1; path=/;b=2;");
    ASSERT_TRUE(other.Get(Url(L"/plain")));
    ASSERT_TRUE(request.Get(Url(L"/plain")));
    EXPECT_TRUE(request.GetCookie().IsEmpty());
    ASSERT_TRUE(request.Get(Url(L"/plain")));

    std::vector<LoggedRequest> requests = s_server->Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_TRUE(requests[0].HeaderValues("Cookie").empty());
    EXPECT_TRUE(requests[1].HeaderValues("Cookie").empty());  // another object
    ASSERT_EQ(requests[2].HeaderValues("Cookie").size(), 1u);
    EXPECT_EQ(requests[2].HeaderValues("Cookie")[0], "a=1; path=/;b=2;");
    EXPECT_TRUE(requests[3].HeaderValues("Cookie").empty());

    // Header names ignore case, values are trimmed, look-alikes do not count.
    ASSERT_TRUE(request.Get(Url(L"/odd-cookies")));
    EXPECT_EQ(request.GetCookie(), L"c=3;");
}

TEST_F(AsyncHttpRequestTest, AFailedRequestKeepsTheCookieForTheNextOne)
{
    CAsyncHttpRequest request(m_stop);
    ASSERT_TRUE(request.Get(Url(L"/cookies")));
    EXPECT_FALSE(request.Get(Url(L"/gone")));
    EXPECT_EQ(request.GetCookie(), L"a=1; path=/;b=2;");
    ASSERT_TRUE(request.Get(Url(L"/plain")));

    std::vector<LoggedRequest> requests = s_server->Requests();
    ASSERT_EQ(requests.size(), 3u);
    ASSERT_EQ(requests[2].HeaderValues("Cookie").size(), 1u);
    EXPECT_EQ(requests[2].HeaderValues("Cookie")[0], "a=1; path=/;b=2;");
}

TEST_F(AsyncHttpRequestTest, TwoThreadsFetchAtTheSameTime)
{
    // WinInet's callback threads find each request through the shared map.
    CEvent otherStop(FALSE, TRUE);
    bool bOtherOk = true;
    std::thread other([&] {
        CAsyncHttpRequest request(otherStop);
        for (int i = 0; i < 5 && bOtherOk; ++i)
            bOtherOk = request.Get(Url(L"/trickle")) && request.GetResponseText() == Ansi(CTestHttpServer::Pattern(6000));
    });
    CAsyncHttpRequest request(m_stop);
    for (int i = 0; i < 10; ++i)
    {
        ASSERT_TRUE(request.Get(Url(L"/page")));
        ASSERT_EQ(request.GetResponseText(), L"<html><body>Gr\u00fc\u00dfe aus K\u00f6ln</body></html>");
    }
    other.join();
    EXPECT_TRUE(bOtherOk);
}
