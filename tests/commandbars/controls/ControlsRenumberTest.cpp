// Adding and removing controls renumbers the controls from the change on:
// the ones before it are not touched, every index still equals its place.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"

namespace {

// Counts how often the collection hands it its bar.
class CCountingButton : public CXTPControlButton
{
public:
    void SetParent(CXTPCommandBar* pParent) override
    {
        ++parentSets;
        CXTPControlButton::SetParent(pParent);
    }
    int parentSets = 0;
};

class ControlsRenumber : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pControls = new CXTPControls();
        for (int i = 0; i < 10; i++)
            m_pControls->Add(new CCountingButton(), 100 + i);
    }
    void TearDown() override { m_pControls->InternalRelease(); }

    CCountingButton* At(int nIndex) { return static_cast<CCountingButton*>(m_pControls->GetAt(nIndex)); }
    void ResetCounts()
    {
        for (int i = 0; i < m_pControls->GetCount(); i++)
            At(i)->parentSets = 0;
    }
    void ExpectIndexesMatchPlaces()
    {
        for (int i = 0; i < m_pControls->GetCount(); i++)
        {
            EXPECT_EQ(i, At(i)->GetIndex());
            EXPECT_EQ(m_pControls, At(i)->GetControls());
        }
    }

    CXTPControls* m_pControls = nullptr;
};

} // namespace

TEST_F(ControlsRenumber, OnlyTheControlsFromTheChangeOn)
{
    struct Case
    {
        const char* what;
        int insertBefore; // -2: remove at removeAt instead
        int removeAt;
        int firstTouched; // controls before it keep their places untouched
    } cases[] = {
        {"append", -1, 0, 10},
        {"insert past the end appends", 50, 0, 10},
        {"insert in the middle", 4, 0, 4},
        {"insert at the front", 0, 0, 0},
        {"remove in the middle", -2, 6, 6},
        {"remove the last", -2, 9, 9},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        ResetCounts();
        if (c.insertBefore == -2)
            m_pControls->RemoveAt(c.removeAt);
        else
            m_pControls->Add(new CCountingButton(), 500, L"", c.insertBefore);
        for (int i = 0; i < c.firstTouched && i < m_pControls->GetCount(); i++)
            EXPECT_EQ(0, At(i)->parentSets) << "control " << i;
        ExpectIndexesMatchPlaces();
    }
}

TEST_F(ControlsRenumber, AppendingTouchesOnlyTheNewControl)
{
    const int kAdded = 2000;
    for (int i = 0; i < kAdded; i++)
        m_pControls->Add(new CCountingButton(), 1000 + i);
    int nSets = 0;
    for (int i = 0; i < m_pControls->GetCount(); i++)
        nSets += At(i)->parentSets;
    EXPECT_LE(nSets, 3 * m_pControls->GetCount()) << "work per added control does not grow with the list";
    ExpectIndexesMatchPlaces();
}
