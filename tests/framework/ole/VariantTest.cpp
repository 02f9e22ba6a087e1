#include <gtest/gtest.h>
#include "tests/framework/Printers.h"
#include "framework/ole/COleException.h"
#include "framework/ole/COleVariant.h"

TEST(OleVariant, DatesAndStringsTakeTheirAutomationTypes)
{
    const COleVariant text(L"Halbfinale");
    EXPECT_EQ(text.vt, VT_BSTR);
    EXPECT_EQ(SysStringLen(text.bstrVal), 10u);
    const COleVariant yes(short(1), VT_BOOL);
    EXPECT_EQ(yes.boolVal, VARIANT_TRUE); // -1, not 1
    const COleVariant date(COleDateTime(2006, 7, 9, 20, 0, 0));
    EXPECT_EQ(date.vt, VT_DATE);
    EXPECT_EQ(date.date, COleDateTime(2006, 7, 9, 20, 0, 0).m_dt);
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    EXPECT_EQ(COleVariant(null).vt, VT_NULL);
}

TEST(OleVariant, CopiesAreDeepAndCompareByValue)
{
    const COleVariant original(L"Berlin");
    COleVariant copy(original);
    EXPECT_NE(copy.bstrVal, original.bstrVal);
    EXPECT_TRUE(copy == original);
    copy = L"M\u00fcnchen";
    EXPECT_FALSE(copy == original);
    EXPECT_TRUE(COleVariant(3L) == COleVariant(3L));
    EXPECT_FALSE(COleVariant(3L) == COleVariant(short(3))); // types differ
    copy = copy; // self-assignment keeps the value
    EXPECT_TRUE(copy == COleVariant(L"M\u00fcnchen"));
}

TEST(OleVariant, ChangeTypeConvertsOrThrowsKeepingTheValue)
{
    COleVariant number(L"42");
    number.ChangeType(VT_I4);
    EXPECT_EQ(number.vt, VT_I4);
    EXPECT_EQ(number.lVal, 42);

    COleVariant text(L"keine Zahl");
    SCODE sc = S_OK;
    try {
        text.ChangeType(VT_I4);
    } catch (COleException* e) {
        sc = e->m_sc;
        e->Delete();
    }
    EXPECT_EQ(sc, DISP_E_TYPEMISMATCH);
    EXPECT_TRUE(text == COleVariant(L"keine Zahl"));

    COleVariant target;
    COleVariant source(12L);
    target.ChangeType(VT_BSTR, &source);
    EXPECT_TRUE(target == COleVariant(L"12"));
}

TEST(OleVariant, AttachAndDetachMoveOwnership)
{
    VARIANT raw;
    VariantInit(&raw);
    raw.vt = VT_BSTR;
    raw.bstrVal = SysAllocString(L"Elfmeter");
    COleVariant holder;
    holder.Attach(raw);
    EXPECT_EQ(raw.vt, VT_EMPTY);
    EXPECT_EQ(holder.vt, VT_BSTR);

    VARIANT back = holder.Detach();
    EXPECT_EQ(holder.vt, VT_EMPTY);
    EXPECT_EQ(back.vt, VT_BSTR);
    EXPECT_STREQ(back.bstrVal, L"Elfmeter");
    VariantClear(&back);
}
