#include <gtest/gtest.h>
#include "framework/core/CInvalidArgException.h"
#include "framework/core/CMemoryException.h"
#include "framework/core/CNotSupportedException.h"
#include "framework/ole/COleException.h"
#include "framework/core/CResourceException.h"
#include "framework/text/CString.h"

#include <functional>

namespace
{
// Runs the throwing call and returns what was caught as the base class.
CException* Catch(const std::function<void()>& thrower)
{
    try {
        thrower();
    } catch (CException* e) {
        return e;
    }
    return nullptr;
}
}

TEST(Exceptions, ThrownAsPointersOfTheirOwnClass)
{
    struct Case
    {
        std::function<void()> thrower;
        CRuntimeClass* expected;
        SCODE sc;
    } cases[] = {
        {AfxThrowMemoryException, RUNTIME_CLASS(CMemoryException), E_OUTOFMEMORY},
        {AfxThrowInvalidArgException, RUNTIME_CLASS(CInvalidArgException), E_INVALIDARG},
        {AfxThrowNotSupportedException, RUNTIME_CLASS(CNotSupportedException), E_NOTIMPL},
        {AfxThrowResourceException, RUNTIME_CLASS(CResourceException), E_UNEXPECTED},
        {[] { AfxThrowOleException(E_FAIL); }, RUNTIME_CLASS(COleException), E_FAIL},
    };
    for (const Case& c : cases) {
        CException* e = Catch(c.thrower);
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->IsKindOf(c.expected)) << c.expected->m_lpszClassName;
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
        EXPECT_EQ(COleException::Process(e), c.sc) << c.expected->m_lpszClassName;
        WCHAR message[128] = L"x";
        EXPECT_TRUE(e->GetErrorMessage(message, 128));
        EXPECT_GT(wcslen(message), 3u) << c.expected->m_lpszClassName;
        e->Delete();
    }
}

TEST(Exceptions, MessagesAreCutToTheBuffer)
{
    CInvalidArgException e(FALSE);
    WCHAR small[6];
    wmemset(small, L'#', 6);
    UINT help = 99;
    EXPECT_TRUE(e.GetErrorMessage(small, 5, &help));
    EXPECT_EQ(wcslen(small), 4u);
    EXPECT_EQ(small[5], L'#');
    EXPECT_EQ(help, 0u);
    EXPECT_FALSE(e.GetErrorMessage(nullptr, 0));

    CException plain(FALSE);
    WCHAR text[8] = L"old";
    EXPECT_FALSE(plain.GetErrorMessage(text, 8));
    EXPECT_EQ(text[0], L'\0');

    // A status with a system text gives that text.
    COleException ole(E_OUTOFMEMORY, FALSE);
    WCHAR oleText[256];
    EXPECT_TRUE(ole.GetErrorMessage(oleText, 256));
    EXPECT_GT(wcslen(oleText), 0u);
    // Not auto-deleting: Delete leaves a stack object alone.
    ole.Delete();
    EXPECT_EQ(ole.m_sc, E_OUTOFMEMORY);
}

namespace
{
int g_probesAlive = 0;

class CProbeException : public CException
{
public:
    CProbeException() { ++g_probesAlive; }
    ~CProbeException() override { --g_probesAlive; }
};
}

TEST(Exceptions, HandlerBlocksFreeTheCaughtException)
{
    g_probesAlive = 0;
    bool caught = false;
    TRY
    {
        throw new CProbeException;
    }
    CATCH(CMemoryException, e)
    {
        ADD_FAILURE() << "wrong handler";
    }
    AND_CATCH(CException, e)
    {
        caught = e != nullptr && g_probesAlive == 1;
    }
    END_CATCH
    EXPECT_TRUE(caught);
    EXPECT_EQ(g_probesAlive, 0);

    // A rethrown exception survives its first handler and is freed by the outer one.
    TRY
    {
        TRY
        {
            throw new CProbeException;
        }
        CATCH_ALL(e)
        {
            THROW_LAST();
        }
        END_CATCH_ALL
    }
    CATCH_ALL(e)
    {
        EXPECT_EQ(g_probesAlive, 1);
    }
    END_CATCH_ALL
    EXPECT_EQ(g_probesAlive, 0);
}
