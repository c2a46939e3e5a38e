#include <gtest/gtest.h>

#include "kelvara/platform/CString.h"

TEST(String, ConstructionAndNullInputs) {
    EXPECT_TRUE(CString(static_cast<const wchar_t*>(nullptr)).IsEmpty());
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
    EXPECT_EQ(CString(L"abcdef", 3), L"abc");
    EXPECT_TRUE(CString(L"abc", -1).IsEmpty());
    EXPECT_EQ(CString(L'x', 3), L"xxx");
    EXPECT_TRUE(CString(L'x', -2).IsEmpty());
    EXPECT_EQ(CString("caf\xE9"), L"caf\x00E9") << "narrow text is taken byte by byte";
    CString s;
    s = static_cast<const wchar_t*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
    s += static_cast<const wchar_t*>(nullptr);
    s += L'a';
    s += CString(L"b");
    s += L"c";
    EXPECT_EQ(s, L"abc");
    s.Empty();
    EXPECT_EQ(s.GetLength(), 0);
}

TEST(String, PositionsAreClampedNeverUndefined) {
    const CString s(L"Hello");
    EXPECT_EQ(s.GetAt(0), L'H');
    EXPECT_EQ(s.GetAt(5), L'\0');
    EXPECT_EQ(s[-1], L'\0');
    EXPECT_EQ(s.Left(2), L"He");
    EXPECT_EQ(s.Left(99), L"Hello");
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Right(3), L"llo");
    EXPECT_EQ(s.Right(9), L"Hello");
    EXPECT_EQ(s.Right(-3), L"");
    EXPECT_EQ(s.Mid(1), L"ello");
    EXPECT_EQ(s.Mid(1, 2), L"el");
    EXPECT_EQ(s.Mid(-4, 2), L"He");
    EXPECT_EQ(s.Mid(4, 10), L"o");
    EXPECT_EQ(s.Mid(9), L"");
    EXPECT_EQ(s.Mid(1, 0), L"");
    EXPECT_EQ(s.Mid(1, -2), L"") << "a negative count takes nothing";
}

TEST(String, FindAndCompare) {
    const CString s(L"abcabc");
    EXPECT_EQ(s.Find(L"bc"), 1);
    EXPECT_EQ(s.Find(L"bc", 2), 4);
    EXPECT_EQ(s.Find(L"bc", 5), -1);
    EXPECT_EQ(s.Find(L"", 6), 6);
    EXPECT_EQ(s.Find(L"a", 7), -1);
    EXPECT_EQ(s.Find(L"a", -1), -1);
    EXPECT_EQ(s.Find(static_cast<const wchar_t*>(nullptr)), -1);
    EXPECT_EQ(s.Find(L'c'), 2);
    EXPECT_EQ(s.Find(L'c', 3), 5);
    EXPECT_EQ(s.Find(L'z'), -1);
    EXPECT_EQ(s.Find(L'a', 6), -1);

    EXPECT_EQ(CString(L"a").Compare(L"b"), -1);
    EXPECT_EQ(CString(L"b").Compare(L"a"), 1);
    EXPECT_EQ(CString(L"abc").Compare(L"ab"), 1);
    EXPECT_EQ(CString(L"").Compare(nullptr), 0);
    EXPECT_EQ(CString(L"\U0001F600").Compare(L"\xFFFF"), 1) << "by code point";
    EXPECT_EQ(CString(L"HeLLo").CompareNoCase(L"hello"), 0);
    EXPECT_EQ(CString(L"apple").CompareNoCase(L"Banana"), -1);
    EXPECT_EQ(CString(L"b").CompareNoCase(L"A"), 1);
    EXPECT_EQ(CString(L"ab").CompareNoCase(L"A"), 1);
    EXPECT_TRUE(CString(L"a") < CString(L"b"));
    EXPECT_TRUE(CString(L"x") == L"x");

    CString m(L"MiXeD 1");
    m.MakeLower();
    EXPECT_EQ(m, L"mixed 1");
    m.MakeUpper();
    EXPECT_EQ(m, L"MIXED 1");
    EXPECT_EQ(CString(L"a") + CString(L"b") + L"c" + L'd', L"abcd");
    EXPECT_EQ(L"x" + CString(L"y"), L"xy");
}

TEST(String, Utf8RoundTripsEveryPlane) {
    const CString text(std::wstring(L"A\x00E9\x20AC\U0001F600\U0010FFFF"));
    const std::string utf8 = text.toUtf8();
    EXPECT_EQ(utf8, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF");
    EXPECT_EQ(CString::fromUtf8(utf8), text);
    EXPECT_EQ(CString(CStringA(text)), text);
    EXPECT_EQ(CStringA(text).GetLength(), 14);

    EXPECT_EQ(CString::fromUtf8("a\xC3"), L"a\xFFFD") << "a sequence cut off by the end";
    EXPECT_EQ(CString::fromUtf8("\xC3(b"), L"\xFFFD(b");
    EXPECT_EQ(CString::fromUtf8("\xFF\xFE"), L"\xFFFD\xFFFD");
    EXPECT_EQ(CString::fromUtf8(""), L"");

    CStringA narrow;
    EXPECT_TRUE(narrow.IsEmpty());
    narrow = CStringA(static_cast<const char*>(nullptr));
    EXPECT_TRUE(narrow.IsEmpty());
    EXPECT_TRUE(CStringA("a") < CStringA("b"));
}
