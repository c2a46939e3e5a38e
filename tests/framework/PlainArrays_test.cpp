#include <gtest/gtest.h>

#include "kelvara/framework/PlainArrays.h"

namespace {

using Texts = CNonUniquePointerArray<CProjectString>;

Texts textsOf(std::initializer_list<const wchar_t*> items) {
    Texts t;
    for (const wchar_t* s : items) t.Add(CProjectString(s));
    return t;
}

std::vector<std::wstring> contents(const Texts& t) {
    std::vector<std::wstring> out;
    for (int i = 0; i < t.GetSize(); ++i) out.push_back(t[i].getValue().str());
    return out;
}

std::vector<int> contents(const CProjectIntArray& a) {
    std::vector<int> out;
    for (int i = 0; i < a.GetSize(); ++i) out.push_back(a[i].getValue());
    return out;
}

CProjectIntArray intsOf(std::initializer_list<int> items) {
    CProjectIntArray a;
    for (int v : items) a.Add(CProjectInt(v));
    return a;
}

using W = std::vector<std::wstring>;
using V = std::vector<int>;

}  // namespace

TEST(NonUniquePointerArray, KeepsDuplicatesAndInsertsCopies) {
    Texts t;
    const CProjectString a(L"a");
    EXPECT_EQ(t.Add(a), 0);
    EXPECT_EQ(t.Add(a), 1);
    EXPECT_EQ(contents(t), (W{L"a", L"a"}));
    EXPECT_NE(&t[0], &t[1]);
    t.InsertAt(1, CProjectString(L"b"));
    t.InsertAt(3, CProjectString(L"c"));
    t.InsertAt(5, CProjectString(L"x"));
    t.InsertAt(-1, CProjectString(L"x"));
    EXPECT_EQ(contents(t), (W{L"a", L"b", L"a", L"c"}));
    EXPECT_EQ(t.GetUpperBound(), 3);

    t.InsertAt(1, textsOf({L"p", L"q"}));
    EXPECT_EQ(contents(t), (W{L"a", L"p", L"q", L"b", L"a", L"c"}));
    t.RemoveAt(0);
    t.RemoveAt(9);
    EXPECT_EQ(contents(t), (W{L"p", L"q", L"b", L"a", L"c"}));
}

TEST(NonUniquePointerArray, SelfCopyAndSelfAppendAreSafe) {
    Texts t = textsOf({L"a", L"b"});
    EXPECT_EQ(t.Append(t), 2);
    EXPECT_EQ(contents(t), (W{L"a", L"b", L"a", L"b"}));
    t.InsertAt(1, t);
    EXPECT_EQ(t.GetSize(), 8);
    EXPECT_EQ(contents(t)[1], L"a");
    const CProjectString* first = &t[0];
    t.Copy(t);
    EXPECT_EQ(&t[0], first);
    const Texts& alias = t;
    t = alias;
    EXPECT_EQ(t.GetSize(), 8);

    Texts copy(t);
    EXPECT_TRUE(copy == t);
    copy[0] = CProjectString(L"z");
    EXPECT_EQ(t[0].getValue(), L"a") << "copies are deep";
    EXPECT_TRUE(copy != t);
}

TEST(NonUniquePointerArray, AttachDetachAndChangePosition) {
    Texts t = textsOf({L"a", L"b", L"c", L"d"});
    EXPECT_TRUE(t.changePosition(0, 2));
    EXPECT_EQ(contents(t), (W{L"c", L"a", L"b", L"d"}));
    EXPECT_TRUE(t.changePosition(3, 0));
    EXPECT_EQ(contents(t), (W{L"a", L"b", L"d", L"c"}));
    EXPECT_TRUE(t.changePosition(1, 1));
    EXPECT_FALSE(t.changePosition(0, 4));
    EXPECT_FALSE(t.changePosition(-1, 0));

    auto* mine = new CProjectString(L"m");
    t.Attach(mine, 1);
    EXPECT_EQ(&t[1], mine) << "attached without copying";
    std::unique_ptr<CProjectString> out(t.Detach(1));
    EXPECT_EQ(out.get(), mine);
    EXPECT_EQ(t.Detach(4), nullptr);
    t.Attach(nullptr, 0);
    EXPECT_EQ(t.GetSize(), 4);
}

TEST(NonUniquePointerArray, ReadsOutOfRangeAnswerADefaultAndSetSizeResizes) {
    Texts t = textsOf({L"a"});
    EXPECT_FALSE(t.getConstReference(-1).isValid());
    EXPECT_EQ(&t.getConstReference(1), &Texts().getConstReference(0));
    EXPECT_NE(static_cast<const CProjectString*>(&t.getWritableReference(1)), &t.getConstReference(1));
    t.SetSize(3);
    EXPECT_EQ(t.GetSize(), 3);
    EXPECT_FALSE(t[2].isValid());
    t.SetSize(0);
    EXPECT_EQ(t.GetSize(), 0);
    t.SetSize(-2);
    EXPECT_EQ(t.GetSize(), 0);
}

TEST(NonUniquePointerArray, RecordWithAndWithoutMarker) {
    Texts t = textsOf({L"a", L"bc"});
    t[1].unset();
    CKelvaraArchive bare;
    t.Serialize(bare, nullptr);
    const auto bytes = bare.takeBuffer();
    CKelvaraArchive expected;
    expected << 2;
    t[0].Serialize(expected);
    t[1].Serialize(expected);
    EXPECT_EQ(bytes, expected.takeBuffer()) << "without a marker: the count and the elements, nothing else";

    Texts back = textsOf({L"old"});
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    back.Serialize(in, nullptr);
    EXPECT_TRUE(back == t);
    EXPECT_FALSE(back[1].isValid());

    CKelvaraArchive framed;
    t.Serialize(framed);
    const auto record = framed.takeBuffer();
    CKelvaraArchive check(record.data(), record.size(), CKelvaraArchive::kCurrentFileVersion);
    check.checkMarkerStart("CNonUniquePointerArray");
    int count = 0;
    check >> count;
    EXPECT_EQ(count, 2);

    auto damaged = record;
    damaged[damaged.size() - 1 - 4 - 2 * 2 - 1] = 7;  // the second text's valid flag
    CKelvaraArchive bad(damaged.data(), damaged.size(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(back.Serialize(bad), CArchiveException);
    EXPECT_EQ(back.GetSize(), 0) << "a failed load leaves no half-read element behind";
}

TEST(NonUniqueValueArray, OperationsMatchThePointerArray) {
    CProjectIntArray a = intsOf({1, 2, 2});
    EXPECT_EQ(a.Add(CProjectInt(2)), 3);
    a.InsertAt(0, CProjectInt(0));
    a.InsertAt(9, CProjectInt(9));
    EXPECT_EQ(contents(a), (V{0, 1, 2, 2, 2}));
    EXPECT_EQ(a.Append(a), 5);
    EXPECT_EQ(contents(a), (V{0, 1, 2, 2, 2, 0, 1, 2, 2, 2}));
    a.SetSize(3);
    a.InsertAt(1, a);
    EXPECT_EQ(contents(a), (V{0, 0, 1, 2, 1, 2}));

    EXPECT_TRUE(a.changePosition(0, 3));
    EXPECT_EQ(contents(a), (V{2, 0, 0, 1, 1, 2}));
    EXPECT_FALSE(a.changePosition(6, 0));
    EXPECT_EQ(a.Detach(0).getValue(), 2);
    EXPECT_FALSE(a.Detach(10).isValid());
    a.Attach(CProjectInt(7), 1);
    a.Attach(CProjectInt(8), 99);
    EXPECT_EQ(contents(a), (V{0, 7, 0, 1, 1, 2, 8}));
    a.RemoveAt(0);
    a.RemoveAt(-1);
    EXPECT_EQ(a.GetSize(), 6);
    EXPECT_FALSE(a.getConstReference(6).isValid());

    CProjectIntArray b(a);
    EXPECT_TRUE(b == a);
    b[0].unset();
    EXPECT_TRUE(b != a) << "the valid flag is part of the value";
    CProjectIntArray moved(std::move(b));
    EXPECT_EQ(moved.GetSize(), 6);
    const CProjectIntArray& alias = moved;
    moved.Copy(alias);
    EXPECT_EQ(moved.GetSize(), 6);
}

TEST(NonUniqueValueArray, RecordIsTheCountAndTheValues) {
    CProjectIntArray a = intsOf({5, -6});
    a[1].unset();
    CKelvaraArchive out;
    a.Serialize(out);
    const auto bytes = out.takeBuffer();
    EXPECT_EQ(bytes.size(), 4u + 2u * 5u);
    CProjectIntArray b = intsOf({1, 2, 3});
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    b.Serialize(in);
    EXPECT_TRUE(b == a);
    EXPECT_EQ(b[1].getValue(), -6);

    CKelvaraArchive huge;
    huge << 1000000;
    const auto lie = huge.takeBuffer();
    CKelvaraArchive bad(lie.data(), lie.size(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(b.Serialize(bad), CArchiveException);
}
