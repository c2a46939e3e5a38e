#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "kelvara/model3d/CBinImage.h"

namespace {

unsigned char* mallocBytes(std::size_t n, unsigned char fill) {
    auto* bytes = static_cast<unsigned char*>(std::malloc(n));
    std::memset(bytes, fill, n);
    return bytes;
}

}  // namespace

TEST(BinImage, AdoptsBuffersAndReleasesThemOnce) {
    CBinImage image;
    unsigned char* first = mallocBytes(8, 1);
    image.setBytes(8, first);
    std::uint64_t count = 0;
    unsigned char* bytes = nullptr;
    image.getBytes(&count, &bytes);
    EXPECT_EQ(count, 8u);
    EXPECT_EQ(bytes, first);  // adopted, not copied

    image.setBytes(4, first);  // the same buffer again is kept
    image.getBytes(&count, &bytes);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(count, 4u);

    image.setBytes(2, mallocBytes(2, 5));  // the first buffer is released
    image.getBytes(nullptr, nullptr);  // null out-parameters are skipped

    image.freeBytes();
    image.getBytes(&count, &bytes);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(bytes, nullptr);
}

TEST(BinImage, FreeBytesWithZeroCountLeavesThePointer) {
    CBinImage image;
    unsigned char* buffer = mallocBytes(4, 3);
    image.setBytes(0, buffer);
    image.freeBytes();
    std::uint64_t count = 1;
    unsigned char* bytes = nullptr;
    image.getBytes(&count, &bytes);
    EXPECT_EQ(bytes, buffer);  // still held, released by the destructor
    EXPECT_EQ(count, 0u);
}

TEST(BinImage, NewImagesHaveFreshIdentifiersAndCopiesHaveBuffersOfTheirOwn) {
    CBinImage a, other;
    EXPECT_TRUE(a.getID().isValidNotNull());
    EXPECT_FALSE(a.getID() == other.getID());
    a.setWidth(16);
    a.setPath(CProjectString(L"C:\\textures\\brick.png"));
    a.setBytes(3, mallocBytes(3, 7));
    CBinImage b(a);
    EXPECT_TRUE(a == b);
    unsigned char *mine = nullptr, *theirs = nullptr;
    a.getBytes(nullptr, &mine);
    b.getBytes(nullptr, &theirs);
    EXPECT_NE(mine, theirs);
    theirs[0] = 8;
    EXPECT_FALSE(a == b);
    b = a;
    EXPECT_TRUE(a == b);
}

TEST(BinImage, ArchiveRoundTripAndImpossibleCounts) {
    CBinImage a;
    a.setWidth(2);
    a.setBytes(5, mallocBytes(5, 9));
    CKelvaraArchive out;
    a.Serialize(out);
    auto bytes = out.takeBuffer();
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    CBinImage b;
    b.Serialize(in);
    EXPECT_TRUE(a == b);

    // The 64-bit count sits just before the five bytes and the end tag.
    const std::size_t countAt = bytes.size() - 1 - 5 - 8;
    std::uint64_t count = 0;
    std::memcpy(&count, bytes.data() + countAt, 8);
    ASSERT_EQ(count, 5u);
    count = ~0ull;
    std::memcpy(bytes.data() + countAt, &count, 8);
    CKelvaraArchive bad(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(b.Serialize(bad), CArchiveException);
}
