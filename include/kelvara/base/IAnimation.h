// A recorded fly-through of the 4D model: up to three timelines over one tick axis. The camera
// timeline says where the viewer stands and looks, the event timeline which grids and 3D
// notations are shown, the focus-time timeline which project date the model shows.
#pragma once

#include "kelvara/base/ICameraTimeline.h"
#include "kelvara/base/IEventTimeline.h"
#include "kelvara/base/IProjectTimeTimeline.h"

#define KELVARA_FIELDS_Animation(F)                                     \
    F(IDENTITY, CAnimationID, ID, CAnimationID::generated(), 1)         \
    F(VALUE, CProjectString, Name, {}, 1)                               \
    F(VALUE, CProjectString, AVIExportProperty, {}, 1)                  \
    F(OPTIONAL, CameraTimeline, CameraTimeline, {}, 1)                  \
    F(OPTIONAL, EventTimeline, EventTimeline, {}, 1)                    \
    F(OPTIONAL, ProjectTimeTimeline, FocusTimeTimeline, {}, 1)

class IAnimation : public CRecord<IAnimation> {
    KELVARA_INTERFACE(Animation)
    KELVARA_RECORD(IAnimation, "Animation", KELVARA_FIELDS_Animation)

public:
    // The video export settings a new named animation starts with: entries Key=value; (frame size
    // in pixels, frames per second, quality in percent, no compressor chosen).
    static constexpr const wchar_t* kDefaultAVIExportProperty =
        L"Width=1280;Height=720;FramesPerSecond=25;Quality=100;Codec=;";

    // What a new named animation starts with: the default video export settings and an empty
    // timeline of each kind (camera, event and focus time), ready to receive key frames. The
    // name and the identifier are left as they are.
    void initDefault();

    bool hasCameraTimeline() const { return !getCameraTimeline().isNull(); }
    bool hasEventTimeline() const { return !getEventTimeline().isNull(); }
    bool hasFocusTimeTimeline() const { return !getFocusTimeTimeline().isNull(); }
    void removeCameraTimeline() { clearCameraTimeline(); }
    void removeEventTimeline() { clearEventTimeline(); }
    void removeFocusTimeTimeline() { clearFocusTimeTimeline(); }
    // The setters (setCameraTimeline and the others, from the field list) copy the argument into
    // the present timeline or a new one; handing an animation its own timeline changes nothing.

protected:
    ICameraTimelineWritableHandle getWritableCameraTimeline();
    IEventTimelineWritableHandle getWritableEventTimeline();
    IProjectTimeTimelineWritableHandle getWritableTemporalTimeline();
    // A new empty timeline in an absent member; a present one is kept.
    void createCameraTimeline() { (void)allocateCameraTimeline(); }
    void createEventTimeline() { (void)allocateEventTimeline(); }
    void createFocusTimeTimeline() { (void)allocateFocusTimeTimeline(); }
};
