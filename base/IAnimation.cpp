#include "kelvara/base/IAnimation.h"

void IAnimation::initDefault() {
    setAVIExportProperty(CProjectString(kDefaultAVIExportProperty));
    createCameraTimeline();
    createEventTimeline();
    createFocusTimeTimeline();
}

ICameraTimelineWritableHandle IAnimation::getWritableCameraTimeline() {
    return hasCameraTimeline() ? allocateCameraTimeline() : ICameraTimelineWritableHandle();
}

IEventTimelineWritableHandle IAnimation::getWritableEventTimeline() {
    return hasEventTimeline() ? allocateEventTimeline() : IEventTimelineWritableHandle();
}

IProjectTimeTimelineWritableHandle IAnimation::getWritableTemporalTimeline() {
    return hasFocusTimeTimeline() ? allocateFocusTimeTimeline() : IProjectTimeTimelineWritableHandle();
}
