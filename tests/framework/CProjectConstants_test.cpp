#include <gtest/gtest.h>

#include <cstring>

#include "kelvara/framework/CProjectConstants.h"
#include "kelvara/platform/System.h"

using K = CProjectConstants;

TEST(ProjectConstants, Texts) {
    EXPECT_EQ(K::get3DFilterName(), L"3D Object Filter");
    EXPECT_EQ(K::get3DSelectionFilterName(), L"3D by Selection");
    EXPECT_EQ(K::get3DTaskFilterName(), L"Same as Task Filter");
    EXPECT_EQ(K::getFinishedTasksFilterName(), L"Finished Tasks");
    EXPECT_EQ(K::getKeyDatesFilterName(), L"Key Dates");
    EXPECT_EQ(K::getNameOfAdministratorRole(), L"Administrator");
    EXPECT_EQ(K::getNameOfGuestRole(), L"Guest");
    EXPECT_EQ(K::getNameOfPlannerRole(), L"Planner");
    EXPECT_EQ(K::getNameOfUserRole(), L"User");
    EXPECT_EQ(K::getOneWeekLookAheadFilterName(), L"One Week Look Ahead");
    EXPECT_EQ(K::getTwoWeekLookAheadFilterName(), L"Two Week Look Ahead");
    EXPECT_EQ(K::getScratchDirectoryMarker(), L"-kelvara");
    EXPECT_EQ(K::getStartedTasksFilterName(), L"Started Tasks");
    EXPECT_EQ(K::getKelvaraLinkExecutableFileName(), L"KelvaraLink");
    EXPECT_EQ(K::getTaskGridDataFontFace(), L"Arial");
    EXPECT_EQ(K::getTaskGridHeadingsFontFace(), L"Arial");
    EXPECT_EQ(K::getPasswordCharacter(), L'*');
}

TEST(ProjectConstants, SegmentNameCharactersInOrder) {
    EXPECT_STREQ(K::getCharactersNotAllowedInSegmentNames(), L"@*.~/='\"\\|,()[]{}");
    EXPECT_EQ(std::wcslen(K::getCharactersNotAllowedInSegmentNames()), 17u);
}

TEST(ProjectConstants, ExtensionListsEndWithAnEmptyTextAndExportIsAPrefixOfImport) {
    const std::vector<std::string> import = {"hmf", "hsx", "obj", "ply", "stl", "iv", "ipt", "iam",
                                             "vda", "wrl", "ptx", "ptxb", "pts", "ptsb", "xyz"};
    const char** in = K::get3DImportFormatsToIgnore();
    const char** out = K::get3DExportFormatsToIgnore();
    std::size_t i = 0;
    for (; in[i][0] != '\0'; ++i) {
        ASSERT_LT(i, import.size());
        EXPECT_EQ(in[i], import[i]);
    }
    EXPECT_EQ(i, import.size());
    std::size_t e = 0;
    for (; out[e][0] != '\0'; ++e) {
        ASSERT_LT(e, i);
        EXPECT_STREQ(out[e], in[e]);
    }
    EXPECT_EQ(e, 5u);
}

TEST(ProjectConstants, SystemColoursComeFromTheSystemTable) {
    EXPECT_EQ(K::get3dControlFaceColor(), GetSysColor(15));
    EXPECT_EQ(K::get3dControlHighlightColor(), GetSysColor(22));
    EXPECT_EQ(K::get3dControlShadowColor(), GetSysColor(16));
    EXPECT_EQ(K::get3dControlTextColor(), GetSysColor(18));
    EXPECT_EQ(K::get3dMenuColor(), GetSysColor(4));
    EXPECT_EQ(K::get3dMenuTextColor(), GetSysColor(7));
    EXPECT_EQ(K::get3dScrollBarGrayColor(), GetSysColor(0));
    EXPECT_EQ(K::get3dTooltipBackgroundColor(), GetSysColor(24));
    EXPECT_EQ(K::get3dTooltipTextColor(), GetSysColor(23));
    EXPECT_NE(K::get3dControlFaceColor(), K::get3dControlTextColor());
}

TEST(ProjectConstants, Numbers) {
    EXPECT_EQ(K::getBiggestMaximumCodeValueLength(), 255);
    EXPECT_EQ(K::getSmallestMaximumCodeValueLength(), 1);
    EXPECT_EQ(K::getDefaultMaximumCodeValueLength(), 20);
    EXPECT_EQ(K::getClashViewerColor1(), 0x0000FFul);
    EXPECT_EQ(K::getClashViewerColor2(), 0xFF0000ul);
    EXPECT_EQ(K::getClashViewerOpaqueness(), 50);
    EXPECT_EQ(K::getDefault3DDisplayMode(), 6);
    EXPECT_EQ(K::getDefaultApplicationLookMode(), 25);
    EXPECT_EQ(K::getDefaultDisplayUtilisationChartFor(), 7);
    EXPECT_EQ(K::getDefaultDistanceUnitType(), 3);
    EXPECT_EQ(K::getDefaultInstallUseProfileColor(), 0x00FF00ul);
    EXPECT_EQ(K::getDefaultMaintainUseProfileColor(), 0x00FFFFul);
    EXPECT_EQ(K::getDefaultRemoveUseProfileColor(), 0x03A1FFul);
    EXPECT_EQ(K::getDefaultTemporaryUseProfileColor(), 0xFF0000ul);
    EXPECT_EQ(K::getDefaultResourceWizardResourceCreationMode(), 0);
    EXPECT_EQ(K::getDefaultLookAheadDateRangeDays(), 14);
    EXPECT_EQ(K::getDefaultWireframeDetailLevel(), 135);
    EXPECT_EQ(K::getDisabledControlBackgroundColor(), 0xE6E6E6ul);
    EXPECT_EQ(K::getIconMaskColor(), 0xF5F3B7ul);
    EXPECT_EQ(K::getGanttRulerHeight(), 40);
    EXPECT_EQ(K::getMaxTaskNameLength(), 1024);
    EXPECT_EQ(K::getMaximum3DSubdivisionPartsPerDimension(), 100);
    EXPECT_EQ(K::getMaximumUserPhotoSize(), 1200);
    EXPECT_EQ(K::getReadPageSize(), 4096u);
    EXPECT_EQ(K::getStandardModalDialogWidthInDialogUnits(), 252);
    EXPECT_EQ(K::getTaskviewExpandBoxSize(), 11);
    EXPECT_EQ(K::getTicksPerSecond(), 1000);
    EXPECT_EQ(K::getCameraGimbleSafetyMargin(), 0.01f);
    EXPECT_EQ(K::getMetersPerMile(), 1609.344f);
    EXPECT_EQ(K::getMillimetersPerInch(), 25.4f);
    EXPECT_EQ(K::getStrengthOfGravityOnEarth(), 9.8f);
    EXPECT_EQ(K::getStrengthOfGravityOnMoon(), 1.6f);
    EXPECT_EQ(K::getPrintingBorderMillimetres(), 0.8f);
    EXPECT_EQ(K::getMinimumProportionOfTasksInRescheduleSetToWarrentFullUpdates(), 0.05f);
    EXPECT_EQ(K::getGanttAutoScrollClipProportion(), 0.05);
    EXPECT_EQ(K::getGanttRulerDragScrollSpeed(), 500.0);
    EXPECT_EQ(K::getMaximumClashTestTolerance(), 1000000.0);
    EXPECT_EQ(K::getZoomProportion(), 1.2);
}

TEST(ProjectConstants, ArithmeticRelations) {
    EXPECT_EQ(K::getSecondsPerWeek(), K::getDaysPerWeek() * K::getSecondsPerDay());
    EXPECT_EQ(K::getSecondsPerWeek(), 604800);
    EXPECT_EQ(K::getHoursPerWeek(), 7 * 24);
    EXPECT_EQ(K::getHoursPerDay(), 24);
    EXPECT_EQ(K::getSecondsPerDay(), K::getHoursPerDay() * K::getSecondsPerHour());
    EXPECT_EQ(K::getMinutesPerDay(), K::getHoursPerDay() * K::getMinutesPerHour());
    EXPECT_EQ(K::getSecondsPerHour(), K::getMinutesPerHour() * K::getSecondsPerMinute());
    EXPECT_EQ(K::getSecondsPerMinute(), 10 * K::getSecondsPerDeciMinute());
    EXPECT_EQ(K::getDefaultMaximumReplaceProjectLag(), K::getSecondsPerHour());
    EXPECT_EQ(K::getDefaultMinimumReplaceProjectLag(), K::getSecondsPerMinute());
    EXPECT_EQ(K::getBytesPerMegabyte(), K::getBytesPerKilobyte() * K::getKilobytesPerMegabyte());
    EXPECT_EQ(K::getMillimetersPerMeter(), K::getMillimetersPerCentimeter() * 100.0f);
    EXPECT_EQ(K::getMetersPerKilometer(), 1000.0f);
    EXPECT_FLOAT_EQ(K::getMillimetersPerFoot(), K::getMillimetersPerInch() * K::getInchesPerFoot());
    EXPECT_EQ(K::getLargeArrayThreshold(), 1000);
    EXPECT_EQ(K::getCapacityToSizeMaximumRatio(), 4);
    EXPECT_LT(K::getMinimumWireframeDetailLevel(), K::getDefaultWireframeDetailLevel());
    EXPECT_LT(K::getDefaultWireframeDetailLevel(), K::getMaximumWireframeDetailLevel());
    EXPECT_LE(K::getSmallestMaximumCodeValueLength(), K::getDefaultMaximumCodeValueLength());
    EXPECT_LE(K::getDefaultMaximumCodeValueLength(), K::getBiggestMaximumCodeValueLength());
}
