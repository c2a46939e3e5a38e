#include <gtest/gtest.h>

#include "kelvara/model3d/C3DNotation.h"
#include "kelvara/model3d/CCameraMarker.h"
#include "kelvara/model3d/CIraySettings.h"
#include "kelvara/model3d/CPhysicalLight.h"
#include "kelvara/model3d/CTurnableAnimation.h"

TEST(SceneRecords, NewRecordsHaveUsableDefaults) {
    const CIraySettings iray;
    EXPECT_EQ(iray.getMaxIterations(), 300);
    EXPECT_EQ(iray.getMaxSeconds(), 300);
    EXPECT_EQ(iray.getTimeOfDay(), 2);
    EXPECT_DOUBLE_EQ(iray.getSunAltitude(), 0.0709629);
    EXPECT_DOUBLE_EQ(iray.getCameraShutter(), 64.0);
    EXPECT_FALSE(iray.isDeepLearningDenoiserEnabled());
    EXPECT_EQ(iray.getDeepLearningDenoiserStartIter(), 8);

    const CPhysicalLight light;
    EXPECT_EQ(light.getIntensity(), CGraphicalPoint3D(1, 1, 1));
    EXPECT_EQ(light.getSphereRadius(), 0.0f);

    const C3DNotation notation;
    EXPECT_EQ(notation.getMaxDistanceUnit().getCurrentValue(), CDistanceUnitWithProjectUnit::ProjectUnit);
    EXPECT_FALSE(notation.getTextColor() == notation.getBackgroundColor()) << "the text must stand out";

    const CCameraMarker marker;
    EXPECT_EQ(marker.getType().getCurrentValue(), ICameraMarker::CMarkerType::None);
    EXPECT_TRUE(marker.getObjectID().isNULL());

    CTurnableAnimation turn;
    EXPECT_EQ(turn.getDegrees(), CProjectDouble(360.0));
    turn.setCenter(CGraphicalPoint3D(1, 1, 1));
    turn.initialize();
    EXPECT_TRUE(turn == CTurnableAnimation());
}

TEST(SceneRecords, IraySettingsCopyFromAnySourceAndMovesLeaveTheSource) {
    CIraySettings source;
    source.setMaxSeconds(42);
    source.setMouseLook(true);
    const CIraySettings fromInterface(static_cast<const IIraySettings&>(source));
    EXPECT_TRUE(fromInterface == source);

    CIraySettings moved(std::move(source));
    EXPECT_TRUE(moved == fromInterface);
    EXPECT_TRUE(source == fromInterface);
}

TEST(SceneRecords, NotationUnitsShareTheValuesOfTheWorldUnits) {
    for (const auto& item : CDistanceUnitType().getItems()) {
        const CDistanceUnitWithProjectUnit same(item.value);
        EXPECT_EQ(same.getLocalizedName(), CString(item.name));
        EXPECT_GT(metersPerDistanceUnit(item.value), 0.0);
    }
    EXPECT_FALSE(CDistanceUnitType(CDistanceUnitWithProjectUnit::ProjectUnit).isKnownValue());
    EXPECT_EQ(metersPerDistanceUnit(CDistanceUnitWithProjectUnit::ProjectUnit), 0.0);
}
