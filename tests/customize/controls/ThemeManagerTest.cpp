// Shared and private themes, factories reaching their hosts, and the memory
// DC the controls paint through.
#include <gtest/gtest.h>

#include "customize/controls/ButtonTestSupport.h"
#include "framework/gdi/CClientDC.h"
#include "toolkit/controls/buttons/XTButtonThemeFactory.h"
#include "toolkit/controls/buttons/XTButtonThemeOffice2003.h"
#include "toolkit/controls/XTMemDC.h"
#include "toolkit/controls/thememanager/XTThemeManager.h"

using namespace ctltest;

namespace {

// A host that counts theme changes and can leave its factory when told.
class CCountingHost : public CXTThemeManagerStyleHost
{
public:
    CCountingHost() : CXTThemeManagerStyleHost(RUNTIME_CLASS(CXTButtonThemeFactory)) {}
    void OnThemeChanged() override
    {
        changes++;
        if (leaveWhenTold)
        {
            leaveWhenTold = false;
            SetTheme(new CXTButtonTheme);
        }
    }
    int changes = 0;
    bool leaveWhenTold = false;
};

// A theme that reports its destruction.
class CWatchedTheme : public CXTButtonThemeOfficeXP
{
public:
    explicit CWatchedTheme(bool* pAlive) : m_pAlive(pAlive) { *m_pAlive = true; }
    ~CWatchedTheme() override { *m_pAlive = false; }

private:
    bool* m_pAlive;
};

size_t FactoryCount()
{
    return XTThemeManager()->GetFactories().size();
}

} // namespace

TEST(ThemeManager, PrivateThemeDiesWithItsButtonSharedOneLives)
{
    CTestParent parent(50, 50, 200, 100);
    CXTThemeManagerStyle* pShared = nullptr;
    size_t nFactories = 0;
    {
        CXTButton first, second;
        first.Create(L"A", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 1);
        second.Create(L"B", WS_CHILD | WS_VISIBLE, CRect(60, 0, 110, 20), &parent, 2);
        pShared = first.GetTheme();
        EXPECT_EQ(pShared, second.GetTheme()) << "new buttons share one theme";
        EXPECT_EQ(0, pShared->m_nThemeID);
        nFactories = FactoryCount();

        second.SetXButtonStyle(BS_XT_XPFLAT);
        EXPECT_NE(nullptr, dynamic_cast<CXTButtonThemeOfficeXP*>(second.GetTheme()));
        EXPECT_EQ(nFactories + 1, FactoryCount()) << "a private factory for the private theme";
        EXPECT_EQ(pShared, first.GetTheme());

        // A private theme records no id: the theme colours are not for it.
        second.SetThemeColors(RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3));
        EXPECT_NE(RGB(1, 1, 1), second.GetTheme()->m_crLight.GetColor());

        first.SetXButtonStyle(BS_XT_FLAT);
        EXPECT_NE(pShared, first.GetTheme());
        first.SetXButtonStyle(0);
        EXPECT_EQ(pShared, first.GetTheme()) << "back to the shared theme";
        EXPECT_EQ(nFactories + 1, FactoryCount());
    }
    EXPECT_EQ(nFactories, FactoryCount()) << "the private factory went with its button";
    CXTButton later;
    EXPECT_EQ(pShared, later.GetTheme()) << "the shared theme outlives its buttons";
}

TEST(ThemeManager, HostThemesAndFactoryNotifications)
{
    CXTThemeManagerStyleFactory* pShared =
        XTThemeManager()->GetDefaultThemeFactory(RUNTIME_CLASS(CXTButtonThemeFactory));
    CCountingHost host, leaving;
    EXPECT_EQ(pShared, host.GetSafeThemeFactory());

    // Setting nothing while shared changes nothing.
    host.SetTheme(nullptr);
    EXPECT_EQ(0, host.changes);

    bool alive = false;
    CWatchedTheme* pTheme = new CWatchedTheme(&alive);
    host.SetTheme(pTheme);
    EXPECT_EQ(1, host.changes);
    EXPECT_TRUE(host.HasPrivateFactory());
    host.SetTheme(pTheme);
    EXPECT_TRUE(alive) << "handing the same theme again keeps it";

    // A factory's new theme reaches every host of it, also one that leaves
    // the factory when told.
    leaving.leaveWhenTold = true;
    CXTThemeManagerStyle* pOld = pShared->GetSafeTheme();
    pShared->SetTheme(new CXTButtonTheme);
    EXPECT_NE(pOld, pShared->GetSafeTheme());
    EXPECT_EQ(1, host.changes) << "a host with a private theme is not told";
    EXPECT_EQ(2, leaving.changes) << "told once, then once more for its own new theme";
    EXPECT_TRUE(leaving.HasPrivateFactory());

    host.GetSafeThemeFactory()->SetTheme(new CXTButtonTheme);
    EXPECT_FALSE(alive) << "the private factory deleted the replaced theme";
    EXPECT_EQ(2, host.changes);

    host.SetTheme(nullptr);
    EXPECT_EQ(pShared, host.GetSafeThemeFactory());
}

TEST(MemDC, FillsItsGradientAndCopiesWhenItGoes)
{
    CTestParent parent(50, 50, 200, 120);
    CClientDC dc(&parent);
    CRect rc(10, 10, 110, 60);
    {
        CXTPGradientValue back;
        back.SetStandardColors(RGB(255, 0, 0), RGB(0, 0, 255));
        CXTMemDC mem(&dc, rc, back, TRUE);
        ASSERT_TRUE(mem.IsValid());
        EXPECT_EQ(RGB(255, 0, 0), mem.GetPixel(10, 30)) << "drawn in the target's coordinates";
        EXPECT_LT(GetRValue(mem.GetPixel(109, 30)), 8);
        testshot::Image before = testshot::CaptureDC(dc, rc);
        EXPECT_NE(RGB(255, 0, 0), before.Pixel(0, 20)) << "nothing on screen yet";
    }
    testshot::Image after = testshot::CaptureDC(dc, rc);
    EXPECT_EQ(RGB(255, 0, 0), after.Pixel(0, 20));
    EXPECT_LT(GetRValue(after.Pixel(99, 20)), 8);

    CXTMemDC none(nullptr, rc);
    EXPECT_FALSE(none.IsValid());
}
