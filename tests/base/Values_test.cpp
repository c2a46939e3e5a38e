#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ArchiveTesting.h"
#include "kelvara/base/Enumerations.h"
#include "kelvara/base/Values.h"
#include "kelvara/schedule/CLink.h"

namespace {

template <class T>
T roundTrip(const T& value) {
    T copy(value);
    T back;
    kelvara::test::load(back, kelvara::test::store(copy));
    return back;
}

}  // namespace

TEST(ValueTypes, UnsetKeepsTheValueAndIsPartOfEquality) {
    CProjectInt i;
    EXPECT_FALSE(i.isValid());
    EXPECT_EQ(i.getValue(), 0);
    i = 5;
    EXPECT_TRUE(i.isValid());
    i.unset();
    EXPECT_FALSE(i.isValid());
    EXPECT_EQ(i.getValue(), 5);
    EXPECT_FALSE(i == CProjectInt(5));
    i.makeValid();
    EXPECT_TRUE(i == CProjectInt(5));
    EXPECT_TRUE(CProjectInt() < CProjectInt(-100)) << "unset orders before any value";

    CProjectDouble nan(std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(nan == CProjectDouble(std::numeric_limits<double>::quiet_NaN())) << "a stored NaN equals itself";
    EXPECT_TRUE(roundTrip(nan) == nan);

    CProjectTime t(1700000000123);
    t.unset();
    const CProjectTime back = roundTrip(t);
    EXPECT_FALSE(back.isValid());
    EXPECT_EQ(back.getValue(), 1700000000123);
    EXPECT_TRUE(roundTrip(CProjectDuration(-1)) == CProjectDuration(-1));
    EXPECT_TRUE(roundTrip(CProjectDate()) == CProjectDate());

    CProjectBool b(true);
    b.unset();
    EXPECT_EQ(static_cast<int>(b), 1) << "the conversion answers the value whatever the flag";
    EXPECT_FALSE(b == true);
    EXPECT_FALSE(roundTrip(b).isValid());
    EXPECT_EQ(static_cast<int>(roundTrip(b)), 1);
    b.makeValid();
    EXPECT_TRUE(b == true);
    EXPECT_EQ(static_cast<int>(CProjectBool()), 0);
}

TEST(ValueTypes, ProjectStringOperationsActOnTheTextWhateverTheFlag) {
    CProjectString s(L"Hello World");
    s.unset();
    EXPECT_FALSE(s.isValid());
    EXPECT_EQ(s.GetString(), std::wstring(L"Hello World"));
    EXPECT_EQ(s.GetLength(), 11);
    EXPECT_FALSE(s.IsEmpty());
    EXPECT_EQ(s.Compare(L"Hello World"), 0);
    EXPECT_EQ(s.CompareNoCase(CString(L"hello world")), 0);
    EXPECT_EQ(s.Find(L"World", 0), 6);
    EXPECT_EQ(s.Find(L'o', 5), 7);
    EXPECT_EQ(s.Left(5), L"Hello");
    EXPECT_EQ(CString(s), L"Hello World");

    const CProjectString joined = s + L"!";
    EXPECT_EQ(joined.getValue(), L"Hello World!");
    EXPECT_TRUE(joined.isValid());
    EXPECT_EQ((s + CProjectString(L"?")).getValue(), L"Hello World?");
    EXPECT_EQ((s + CString(L".")).getValue(), L"Hello World.");
    const IProjectString& asInterface = joined;
    EXPECT_EQ((s + asInterface).GetLength(), 23);

    EXPECT_FALSE(s == CProjectString(L"Hello World"));
    CProjectString fromInterface(static_cast<const IProjectString&>(s));
    EXPECT_TRUE(fromInterface == s);
    EXPECT_FALSE(fromInterface.isValid());

    const CProjectString back = roundTrip(s);
    EXPECT_TRUE(back == s);
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_TRUE(roundTrip(CProjectString(L"\U0001F600 non-BMP")) == CProjectString(L"\U0001F600 non-BMP"));
}

TEST(ValueTypes, ColourConvertsChannelByChannel) {
    const CProjectColorRGB orange(1.0f, 0.5f, 0.0f);
    EXPECT_EQ(static_cast<unsigned long>(orange), 0x007FFFul);
    EXPECT_EQ(orange.redInt(), 255);
    EXPECT_EQ(orange.greenInt(), 127);
    EXPECT_EQ(orange.blueInt(), 0);
    EXPECT_EQ(static_cast<unsigned long>(CProjectColorRGB(0.0f, 0.0f, 1.0f)), 0xFF0000ul);

    const CProjectColorRGB over(2.0f, -1.0f, 1.0f / 255.0f + 1e-6f);
    EXPECT_EQ(over.redInt(), 510);
    EXPECT_EQ(over.greenInt(), -255);
    EXPECT_EQ(static_cast<unsigned long>(over), 0x0101FEul) << "each channel keeps its low 8 bits";
    EXPECT_EQ(static_cast<unsigned long>(CProjectColorRGB(std::nanf(""), 1e30f, -1e30f)) & 0xFFul, 0ul);

    for (unsigned long c : {0x000000ul, 0xFFFFFFul, 0x03A1FFul, 0x123456ul}) {
        EXPECT_EQ(static_cast<unsigned long>(CProjectColorRGB(c)), c) << std::hex << c;
    }
    const float rgb[3] = {0.25f, 0.5f, 0.75f};
    const CProjectColorRGB fromArray(rgb);
    EXPECT_EQ(fromArray.blue(), 0.75f);
    EXPECT_TRUE(roundTrip(fromArray) == fromArray);
    CProjectColorRGB editable;
    *editable.greenPtr() = 1.0f;
    EXPECT_EQ(static_cast<unsigned long>(editable), 0x00FF00ul);
}

TEST(ValueTypes, StringArrayTracksItsSortedFlag) {
    CProjectStringArray a;
    a.Add(CProjectString(L"b"));
    a.Add(CProjectString(L"a"));
    a.sort();
    EXPECT_TRUE(a.isSorted());
    EXPECT_EQ(a.GetAt(0).getValue(), L"a");
    EXPECT_TRUE(roundTrip(a) == a);
    EXPECT_TRUE(roundTrip(a).isSorted());
    a.InsertAt(0, CProjectString(L"c"));
    EXPECT_FALSE(a.isSorted());
    a.sort();
    a.SetSize(1);
    EXPECT_FALSE(a.isSorted());
    a.sort();
    a.RemoveAll();
    EXPECT_FALSE(a.isSorted());
    EXPECT_FALSE(a.GetAt(5).isValid());
}

TEST(Enumerations, ValuesNamesAndUnknownValues) {
    CLinkType t(CLinkType::StartToFinish);
    EXPECT_EQ(t.getCurrentValue(), 3);
    EXPECT_EQ(t.getLocalizedName(), L"Start to Finish");
    EXPECT_TRUE(t.isKnownValue());
    EXPECT_EQ(t.getItems().size(), 4u);
    t.setCurrentValue(42);
    EXPECT_FALSE(t.isKnownValue());
    EXPECT_EQ(t.getLocalizedName(), L"") << "an unknown value has no name";
    const CLinkType back = roundTrip(t);
    EXPECT_EQ(back.getCurrentValue(), 42) << "a value from a newer file is kept as it is";

    std::unique_ptr<CKelvaraEnumeration> item(t.newItem());
    EXPECT_EQ(item->getCurrentValue(), 0);
    EXPECT_NE(dynamic_cast<CLinkType*>(item.get()), nullptr);
    EXPECT_TRUE(CLinkStatus(CLinkStatus::Driving) == CLinkStatus::Driving);
    EXPECT_FALSE(CLinkStatus(1) == CLinkStatus(2));
}

TEST(Records, ObjectStateIsNotContent) {
    CLink a;
    a.setDelay(CProjectDuration(5));
    a.setState(CObjectState::State{0xABCD});
    CLink b;
    b.copyFrom(a);
    EXPECT_TRUE(b == a);
    EXPECT_EQ(b.getState().bits, 0u) << "copying an object does not copy its transient state";
    b.setState(CObjectState::State{1});
    EXPECT_TRUE(b == a);
    EXPECT_EQ(a.getObjectStateGUID(), a.getID().getGUID());
    b.copyFrom(b);
    EXPECT_TRUE(b == a);

    const CLinkID before = a.getID();
    a.generateIDs();
    EXPECT_NE(a.getID(), before);
    EXPECT_TRUE(a.getID().isValidNotNull());
    EXPECT_FALSE(a == b);
}
