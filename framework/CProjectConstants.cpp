#include "kelvara/framework/CProjectConstants.h"

#include "kelvara/base/ICode.h"
#include "kelvara/platform/System.h"

const wchar_t* CProjectConstants::getCharactersNotAllowedInSegmentNames() { return L"@*.~/=\'\"\\|,()[]{}"; }

const char** CProjectConstants::get3DImportFormatsToIgnore() {
    static const char* formats[] = {"hmf", "hsx", "obj", "ply", "stl", "iv", "ipt", "iam",
                                    "vda", "wrl", "ptx", "ptxb", "pts", "ptsb", "xyz", ""};
    return formats;
}

const char** CProjectConstants::get3DExportFormatsToIgnore() {
    static const char* formats[] = {"hmf", "hsx", "obj", "ply", "stl", ""};
    return formats;
}

CString CProjectConstants::get3DFilterName() { return CString(L"3D Object Filter"); }
CString CProjectConstants::get3DSelectionFilterName() { return CString(L"3D by Selection"); }
CString CProjectConstants::get3DTaskFilterName() { return CString(L"Same as Task Filter"); }
CString CProjectConstants::getFinishedTasksFilterName() { return CString(L"Finished Tasks"); }
CString CProjectConstants::getKeyDatesFilterName() { return CString(L"Key Dates"); }
CString CProjectConstants::getNameOfAdministratorRole() { return CString(L"Administrator"); }
CString CProjectConstants::getNameOfGuestRole() { return CString(L"Guest"); }
CString CProjectConstants::getNameOfPlannerRole() { return CString(L"Planner"); }
CString CProjectConstants::getNameOfUserRole() { return CString(L"User"); }
CString CProjectConstants::getOneWeekLookAheadFilterName() { return CString(L"One Week Look Ahead"); }
CString CProjectConstants::getScratchDirectoryMarker() { return CString(L"-kelvara"); }
CString CProjectConstants::getStartedTasksFilterName() { return CString(L"Started Tasks"); }
CString CProjectConstants::getKelvaraLinkExecutableFileName() { return CString(L"KelvaraLink"); }
CString CProjectConstants::getTaskGridDataFontFace() { return CString(L"Arial"); }
CString CProjectConstants::getTaskGridHeadingsFontFace() { return CString(L"Arial"); }
CString CProjectConstants::getTwoWeekLookAheadFilterName() { return CString(L"Two Week Look Ahead"); }
unsigned long CProjectConstants::get3dControlFaceColor() { return GetSysColor(15); }
unsigned long CProjectConstants::get3dControlHighlightColor() { return GetSysColor(22); }
unsigned long CProjectConstants::get3dControlShadowColor() { return GetSysColor(16); }
unsigned long CProjectConstants::get3dControlTextColor() { return GetSysColor(18); }
unsigned long CProjectConstants::get3dMenuColor() { return GetSysColor(4); }
unsigned long CProjectConstants::get3dMenuTextColor() { return GetSysColor(7); }
unsigned long CProjectConstants::get3dScrollBarGrayColor() { return GetSysColor(0); }
unsigned long CProjectConstants::get3dTooltipBackgroundColor() { return GetSysColor(24); }
unsigned long CProjectConstants::get3dTooltipTextColor() { return GetSysColor(23); }
int CProjectConstants::getBiggestMaximumCodeValueLength() { return 255; }
float CProjectConstants::getBirdseyeCameraPositionIndicatorScale() { return 2.0f; }
std::uint64_t CProjectConstants::getBytesPerKilobyte() { return 1024ull; }
std::uint64_t CProjectConstants::getBytesPerMegabyte() { return 1048576ull; }
float CProjectConstants::getCameraGimbleSafetyMargin() { return 0.01f; }
int CProjectConstants::getCapacityToSizeMaximumRatio() { return 4; }
unsigned long CProjectConstants::getClashViewerColor1() { return 0x0000FFul; }
unsigned long CProjectConstants::getClashViewerColor2() { return 0xFF0000ul; }
int CProjectConstants::getClashViewerOpaqueness() { return 50; }
unsigned long CProjectConstants::getControlBackgroundColor() { return 0xFFFFFFul; }
int CProjectConstants::getDaysPerWeek() { return 7; }
int CProjectConstants::getDefault3DDisplayMode() { return 6; }
int CProjectConstants::getDefaultAVIExportSpeed() { return 3; }
unsigned long CProjectConstants::getDefaultActivityCodeBackgroundColor() { return 0xFFFFFFul; }
unsigned long CProjectConstants::getDefaultActivityCodeForegroundColor() { return 0x000000ul; }
int CProjectConstants::getDefaultAnimationRecordingDestinationMode() { return 1; }
int CProjectConstants::getDefaultAntiAliasingLevel() { return 1; }
int CProjectConstants::getDefaultApplicationLookMode() { return 25; }
int CProjectConstants::getDefaultChartType() { return 2; }
unsigned long CProjectConstants::getDefaultCompanyColor() { return 0xFFFFFFul; }
int CProjectConstants::getDefaultCurrencyUnit() { return 2; }
int CProjectConstants::getDefaultDisplayChartFor() { return 1; }
int CProjectConstants::getDefaultDisplayUtilisationChartFor() { return 7; }
int CProjectConstants::getDefaultDistanceUnitType() { return 3; }
int CProjectConstants::getDefaultDockingMode() { return 3; }
int CProjectConstants::getDefaultFloatMode() { return 1; }
int CProjectConstants::getDefaultGanttLinkDisplayStyle() { return 2; }
int CProjectConstants::getDefaultGradientUnitType() { return 1; }
int CProjectConstants::getDefaultGravityMode() { return 1; }
int CProjectConstants::getDefaultInertiaHalfLifeUnitType() { return 2; }
unsigned long CProjectConstants::getDefaultInstallUseProfileColor() { return 0x00FF00ul; }
int CProjectConstants::getDefaultLookAheadDateRangeDays() { return 14; }
unsigned long CProjectConstants::getDefaultMaintainUseProfileColor() { return 0x00FFFFul; }
int CProjectConstants::getDefaultMaximumCodeValueLength() { return ICode::kDefaultMaximumValueLength; }
int CProjectConstants::getDefaultMaximumReplaceProjectLag() { return 3600; }
int CProjectConstants::getDefaultMinimumReplaceProjectLag() { return 60; }
unsigned long CProjectConstants::getDefaultRemoveUseProfileColor() { return 0x03A1FFul; }
int CProjectConstants::getDefaultResourceWizardNewResourceType() { return 1; }
int CProjectConstants::getDefaultResourceWizardResourceCreationMode() { return 0; }
float CProjectConstants::getDefaultSceneSizeForEmptyScenes() { return 5.0f; }
int CProjectConstants::getDefaultScreenSpaceUnitType() { return 1; }
int CProjectConstants::getDefaultSpeedUnitType() { return 1; }
int CProjectConstants::getDefaultSubdivisionPreviewMode() { return 1; }
int CProjectConstants::getDefaultTabStyleMode() { return 2; }
int CProjectConstants::getDefaultTaskDurationType() { return 1; }
int CProjectConstants::getDefaultTaskProgressDisplayType() { return 1; }
int CProjectConstants::getDefaultTaskProgressMode() { return 1; }
int CProjectConstants::getDefaultTaskProgressType() { return 1; }
int CProjectConstants::getDefaultTaskRiskType() { return 1; }
int CProjectConstants::getDefaultTaskViewIndentationMargin() { return 3; }
unsigned long CProjectConstants::getDefaultTemporaryUseProfileColor() { return 0xFF0000ul; }
int CProjectConstants::getDefaultWireframeDetailLevel() { return 135; }
float CProjectConstants::getDelayedDragActivationSeconds() { return 0.5f; }
unsigned long CProjectConstants::getDisabledControlBackgroundColor() { return 0xE6E6E6ul; }
int CProjectConstants::getDragStartPixelThreshold() { return 3; }
float CProjectConstants::getEstimatedSecondsToProcessOneTransaction() { return 0.25f; }
double CProjectConstants::getGanttAutoScrollClipProportion() { return 0.05; }
double CProjectConstants::getGanttAutoScrollRate() { return 0.1; }
double CProjectConstants::getGanttAutoScrollWindowProportion() { return 0.25; }
int CProjectConstants::getGanttRowHeightMargin() { return 8; }
double CProjectConstants::getGanttRulerDragScrollDelay() { return 0.05; }
double CProjectConstants::getGanttRulerDragScrollInitialDelay() { return 0.5; }
double CProjectConstants::getGanttRulerDragScrollSpeed() { return 500.0; }
double CProjectConstants::getGanttRulerDragScrollZoneMaximumProportion() { return 0.25; }
double CProjectConstants::getGanttRulerDragScrollZoneMaximumWidth() { return 64.0; }
int CProjectConstants::getGanttRulerHeight() { return 40; }
int CProjectConstants::getGanttRulerLineHeight() { return 14; }
int CProjectConstants::getHoursPerDay() { return 24; }
int CProjectConstants::getHoursPerWeek() { return 168; }
unsigned long CProjectConstants::getIconMaskColor() { return 0xF5F3B7ul; }
float CProjectConstants::getInchesPerFoot() { return 12.0f; }
std::uint64_t CProjectConstants::getKilobytesPerMegabyte() { return 1024ull; }
int CProjectConstants::getLargeArrayThreshold() { return 1000; }
int CProjectConstants::getMaxResourceIDLength() { return 20; }
int CProjectConstants::getMaxRuleIDLength() { return 20; }
int CProjectConstants::getMaxTaskNameLength() { return 1024; }
int CProjectConstants::getMaxTimeblocksPerDayType() { return 24; }
int CProjectConstants::getMaximum3DSubdivisionParts() { return 1000; }
int CProjectConstants::getMaximum3DSubdivisionPartsPerDimension() { return 100; }
double CProjectConstants::getMaximumClashTestTolerance() { return 1000000.0; }
int CProjectConstants::getMaximumUserPhotoSize() { return 1200; }
int CProjectConstants::getMaximumWireframeDetailLevel() { return 180; }
float CProjectConstants::getMetersPerKilometer() { return 1000.0f; }
float CProjectConstants::getMetersPerMile() { return 1609.344f; }
float CProjectConstants::getMillimetersPerCentimeter() { return 10.0f; }
float CProjectConstants::getMillimetersPerFoot() { return 304.8f; }
float CProjectConstants::getMillimetersPerInch() { return 25.4f; }
float CProjectConstants::getMillimetersPerMeter() { return 1000.0f; }
int CProjectConstants::getMillisecondsPerSecond() { return 1000; }
float CProjectConstants::getMinimumDistanceToBackOfModelPlaneAsProportionOfModelSize() { return 0.01f; }
float CProjectConstants::getMinimumElevationForZoomingCameraToObjects() { return 0.1f; }
int CProjectConstants::getMinimumGridColumnWidth() { return 32; }
int CProjectConstants::getMinimumNumberOfTasksInRescheduleSetToWarrentFullUpdates() { return 1000; }
float CProjectConstants::getMinimumProportionOfTasksInRescheduleSetToWarrentFullUpdates() { return 0.05f; }
int CProjectConstants::getMinimumWireframeDetailLevel() { return 90; }
int CProjectConstants::getMinutesPerDay() { return 1440; }
int CProjectConstants::getMinutesPerHour() { return 60; }
wchar_t CProjectConstants::getPasswordCharacter() { return L'*'; }
float CProjectConstants::getPrintingBorderMillimetres() { return 0.8f; }
float CProjectConstants::getPrintingLegendHeightMillimetres() { return 17.0f; }
float CProjectConstants::getPrintingLogoAspectRatio() { return 1.2f; }
float CProjectConstants::getPrintingPagenumberHeightMillimetres() { return 3.0f; }
float CProjectConstants::getPrintingTaskviewIdealFontHeightMillimetres() { return 5.0f; }
unsigned int CProjectConstants::getReadPageSize() { return 4096u; }
int CProjectConstants::getScrollZoneSize() { return 10; }
int CProjectConstants::getSecondsPerDay() { return 86400; }
int CProjectConstants::getSecondsPerDeciMinute() { return 6; }
int CProjectConstants::getSecondsPerHour() { return 3600; }
int CProjectConstants::getSecondsPerMinute() { return 60; }
int CProjectConstants::getSecondsPerWeek() { return 604800; }
int CProjectConstants::getSelectionHighlightNonSelectedOpacity() { return 100; }
int CProjectConstants::getSmallestMaximumCodeValueLength() { return 1; }
int CProjectConstants::getStandardModalDialogWidthInDialogUnits() { return 252; }
float CProjectConstants::getStrengthOfGravityOnEarth() { return 9.8f; }
float CProjectConstants::getStrengthOfGravityOnMoon() { return 1.6f; }
unsigned long CProjectConstants::getSubdivisionPreviewManipulatorColor() { return 0x000000ul; }
int CProjectConstants::getTaskGridDataFontSize() { return 8; }
int CProjectConstants::getTaskGridHeadingsFontSize() { return 8; }
int CProjectConstants::getTaskViewFillAreaWeight() { return 4; }
int CProjectConstants::getTaskViewFillToHandleSize() { return 3; }
int CProjectConstants::getTaskViewIndentationLineWidth() { return 4; }
int CProjectConstants::getTaskViewPreEditCellWeight() { return 3; }
int CProjectConstants::getTaskviewColumnResizeMargin() { return 5; }
int CProjectConstants::getTaskviewExpandBoxSize() { return 11; }
int CProjectConstants::getTaskviewExpandBoxSpacing() { return 2; }
int CProjectConstants::getTaskviewIndexColumnWidth() { return 40; }
int CProjectConstants::getTicksPerSecond() { return 1000; }
float CProjectConstants::getTransparencyCoefficientForSubsequentProposedReschedules() { return 0.5f; }
float CProjectConstants::getWaitCursorThresholdSeconds() { return 0.5f; }
double CProjectConstants::getZoomProportion() { return 1.2; }
