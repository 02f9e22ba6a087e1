// Typed record items: captions through their formats (formats from data are
// used only when safe), comparisons, and values taken from edited text.
#include <gtest/gtest.h>

#include <locale.h>

#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/records/XTPReportRecordItemDateTime.h"
#include "toolkit/report/records/XTPReportRecordItemEditOptions.h"
#include "toolkit/report/records/XTPReportRecordItemNumber.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/records/XTPReportRecordItemVariant.h"

namespace {

class TypedItems : public ::testing::Test
{
protected:
    void SetUp() override { setlocale(LC_ALL, "C"); }
};

CXTPReportRecordItemVariant Variant(LPCWSTR text)
{
    COleVariant value(text);
    return CXTPReportRecordItemVariant(value);
}

} // namespace

TEST_F(TypedItems, FormatsFromDataAreUsedOnlyWhenSafe)
{
    struct NumberCase
    {
        const wchar_t* format;
        const wchar_t* caption;
    };
    const NumberCase numbers[] = {
        {L"%.0f", L"1234"},   {L"%.2f", L"1234.40"}, {L"%8.1f EUR", L"  1234.4 EUR"},
        {L"%*f", L"1234"},    {L"%s", L"1234"},      {L"%d", L"1234"},
        {L"%f %f", L"1234"},  {L"%lf", L"1234"},     {L"100%% %.0f", L"100% 1234"},
    };
    for (const NumberCase& c : numbers)
    {
        CXTPReportRecordItemNumber item(1234.4);
        item.SetFormatString(c.format);
        EXPECT_EQ(CString(c.caption), item.GetCaption(nullptr)) << c.format;
    }

    struct TextCase
    {
        const wchar_t* format;
        const wchar_t* caption;
    };
    const TextCase texts[] = {{L"<%s>", L"<Bonn>"}, {L"%s%s", L"Bonn"}, {L"%d", L"Bonn"}, {L"%-6s|", L"Bonn  |"}};
    for (const TextCase& c : texts)
    {
        CXTPReportRecordItemText item(L"Bonn");
        item.SetFormatString(c.format);
        EXPECT_EQ(CString(c.caption), item.GetCaption(nullptr)) << c.format;
    }
    CXTPReportRecordItemVariant variant = Variant(L"Bonn");
    variant.SetFormatString(L"%s %n");
    EXPECT_EQ(CString(L"Bonn"), variant.GetCaption(nullptr));
}

TEST_F(TypedItems, DefaultDateFormat)
{
    CXTPReportRecordItemDateTime item(COleDateTime(2006, 6, 9, 18, 5, 0));
    EXPECT_EQ(CString(L"Fri Jun/09/2006 06:05 PM"), item.GetCaption(nullptr));
}

TEST_F(TypedItems, Comparisons)
{
    CXTPReportRecordItemVariant ten = Variant(L"10"), nine = Variant(L"9");
    EXPECT_EQ(-1, ten.Compare(nullptr, &nine)) << "strings compare as strings";
    ten.SetSortPriority(2);
    nine.SetSortPriority(5);
    EXPECT_EQ(-3, ten.Compare(nullptr, &nine));

    CXTPReportRecordItemNumber small(1.5), large(20.0);
    CXTPReportRecordItemText text(L"x");
    EXPECT_EQ(-1, small.Compare(nullptr, &large));
    EXPECT_EQ(1, large.Compare(nullptr, &small));
    EXPECT_EQ(0, small.Compare(nullptr, &text)) << "another class is not ordered";

    // Before the epoch DATE runs backwards in days but forwards in time.
    CXTPReportRecordItemDateTime morning(COleDateTime(-1.25)), evening(COleDateTime(-1.75));
    EXPECT_EQ(-1, morning.Compare(nullptr, &evening));
    CXTPReportRecordItemDateTime later(COleDateTime(2006, 6, 9, 0, 0, 0));
    EXPECT_EQ(1, later.Compare(nullptr, &morning));
}

TEST_F(TypedItems, ConstraintEditColumnShowsTheConstraintCaption)
{
    CXTPReportColumn column(0, L"Stadt", 100);
    column.GetEditOptions()->AddConstraint(L"Berlin", 1);
    column.GetEditOptions()->AddConstraint(L"Bonn", 3);
    column.GetEditOptions()->m_bConstraintEdit = TRUE;
    COleVariant three(3L, VT_I4), seven(7L, VT_I4);
    CXTPReportRecordItemVariant known(three), unknown(seven);
    EXPECT_EQ(CString(L"Bonn"), known.GetCaption(&column));
    EXPECT_EQ(CString(), unknown.GetCaption(&column));
    EXPECT_EQ(V_VT(&known.GetValue()), VT_I4) << "the caption converted a copy";
}

TEST_F(TypedItems, SuggestedConstraintsLeaveTheValueShown)
{
    // Constraints without the constraint-edit flag only offer values.
    CXTPReportColumn column(0, L"Stadt", 100);
    column.GetEditOptions()->AddConstraint(L"Berlin", 1);
    column.GetEditOptions()->AddConstraint(L"Bonn", 3);
    COleVariant text(L"Köln"), three(3L, VT_I4);
    CXTPReportRecordItemVariant city(text), number(three);
    EXPECT_EQ(CString(L"Köln"), city.GetCaption(&column));
    EXPECT_EQ(CString(L"3"), number.GetCaption(&column));
}

TEST_F(TypedItems, EditedTextBecomesTheValueOrIsRefused)
{
    CXTPReportRecordItemNumber number(5.0);
    number.OnEditChanged(nullptr, L"  12.5kg");
    EXPECT_EQ(12.5, number.GetValue());
    number.OnEditChanged(nullptr, L"ohne Ziffern");
    EXPECT_EQ(0.0, number.GetValue());
    number.SetValue(5.0);
    number.OnEditChanged(nullptr, L"12345678901234567890"); // 20 characters
    EXPECT_EQ(5.0, number.GetValue());

    const COleDateTime start(2006, 6, 9, 18, 0, 0);
    CXTPReportRecordItemDateTime date(start);
    date.OnEditChanged(nullptr, L"kein Datum");
    EXPECT_EQ(start.m_dt, date.GetValue().m_dt);
    EXPECT_EQ(COleDateTime::valid, date.GetValue().GetStatus());

    COleVariant number42(42L, VT_I4);
    CXTPReportRecordItemVariant variant(number42);
    variant.OnEditChanged(nullptr, L"17");
    EXPECT_EQ(VT_I4, V_VT(&variant.GetValue()));
    EXPECT_EQ(17, V_I4(&variant.GetValue()));
    variant.OnEditChanged(nullptr, L"siebzehn");
    EXPECT_EQ(17, V_I4(&variant.GetValue())) << "text that does not convert leaves the value";
}
