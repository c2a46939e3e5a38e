#include <gtest/gtest.h>

#include <cmath>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CGraphicalTransform.h"

using kelvara::test::craft;

namespace {

CGraphicalTransform translation(float x, float y, float z) {
    CGraphicalTransform t;
    t.setAsTranslation(CGraphicalVector3D(x, y, z));
    return t;
}

void expectNear(const CGraphicalPoint3D& p, float x, float y, float z) {
    EXPECT_NEAR(p.x(), x, 1e-6f);
    EXPECT_NEAR(p.y(), y, 1e-6f);
    EXPECT_NEAR(p.z(), z, 1e-6f);
}

}  // namespace

TEST(GraphicalTransform, InverseOfTranslationIsExactAndLeavesOriginal) {
    const CGraphicalTransform t = translation(1, 2, 3);
    const CGraphicalTransform inverse = t.getInverse();
    EXPECT_TRUE(inverse == translation(-1, -2, -3));
    EXPECT_TRUE(t == translation(1, 2, 3));
}

TEST(GraphicalTransform, InverseOfSingularMatrixIsIdentityForAnyZeroRow) {
    for (int row = 0; row < 4; ++row) {
        float m[16];
        for (int i = 0; i < 16; ++i) m[i] = static_cast<float>(i % 7) + 0.5f;
        for (int c = 0; c < 4; ++c) m[4 * row + c] = 0.0f;
        EXPECT_TRUE(CGraphicalTransform(m).getInverse().isIdentityTransform()) << "zero row " << row;
    }
}

TEST(GraphicalTransform, InverseHasNoToleranceForTinyDeterminants) {
    CGraphicalTransform tiny;
    tiny.setAsScale(CGraphicalVector3D(1e-10f, 1e-10f, 1e-10f));  // determinant 1e-30, not zero
    const CGraphicalTransform inverse = tiny.getInverse();
    EXPECT_FALSE(inverse.isIdentityTransform());
    EXPECT_NEAR(inverse.getMatrix()[0], 1e10f, 1e4f);
}

TEST(GraphicalTransform, InverseUndoesAGeneralPlacement) {
    CGraphicalTransform rotation, scale;
    rotation.setAsRotation_X(33.0f);
    scale.setAsScale(CGraphicalVector3D(2.0f, 0.5f, 4.0f));
    const CGraphicalTransform placement = rotation * scale * translation(5, -7, 11);
    const CGraphicalTransform round = placement * placement.getInverse();
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(round.getMatrix()[i], i % 5 == 0 ? 1.0f : 0.0f, 1e-5f) << i;
}

TEST(GraphicalTransform, RotationsTurnAxesInTheRowVectorSense) {
    CGraphicalTransform x, y, z;
    x.setAsRotation_X(90.0f);
    y.setAsRotation_Y(90.0f);
    z.setAsRotation_Z(90.0f);
    expectNear(CGraphicalPoint3D(1, 0, 0) * z, 0, 1, 0);
    expectNear(CGraphicalPoint3D(0, 1, 0) * x, 0, 0, 1);
    expectNear(CGraphicalPoint3D(1, 0, 0) * y, 0, 0, 1);

    z.setAsRotation_Z(30.0f);  // angle converted and cos / sin taken in double precision
    const double radians = 30.0 * 0.017453292519943295;
    EXPECT_EQ(z.getMatrix()[0], static_cast<float>(std::cos(radians)));
    EXPECT_EQ(z.getMatrix()[4], -static_cast<float>(std::sin(radians)));
}

TEST(GraphicalTransform, PointsIgnoreTheFourthColumnAndProductsApplyTheLeftOperandFirst) {
    CGraphicalTransform t;
    float* m = t.getMatrix();
    m[3] = 7.0f;
    m[7] = -3.0f;
    m[11] = 100.0f;
    m[15] = 0.0f;
    EXPECT_TRUE(CGraphicalPoint3D(1.5f, -2, 3) * t == CGraphicalPoint3D(1.5f, -2, 3));

    CGraphicalTransform turn;
    turn.setAsRotation_Z(90.0f);
    expectNear(CGraphicalPoint3D(0, 0, 0) * (translation(1, 0, 0) * turn), 0, 1, 0);
    expectNear(CGraphicalPoint3D(0, 0, 0) * (turn * translation(1, 0, 0)), 1, 0, 0);

    CGraphicalTransform twice = translation(1, 2, 3);
    twice.Mult(twice);  // the operand is the transform itself
    EXPECT_TRUE(twice == translation(2, 4, 6));
}

TEST(GraphicalTransform, SwapRowsExchangesRowsAndRefusesOutOfRange) {
    float m[16];
    for (int i = 0; i < 16; ++i) m[i] = static_cast<float>(i);
    CGraphicalTransform t(m);
    t.swapRows(0, 3);
    EXPECT_EQ(t.getMatrix()[0], 12.0f);
    EXPECT_EQ(t.getMatrix()[15], 3.0f);
    const CGraphicalTransform before = t;
    t.swapRows(-1, 2);
    t.swapRows(1, 4);
    EXPECT_TRUE(t == before);
    EXPECT_TRUE(CGraphicalTransform(nullptr).isIdentityTransform());
}

TEST(GraphicalTransformArray, OwnsCopiesAndKeepsOrder) {
    CGraphicalTransformArray a;
    EXPECT_EQ(a.Add(translation(1, 0, 0)), 0);
    EXPECT_EQ(a.Add(translation(2, 0, 0)), 1);
    a.InsertAt(1, a);  // inserting the array into itself
    ASSERT_EQ(a.GetSize(), 4);
    EXPECT_TRUE(a[1] == translation(1, 0, 0));
    EXPECT_TRUE(a[2] == translation(2, 0, 0));
    EXPECT_TRUE(a.getConstReference(4).isIdentityTransform());  // out of range reads a default

    CGraphicalTransformArray b(a);
    b[3].setAsScale(CGraphicalVector3D(2, 2, 2));
    EXPECT_FALSE(a == b);
}

TEST(GraphicalTransformArray, AttachTakesOwnershipOnceAndConvertsForeignObjects) {
    CGraphicalTransformArray a;
    auto* t = new CGraphicalTransform(translation(1, 2, 3));
    a.Attach(t, 0);
    a.Attach(t, 0);  // already held: refused, so it is never destroyed twice
    ASSERT_EQ(a.GetSize(), 1);
    EXPECT_EQ(&a[0], t);
    CGraphicalTransform* detached = a.Detach(0);
    EXPECT_EQ(detached, t);
    EXPECT_EQ(a.GetSize(), 0);
    a.Attach(static_cast<IGraphicalTransform*>(detached), 5);  // out of range appends
    EXPECT_EQ(&a[0], t);
}

TEST(GraphicalTransformArray, ArchiveRoundTripWithAndWithoutMarker) {
    CGraphicalTransformArray a;
    a.Add(translation(1, 2, 3));
    a.Add(CGraphicalTransform());
    CKelvaraArchive out;
    a.Serialize(out);
    a.Serialize(out, nullptr);
    const auto bytes = out.takeBuffer();

    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    CGraphicalTransformArray b, c;
    b.Serialize(in);
    c.Serialize(in, nullptr);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_TRUE(a == b);
    EXPECT_TRUE(a == c);

    CKelvaraArchive wrongMarker(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(b.Serialize(wrongMarker, "CGraphicalMaterialArray"), CArchiveException);
}

TEST(GraphicalTransformArray, MalformedCountsAreRefusedAndLeaveTheArrayEmpty) {
    const auto countOnly = [](int count) {
        return craft([count](CKelvaraArchive& ar) {
            ar.checkMarkerStart(IGraphicalTransformArray::kMarker);
            ar << count;
            ar.checkMarkerEnd(IGraphicalTransformArray::kMarker);
        });
    };
    const auto truncated = craft([](CKelvaraArchive& ar) {
        ar.checkMarkerStart(IGraphicalTransformArray::kMarker);
        ar << 2;
        CGraphicalTransform().Serialize(ar);  // one of the two elements
        ar.checkMarkerEnd(IGraphicalTransformArray::kMarker);
    });
    for (const auto& bytes : {countOnly(-1), countOnly(1 << 30), truncated}) {
        CGraphicalTransformArray a;
        a.Add(translation(1, 1, 1));
        CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        EXPECT_THROW(a.Serialize(in), CArchiveException);
        EXPECT_EQ(a.GetSize(), 0);
    }
}
