#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "kelvara/base/CKelvaraArchive.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string messageOf(const std::function<void()>& f, CArchiveException::Cause* cause = nullptr) {
    try {
        f();
    } catch (const CArchiveException& e) {
        if (cause) *cause = e.cause();
        return e.what();
    }
    ADD_FAILURE() << "no exception";
    return {};
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// depth records "R" nested in one another, the innermost holding one int.
Bytes nested(int depth) {
    Bytes b;
    for (int i = 0; i < depth; ++i) {
        const auto inner = static_cast<std::uint32_t>((depth - i - 1) * 8 + 4);
        b.insert(b.end(), {'{', 1, 'R'});
        for (int k = 0; k < 4; ++k) b.push_back(static_cast<std::uint8_t>(inner >> (8 * k)));
    }
    b.insert(b.end(), {7, 0, 0, 0});
    b.insert(b.end(), static_cast<std::size_t>(depth), '}');
    return b;
}

void readNested(CKelvaraArchive& ar, int depth) {
    for (int i = 0; i < depth; ++i) ar.checkMarkerStart("R");
    int v = 0;
    ar >> v;
    EXPECT_EQ(v, 7);
    for (int i = 0; i < depth; ++i) ar.checkMarkerEnd("R");
}

}  // namespace

TEST(KelvaraArchive, RecordFramingWithBackPatchedLength) {
    CKelvaraArchive out;
    EXPECT_EQ(out.fileVersion(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_GE(CKelvaraArchive::kCurrentFileVersion, 250);
    out.checkMarkerStart("Ab");
    out << 5;
    out.checkMarkerStart("C");
    out << true;
    out.checkMarkerEnd("C");
    out.checkMarkerEnd("Ab");
    const Bytes bytes = out.takeBuffer();
    const Bytes expected = {'{', 2, 'A', 'b', 13, 0, 0, 0, 5, 0, 0, 0, '{', 1, 'C', 1, 0, 0, 0, 1, '}', '}'};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(out.depth(), 0);

    CKelvaraArchive in(bytes.data(), bytes.size(), 193);
    EXPECT_EQ(in.fileVersion(), 193);
    in.checkMarkerStart("Ab");
    EXPECT_EQ(in.depth(), 1);
    int five = 0;
    in >> five;
    in.checkMarkerStart("C");
    bool t = false;
    in >> t;
    in.checkMarkerEnd("C");
    in.checkMarkerEnd("Ab");
    EXPECT_EQ(five, 5);
    EXPECT_TRUE(t);
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(KelvaraArchive, AMarkerMismatchNamesTheExpectedMarkerAndTheOffset) {
    CKelvaraArchive out;
    out << 1;
    out.checkMarkerStart("Task");
    out.checkMarkerEnd("Task");
    const Bytes bytes = out.takeBuffer();

    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    int one = 0;
    in >> one;
    CArchiveException::Cause cause = CArchiveException::none;
    const std::string m = messageOf([&] { in.checkMarkerStart("Link"); }, &cause);
    EXPECT_TRUE(contains(m, "\"Link\"")) << m;
    EXPECT_TRUE(contains(m, "offset 4")) << m;
    EXPECT_EQ(cause, CArchiveException::badClass);

    CKelvaraArchive prefix(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    prefix >> one;
    EXPECT_TRUE(contains(messageOf([&] { prefix.checkMarkerStart("Tas"); }), "\"Tas\""));

    CKelvaraArchive notARecord(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    const std::string m2 = messageOf([&] { notARecord.checkMarkerStart("Task"); });
    EXPECT_TRUE(contains(m2, "\"Task\"") && contains(m2, "offset 0")) << m2;

    CKelvaraArchive cut(bytes.data(), 7, CKelvaraArchive::kCurrentFileVersion);
    cut >> one;
    EXPECT_THROW(cut.checkMarkerStart("Task"), CArchiveException);
}

TEST(KelvaraArchive, TheBodyLengthIsCheckedExactly) {
    CKelvaraArchive out;
    out.checkMarkerStart("R");
    out << 1 << 2;
    out.checkMarkerEnd("R");
    const Bytes bytes = out.takeBuffer();
    // '{', the name's length, "R", the 4-byte body length, two ints, then the end tag '}'.
    constexpr std::size_t kEndTag = 15;
    ASSERT_EQ(bytes.size(), kEndTag + 1);

    {  // the reader stops early
        CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        in.checkMarkerStart("R");
        int a = 0;
        in >> a;
        CArchiveException::Cause cause = CArchiveException::none;
        const std::string m = messageOf([&] { in.checkMarkerEnd("R"); }, &cause);
        EXPECT_EQ(cause, CArchiveException::badSchema);
        EXPECT_TRUE(contains(m, "\"R\"")) << m;
    }
    {  // the reader would run past the body
        CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        in.checkMarkerStart("R");
        std::int64_t a = 0;
        in >> a;
        int beyond = 0;
        CArchiveException::Cause cause = CArchiveException::none;
        const std::string m = messageOf([&] { in >> beyond; }, &cause);
        EXPECT_EQ(cause, CArchiveException::endOfFile);
        EXPECT_TRUE(contains(m, "\"R\"")) << "the message names the open record: " << m;
    }
    {  // the end tag is damaged
        Bytes damaged = bytes;
        damaged[kEndTag] = 'x';
        CKelvaraArchive in(damaged.data(), damaged.size(), CKelvaraArchive::kCurrentFileVersion);
        in.checkMarkerStart("R");
        std::int64_t a = 0;
        in >> a;
        EXPECT_THROW(in.checkMarkerEnd("R"), CArchiveException);
    }
    {  // the declared length is larger than what follows
        Bytes lying = bytes;
        lying[3] = 9;
        CKelvaraArchive in(lying.data(), lying.size(), CKelvaraArchive::kCurrentFileVersion);
        EXPECT_THROW(in.checkMarkerStart("R"), CArchiveException);
    }
    {  // closing a record that is not the open one
        CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        in.checkMarkerStart("R");
        std::int64_t a = 0;
        in >> a;
        EXPECT_THROW(in.checkMarkerEnd("S"), CArchiveException);
        CKelvaraArchive store;
        EXPECT_THROW(store.checkMarkerEnd("R"), CArchiveException);
        store.checkMarkerStart("R");
        EXPECT_THROW(store.checkMarkerEnd("Q"), CArchiveException);
    }
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        CKelvaraArchive in(bytes.data(), n, CKelvaraArchive::kCurrentFileVersion);
        EXPECT_THROW(
            {
                in.checkMarkerStart("R");
                int a = 0;
                in >> a >> a;
                in.checkMarkerEnd("R");
            },
            CArchiveException)
            << n;
    }
}

TEST(KelvaraArchive, NestingIsBoundedOnBothSides) {
    const int limit = CKelvaraArchive::kMaxDepth;
    {
        const Bytes ok = nested(limit);
        CKelvaraArchive in(ok.data(), ok.size(), CKelvaraArchive::kCurrentFileVersion);
        readNested(in, limit);
        EXPECT_EQ(in.remaining(), 0u);
    }
    {
        const Bytes deep = nested(limit + 1);
        CKelvaraArchive in(deep.data(), deep.size(), CKelvaraArchive::kCurrentFileVersion);
        CArchiveException::Cause cause = CArchiveException::none;
        messageOf([&] { readNested(in, limit + 1); }, &cause);
        EXPECT_EQ(cause, CArchiveException::badSchema);
        EXPECT_EQ(in.depth(), limit);
    }
    CKelvaraArchive out;
    for (int i = 0; i < limit; ++i) out.checkMarkerStart("R");
    EXPECT_THROW(out.checkMarkerStart("R"), CArchiveException);
}

TEST(KelvaraArchive, MarkerNamesAreBounded) {
    CKelvaraArchive out;
    EXPECT_THROW(out.checkMarkerStart(""), CArchiveException);
    EXPECT_THROW(out.checkMarkerStart(nullptr), CArchiveException);
    EXPECT_THROW(out.checkMarkerStart(std::string(65, 'm').c_str()), CArchiveException);
    const std::string longest(64, 'm');
    out.checkMarkerStart(longest.c_str());
    out.checkMarkerEnd(longest.c_str());
    const Bytes bytes = out.takeBuffer();
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    in.checkMarkerStart(longest.c_str());
    in.checkMarkerEnd(longest.c_str());
    EXPECT_EQ(in.remaining(), 0u);
}
