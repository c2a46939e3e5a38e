// Appearances (constant and fading transparency, interpolation) and use profiles with their
// sub-profile lists, including trees nested deeper than the archive allows.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CUseProfile.h"
#include "kelvara/platform/Exceptions.h"
#include "model3d/DeepNesting.h"

namespace kelvara::test {
namespace {

CUseProfile profileNamed(const wchar_t* name) {
    CUseProfile profile{CString(name)};
    profile.generateIDs();
    return profile;
}

TEST(EntityAppearance, ConstantAndFadingTransparency) {
    CEntityAppearance appearance;
    appearance.setTransparency(30);
    EXPECT_EQ(appearance.getStartTransparency(), 30);
    EXPECT_EQ(appearance.getStartOpaqueness().getValue(), 70);
    EXPECT_FALSE(appearance.needTransparencyInterpolation());
    EXPECT_EQ(appearance.getTransparency(0.7), 30) << "a steady appearance answers its start transparency";

    appearance.setFinishTransparency(100);
    ASSERT_TRUE(appearance.needTransparencyInterpolation());
    EXPECT_EQ(appearance.getFinishOpaqueness().getValue(), 0);
    EXPECT_EQ(appearance.getTransparency(0.0), 30);
    EXPECT_EQ(appearance.getTransparency(1.0), 100);
    EXPECT_EQ(appearance.getTransparency(0.25), 48) << "30 + 70 x 0.25 = 47.5, halves away from zero";
    EXPECT_EQ(appearance.getTransparency(-3.0), 30) << "fractions are clamped into 0..1";
    EXPECT_EQ(appearance.getTransparency(7.0), 100);
    EXPECT_EQ(appearance.getTransparency(std::nan("")), 30);

    appearance.setOpaqueness(40);
    EXPECT_EQ(appearance.getStartTransparency(), 60);
    EXPECT_FALSE(appearance.needTransparencyInterpolation());
    EXPECT_TRUE(appearance == [] {
        CEntityAppearance other;
        other.setStartTransparency(60);
        other.setFinishOpaqueness(15);
        other.unsetFinishOpaqueness();
        return other;
    }()) << "an unset finish is one value, whatever was set before";

    // Percentages far outside 0..100 saturate instead of overflowing.
    appearance.setStartOpaqueness(INT_MIN);
    EXPECT_EQ(appearance.getStartTransparency(), INT_MAX);
    appearance.setTransparency(INT_MIN);
    EXPECT_EQ(appearance.getStartOpaqueness().getValue(), INT_MAX);
    appearance.setFinishOpaqueness(INT_MIN);
    EXPECT_EQ(appearance.getTransparency(1.0), INT_MAX);
    EXPECT_EQ(appearance.getTransparency(0.5), 50) << "halfway from 100 - INT_MAX to INT_MAX";
}

TEST(UseProfile, SubProfilesInsertRemoveAndSelfAssign) {
    CUseProfile demolition = profileNamed(L"Demolition");
    const CUseProfile soft = profileNamed(L"Soft strip"), frame = profileNamed(L"Frame");
    EXPECT_FALSE(demolition.getSubUseProfiles().isNull()) << "the list exists from construction";

    EXPECT_FALSE(demolition.insertSubUseProfile(1, soft)) << "index above the count";
    EXPECT_FALSE(demolition.insertSubUseProfile(-1, soft));
    EXPECT_TRUE(demolition.insertSubUseProfile(0, soft));
    EXPECT_FALSE(demolition.insertSubUseProfile(1, soft)) << "identifier already present";
    EXPECT_TRUE(demolition.insertSubUseProfile(0, frame));
    EXPECT_EQ(demolition.getSubUseProfiles()[0]->getName().getValue(), CString(L"Frame"));

    EXPECT_TRUE(demolition.insertSubUseProfile(2, demolition)) << "a copy of itself, taken before inserting";
    EXPECT_EQ(demolition.getSubUseProfiles()[2]->getSubUseProfiles().GetSize(), 2);

    demolition.setSubUseProfiles(demolition.getSubUseProfiles());
    EXPECT_EQ(demolition.getSubUseProfiles().GetSize(), 3) << "self-assignment";
    CUseProfile& alias = demolition;
    demolition = alias;
    EXPECT_EQ(demolition.getSubUseProfiles().GetSize(), 3);

    CUseProfile loaded;
    load(loaded, store(demolition));
    EXPECT_TRUE(loaded == demolition);

    EXPECT_FALSE(demolition.removeSubUseProfile(3));
    EXPECT_FALSE(demolition.removeSubUseProfile(-1));
    EXPECT_TRUE(demolition.removeSubUseProfile(2));
    demolition.removeAllSubUseProfiles();
    EXPECT_EQ(demolition.getSubUseProfiles().GetSize(), 0);
    EXPECT_FALSE(demolition.removeSubUseProfile(0));
}

TEST(UseProfile, LoadingRefusesTreesDeeperThanTheArchiveAllows) {
    CUseProfile parent = profileNamed(L"p"), leaf = profileNamed(L"l");
    ASSERT_TRUE(parent.insertSubUseProfile(0, leaf));
    const DeepNesting chain(store(parent), store(leaf), {"UseProfile", "CUniquePointerArray"});

    CUseProfile shallow;
    load(shallow, chain.nest(30));
    int depth = 0;
    for (IUseProfileArrayHandle level = shallow.getSubUseProfiles(); level.GetSize() == 1;
         level = level[0]->getSubUseProfiles())
        ++depth;
    EXPECT_EQ(depth, 30);

    const Bytes hostile = chain.nest(150);
    CUseProfile target;
    expectRefusedAsTooDeep(target, hostile);
}

}  // namespace
}  // namespace kelvara::test
