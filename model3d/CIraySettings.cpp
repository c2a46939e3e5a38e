#include "kelvara/model3d/CIraySettings.h"

CIraySettings::CIraySettings() {
    setRenderMode(0);
    setMaxIterations(300);
    setMaxSeconds(300);
    setTimeOfDay(2);
    setSunAltitude(0.0709629);
    setSunBrightness(0.10132);
    setCameraShutter(64.0);
    setExportFocusTime(false);
    setInstancing(false);
    setSchedulerModeBatch(false);
    setMouseLook(false);
    setDeepLearningDenoiserEnabled(false);
    setDeepLearningDenoiserStartIter(8);
}
