// Settings of the renderer: plain numbers and flags (PLAIN fields, see Record.h).
#pragma once

#include "kelvara/base/Record.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(IraySettings)

#define KELVARA_IRAYSETTINGS_FIELDS(F)                       \
    F(PLAIN, CProjectInt, RenderMode)                        \
    F(PLAIN, CProjectInt, MaxIterations)                     \
    F(PLAIN, CProjectInt, MaxSeconds)                        \
    F(PLAIN, CProjectInt, TimeOfDay)                         \
    F(PLAIN, CProjectDouble, SunAltitude)                    \
    F(PLAIN, CProjectDouble, SunBrightness)                  \
    F(PLAIN, CProjectDouble, CameraShutter)                  \
    F(PLAIN, CProjectBool, ExportFocusTime)                  \
    F(PLAIN, CProjectBool, Instancing)                       \
    F(PLAIN, CProjectBool, SchedulerModeBatch)               \
    F(PLAIN, CProjectBool, MouseLook)                        \
    F(PLAIN, CProjectBool, DeepLearningDenoiserEnabled)      \
    F(PLAIN, CProjectInt, DeepLearningDenoiserStartIter)

class IIraySettings : public CRecord<IIraySettings> {
    KELVARA_INTERFACE(IraySettings)
    KELVARA_RECORD(IIraySettings, "IraySettings", KELVARA_IRAYSETTINGS_FIELDS)
    KELVARA_PLAIN_ACCESSORS(int, RenderMode)
    KELVARA_PLAIN_ACCESSORS(int, MaxIterations)
    KELVARA_PLAIN_ACCESSORS(int, MaxSeconds)
    KELVARA_PLAIN_ACCESSORS(int, TimeOfDay)
    KELVARA_PLAIN_ACCESSORS(double, SunAltitude)
    KELVARA_PLAIN_ACCESSORS(double, SunBrightness)
    KELVARA_PLAIN_ACCESSORS(double, CameraShutter)
    KELVARA_PLAIN_ACCESSORS(bool, ExportFocusTime)
    KELVARA_PLAIN_ACCESSORS(bool, Instancing)
    KELVARA_PLAIN_FLAG_ACCESSORS(SchedulerModeBatch)
    KELVARA_PLAIN_FLAG_ACCESSORS(MouseLook)
    KELVARA_PLAIN_FLAG_ACCESSORS(DeepLearningDenoiserEnabled)
    KELVARA_PLAIN_ACCESSORS(int, DeepLearningDenoiserStartIter)
};

KELVARA_INTERFACE_FAMILY(IraySettings)
