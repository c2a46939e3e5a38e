// Entity states: parts that exist only while set, locks that refuse values outside 0..100, the
// appearance rules, the key text, equality and the hand-written archive form.
#include <gtest/gtest.h>

#include <cmath>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CEntityAppearance.h"
#include "kelvara/model3d/CEntityState.h"
#include "kelvara/platform/Exceptions.h"

namespace kelvara::test {
namespace {

CEntityAppearance fadingFrom(int start, int finish) {
    CEntityAppearance appearance;
    appearance.setUseOriginalColor(false);
    appearance.setUseOriginalTransparency(false);
    appearance.setColor(CProjectColorRGB(0.0f, 1.0f, 0.0f));
    appearance.setStartTransparency(start);
    appearance.setFinishTransparency(finish);
    return appearance;
}

TEST(EntityState, TransparenciesOutsideAPercentageClearInsteadOfStoring) {
    CEntityState state;
    state.setTransparencyLock(CProjectInt(100));
    ASSERT_NE(state.getTransparencyLock(), nullptr);
    EXPECT_EQ(state.getTransparencyLock()->getValue(), 100);
    state.setTransparencyLock(CProjectInt(101));
    EXPECT_EQ(state.getTransparencyLock(), nullptr);
    state.setTransparencyLock(CProjectInt(0));
    EXPECT_NE(state.getTransparencyLock(), nullptr) << "0 is a transparency";
    state.setTransparencyLock(CProjectInt(-1));
    EXPECT_EQ(state.getTransparencyLock(), nullptr);
    EXPECT_TRUE(state.empty()) << "clearing the only lock removes the block";

    state.setDynamicTransparency(CProjectInt(40));
    state.setDynamicTransparency(CProjectInt());
    EXPECT_TRUE(state.empty()) << "an unset value clears too";
}

TEST(EntityState, BlocksGoWhenTheirLastMemberGoes) {
    CEntityState state;
    state.setColorLock(CProjectColorRGB(1.0f, 0.0f, 0.0f));
    state.setTransparencyLock(CProjectInt(20));
    state.setCuttingPlane(CPlane(0.0f, 0.0f, 1.0f, 3.0f));
    state.clearColorLock();
    EXPECT_FALSE(state.UseOriginalTransparency());
    EXPECT_TRUE(state.UseOriginalColor());
    state.clearTransparencyLock();
    CPathKey key;
    key.setPosition(CGraphicalPoint3D(1.0f, 2.0f, 3.0f));
    state.setPathKey(key);
    state.clearCuttingPlane();
    EXPECT_FALSE(state.empty()) << "the path key keeps the animated block";
    state.setPathKey(*state.getPathKey());
    EXPECT_TRUE(*state.getPathKey() == key) << "set from its own path key";
    state.clearPathKey();
    EXPECT_TRUE(state.empty());

    EXPECT_FALSE(state.UseOriginalTransform()) << "true only while a transform is present";
    state.setTransform(CGraphicalTransform());
    EXPECT_TRUE(state.UseOriginalTransform());
    state.setTransform(*state.getTransform());
    EXPECT_TRUE(state.getTransform()->isIdentityTransform()) << "set from its own transform";
    state.clear();
    EXPECT_TRUE(state.empty());
}

TEST(EntityState, AppearancesSetTheLocksAndTheAnimatedTransparency) {
    CEntityState state;
    const CEntityAppearance fading = fadingFrom(80, 20);
    state.setColorByAppearance(fading, 0.5);
    ASSERT_NE(state.getColorLock(), nullptr);
    EXPECT_EQ(*state.getColorLock(), CProjectColorRGB(0.0f, 1.0f, 0.0f));
    EXPECT_EQ(state.getTransparencyLock()->getValue(), 80) << "the lock is the start transparency";
    EXPECT_EQ(state.getDynamicTransparency()->getValue(), 50);

    // A steady appearance afterwards: the animated value left from the fade must not override it.
    CEntityAppearance steady = fadingFrom(30, 30);
    steady.setTransparency(30);
    state.setColorByAppearance(steady, 0.5);
    EXPECT_EQ(state.getDynamicTransparency(), nullptr);
    CProjectColorRGB seen;
    state.GetEffectiveTransparencyColor(seen);
    EXPECT_EQ(seen, CProjectColorRGB::getTransmissionColor(0.3));

    // Keeping the entity's own look clears both locks; the one-argument form leaves the animation.
    state.setDynamicTransparency(CProjectInt(10));
    state.setColorByAppearance(CEntityAppearance());
    EXPECT_TRUE(state.UseOriginalColor());
    EXPECT_EQ(state.getTransparencyLock(), nullptr);
    EXPECT_EQ(state.getDynamicTransparency()->getValue(), 10);
    state.setColorByAppearance(CEntityAppearance(), 0.5);
    EXPECT_TRUE(state.empty());
}

TEST(EntityState, EffectiveTransparencyPrefersTheAnimatedValue) {
    CEntityState state;
    CProjectColorRGB seen(0.5f, 0.5f, 0.5f);
    state.GetEffectiveTransparencyColor(seen);
    EXPECT_EQ(seen, CProjectColorRGB(0.0f, 0.0f, 0.0f)) << "nothing passes an opaque entity";
    state.setTransparencyLock(CProjectInt(20));
    state.setDynamicTransparency(CProjectInt(60));
    state.GetEffectiveTransparencyColor(seen);
    EXPECT_EQ(seen, CProjectColorRGB::getTransmissionColor(0.6));
    EXPECT_FLOAT_EQ(seen.red(), 0.6f);

    EXPECT_EQ(CProjectColorRGB::getTransmissionColor(1.5), CProjectColorRGB(1.0f, 1.0f, 1.0f));
    EXPECT_EQ(CProjectColorRGB::getTransmissionColor(-0.5), CProjectColorRGB());
    EXPECT_EQ(CProjectColorRGB::getTransmissionColor(std::nan("")), CProjectColorRGB());
}

TEST(EntityState, KeyTextNamesTheLocks) {
    CEntityState state;
    EXPECT_EQ(state.toString(), CStringA("-_-_-_-"));
    state.setColorLock(CProjectColorRGB(1.0f, 0.5f, 0.0f));
    EXPECT_EQ(state.toString(), CStringA("255_127_0_-"));
    state.setTransparencyLock(CProjectInt(30));
    EXPECT_EQ(state.toString(), CStringA("255_127_0_30"));
    state.setDynamicTransparency(CProjectInt(45));
    EXPECT_EQ(state.toString(), CStringA("255_127_0_30_dt"));
    state.clearColorLock();
    EXPECT_EQ(state.toString(), CStringA("-_-_-_30_dt"));
    state.setColorLock(CProjectColorRGB(2.0f, -1.0f, std::nanf("")));
    EXPECT_EQ(state.toString(), CStringA("254_1_0_30_dt")) << "channels out of range keep their low 8 bits";
}

TEST(EntityState, CopiesCompareEveryPart) {
    CEntityState a;
    CGraphicalTransform turn;
    turn.setAsRotation_X(15.0f);
    a.setTransform(turn);
    a.setColorLock(CProjectColorRGB(0.2f, 0.4f, 0.6f));
    a.setDynamicTransparency(CProjectInt(70));
    a.setCuttingPlane(CPlane(1.0f, 0.0f, 0.0f, std::nanf("")));
    CPathKey key;
    key.setCenter(CGraphicalPoint3D(0.0f, 0.0f, 4.0f));
    a.setPathKey(key);

    CEntityState b(a);
    EXPECT_TRUE(b == a) << "NaN equals NaN";
    CEntityState reloaded;
    load(reloaded, store(a));
    EXPECT_TRUE(reloaded == a) << "every part, the path key included, survives the archive";
    key.setCenter(CGraphicalPoint3D(0.0f, 0.0f, 5.0f));
    b.setPathKey(key);
    EXPECT_TRUE(b != a) << "path keys are compared";
    b = a;
    b.setCuttingPlane(CPlane(1.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_TRUE(b != a);
    b = a;
    b.clearTransform();
    EXPECT_FALSE(b == a) << "absent equals absent only";
    b = a;
    b.setTransparencyLock(CProjectInt(0));
    EXPECT_FALSE(b == a);
    CEntityState& alias = b;
    b = alias;
    EXPECT_NE(b.getTransparencyLock(), nullptr);
}

TEST(EntityState, LoadingDropsEmptyBlocks) {
    CEntityState full;
    full.setTransform(CGraphicalTransform());
    full.setColorLock(CProjectColorRGB(0.1f, 0.2f, 0.3f));
    full.setDynamicTransparency(CProjectInt(75));

    // Both block flags set with every member flag clear: loaded as no block at all.
    const Bytes hollow =
        craft([](CKelvaraArchive& ar) { ar << false << true << false << false << true << false << false << false; });
    CEntityState loaded(full);
    load(loaded, hollow);
    EXPECT_TRUE(loaded.empty());
    EXPECT_TRUE(loaded == CEntityState());
}

TEST(EntityState, ArrayArchiveRefusesBadCountsAndNeverHalfFills) {
    CEntityStateArray states;
    CEntityState locked;
    locked.setTransparencyLock(CProjectInt(5));
    states.Add(locked);
    states.Add(CEntityState());
    CEntityStateArray loaded;
    load(loaded, store(states));
    EXPECT_TRUE(loaded == states);

    for (const int count : {-1, 1000}) {
        const Bytes bytes = craft([&](CKelvaraArchive& ar) { ar << count << false << false << false; });
        CEntityStateArray target(states);
        CKelvaraArchive ar(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        EXPECT_THROW(target.Serialize(ar), CArchiveException) << count;
        EXPECT_EQ(target.GetSize(), 0);
    }

    // Two states promised, the second cut short.
    const Bytes cut = craft([](CKelvaraArchive& ar) { ar << 2 << false << false << false << false << true << true; });
    CEntityStateArray target(states);
    CKelvaraArchive ar(cut.data(), cut.size(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(target.Serialize(ar), CArchiveException);
    EXPECT_EQ(target.GetSize(), 0);
}

}  // namespace
}  // namespace kelvara::test
