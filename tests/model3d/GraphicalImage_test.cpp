#include <gtest/gtest.h>

#include "kelvara/model3d/CGraphicalImage.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes bytesOf(const CGraphicalImageData& d) {
    const unsigned char* p = d.getData();
    return p ? Bytes(p, p + d.getSize()) : Bytes();
}

}  // namespace

TEST(GraphicalImageData, SetDataFollowsItsRules) {
    CGraphicalImageData d;
    const unsigned char bytes[4] = {1, 2, 3, 4};
    d.setData(bytes, 4);
    EXPECT_EQ(bytesOf(d), (Bytes{1, 2, 3, 4}));
    d.setData(nullptr, 6);  // resized, old bytes kept, the rest zero
    EXPECT_EQ(bytesOf(d), (Bytes{1, 2, 3, 4, 0, 0}));
    d.setData(d.getData() + 1, 3);  // from its own bytes
    EXPECT_EQ(bytesOf(d), (Bytes{2, 3, 4}));
    d.setData(bytes, 0);
    EXPECT_EQ(d.getSize(), 0);
    EXPECT_EQ(d.getData(), nullptr);
    d.setData(nullptr, 2);
    EXPECT_EQ(bytesOf(d), (Bytes{0, 0}));
    d.setData(bytes, -3);
    EXPECT_EQ(d.getSize(), 0);
}

TEST(GraphicalImage, FilledAsAWholeAndCopiedDeeply) {
    CGraphicalImage a;
    EXPECT_EQ(a.getFormat().getCurrentValue(), CGraphicalImageFormat::Unknown);
    EXPECT_FALSE(a.getWidth().isValid());
    const unsigned char pixels[6] = {9, 8, 7, 6, 5, 4};
    a.setImage(CGraphicalImageFormat(CGraphicalImageFormat::RawRGB), 2, 1, pixels, 6);
    EXPECT_EQ(a.getWidth().getValue(), 2);
    EXPECT_EQ(a.getHeight().getValue(), 1);
    EXPECT_EQ(a.getSize(), 6);

    CGraphicalImage b(a);
    EXPECT_NE(a.getData(), b.getData());
    b.setImage(b.getFormat(), 2, 1, pixels, 5);
    EXPECT_FALSE(a == b);
}

TEST(GraphicalImage, ImpossibleByteCountIsRefusedBeforeAllocating) {
    CKelvaraArchive out;
    out.checkMarkerStart("GraphicalImage");
    CGraphicalImageID().Serialize(out);
    CProjectString().Serialize(out);
    CProjectString().Serialize(out);
    CEntity3DID().Serialize(out);
    CGraphicalImageFormat().Serialize(out);
    CProjectInt().Serialize(out);
    CProjectInt().Serialize(out);
    out << 0x7fffffff;  // far more image bytes than follow
    out.checkMarkerEnd("GraphicalImage");
    const auto bytes = out.takeBuffer();
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    CGraphicalImage image;
    EXPECT_THROW(image.Serialize(in), CArchiveException);
}
