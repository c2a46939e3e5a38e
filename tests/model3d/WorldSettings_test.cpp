#include <gtest/gtest.h>

#include <limits>

#include "kelvara/model3d/C3DWorldSettings.h"

TEST(WorldSettings, ConvertsBetweenUnitsAndScales) {
    C3DWorldSettings world;
    // Value 3, the project's default distance unit, is the default world's own unit.
    EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(30.0, CDistanceUnitType(3)), 30.0);
    EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(10.0, CDistanceUnitType::Feet), 3.048);
    EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(-120.0, CDistanceUnitType::Centimeters), -1.2);

    // One 3D unit of 2 feet: a yard is 1.5 units, a mile 2640.
    world.set3DUnitType(CDistanceUnitType::Feet);
    world.set3DUnitSize(2.0);
    EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(1.0, CDistanceUnitType::Yards), 1.5);
    EXPECT_NEAR(world.convertWorldDistanceTo3DUnits(1.0, CDistanceUnitType::Miles), 2640.0, 1e-9);
}

TEST(WorldSettings, SenselessUnitsLeaveDistancesFinite) {
    C3DWorldSettings world;
    world.set3DUnitType(CDistanceUnitType::Centimeters);
    // A size that is zero, negative, not finite or unset counts as 1.
    CProjectDouble unsetSize(4.0);
    unsetSize.unset();
    for (const CProjectDouble& size : {CProjectDouble(0.0), CProjectDouble(-2.0), unsetSize,
                                       CProjectDouble(std::numeric_limits<double>::quiet_NaN()),
                                       CProjectDouble(std::numeric_limits<double>::infinity())}) {
        world.set3DUnitSize(size);
        EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(1.0, CDistanceUnitType::Meters), 100.0) << size.getValue();
    }
    // A value that is no known unit, on either side, leaves the distance as it is.
    EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(7.0, CDistanceUnitType(0)), 7.0);
    EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(7.0, CDistanceUnitType(42)), 7.0);
    world.set3DUnitType(CDistanceUnitType(-1));
    EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(7.0, CDistanceUnitType::Feet), 7.0);
}

TEST(WorldSettings, ClearRestoresSettingsAndKeepsTheIdentifier) {
    C3DWorldSettings world;
    EXPECT_LT(world.getGlobalLightVector().z(), 0.0f) << "the light falls from above";
    world.generateIDs();
    world.set3DUnitSize(0.3048);
    world.setHeightOfGround(12.0);
    world.setGlobalLightScale(0.25);
    world.clear();

    C3DWorldSettings fresh;
    EXPECT_FALSE(world == fresh);
    fresh.setID(world.getID());
    EXPECT_TRUE(world == fresh);
}
