// Settings of the renderer: plain numbers and flags (PLAIN fields, see Record.h).
#pragma once

#include "kelvara/base/Record.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_IraySettings(F) \
    F(PLAIN, CProjectInt, RenderMode, 0, 1)                         \
    F(PLAIN, CProjectInt, MaxIterations, 300, 1)                    \
    F(PLAIN, CProjectInt, MaxSeconds, 300, 1)                       \
    F(PLAIN, CProjectInt, TimeOfDay, 2, 1)                          \
    F(PLAIN, CProjectDouble, SunAltitude, 0.0709629, 1)             \
    F(PLAIN, CProjectDouble, SunBrightness, 0.10132, 1)             \
    F(PLAIN, CProjectDouble, CameraShutter, 64.0, 1)                \
    F(PLAIN, CProjectBool, ExportFocusTime, false, 1)               \
    F(PLAIN, CProjectBool, Instancing, false, 1)                    \
    F(FLAG, CProjectBool, SchedulerModeBatch, false, 1)             \
    F(FLAG, CProjectBool, MouseLook, false, 1)                      \
    F(FLAG, CProjectBool, DeepLearningDenoiserEnabled, false, 1)    \
    F(PLAIN, CProjectInt, DeepLearningDenoiserStartIter, 8, 1)

class IIraySettings : public CRecord<IIraySettings> {
    KELVARA_INTERFACE(IraySettings)
    KELVARA_RECORD(IIraySettings, "IraySettings", KELVARA_FIELDS_IraySettings)
};

