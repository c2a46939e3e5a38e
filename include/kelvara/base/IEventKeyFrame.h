// A key frame of an animation's event timeline: from its tick on, which grids and 3D notations
// are shown or hidden. Events switch rather than blend, so an event key frame always reports the
// discrete interpolation (value 0) whatever its part stores.
#pragma once

#include "kelvara/base/IKelvaraKeyFrame.h"

#define KELVARA_FIELDS_EventKeyFrame(F)                            \
    F(EMBEDDED, KelvaraKeyFrame, KeyFrame, {}, 1)                  \
    F(PLAIN, CProjectBool, ShowMainGrid, false, 1)                 \
    F(PLAIN, CProjectBool, HideMainGrid, false, 1)                 \
    F(PLAIN, CProjectBool, HideAllUserGrids, false, 1)             \
    F(PLAIN, CProjectBool, HideAll3DNotations, false, 1)           \
    F(VALUE, CUserGridIDArray, ShownUserGridIDs, {}, 1)            \
    F(VALUE, CUserGridIDArray, HiddenUserGridIDs, {}, 1)           \
    F(VALUE, C3DNotationIDArray, Shown3DNotationIDs, {}, 1)        \
    F(VALUE, C3DNotationIDArray, Hidden3DNotationIDs, {}, 1)

class IEventKeyFrame : public CRecord<IEventKeyFrame> {
    KELVARA_INTERFACE(EventKeyFrame)
    KELVARA_RECORD(IEventKeyFrame, "EventKeyFrame", KELVARA_FIELDS_EventKeyFrame)
    KELVARA_KEY_FRAME_ACCESSORS(CInterpolationType::Discrete, -1)
};
