// A path's timeline: path keys in tick order (see ITimeline for the tick rules shared by every
// timeline), which can be normalised to run from tick 0 to IPathKey::GetMaxTick().
#pragma once

#include "kelvara/base/IPathKey.h"
#include "kelvara/base/ITimeline.h"

#define KELVARA_FIELDS_PathTimeline(F)            \
    F(EMBEDDED, Timeline, Timeline, {}, 1)        \
    F(CHILDREN, PathKey, Keyframes, {}, 1)

class IPathTimeline : public CRecord<IPathTimeline> {
    KELVARA_INTERFACE(PathTimeline)
    KELVARA_RECORD(IPathTimeline, "PathTimeline", KELVARA_FIELDS_PathTimeline)
    KELVARA_TIMELINE_INTERFACE(PathTimeline, PathKey, Keyframes)

public:
    // A path key built from the values, added as addKeyFrame adds one.
    virtual int addKeyFrame(const CKeyFrameID& id, const CGraphicalPoint3D& position, const CQuat& rotation,
                            const CGraphicalPoint3D& center, int tick) = 0;
    // This timeline becomes a copy of source with its keys moved to run from 0 to
    // IPathKey::GetMaxTick(): key i goes to (tick_i - t0) * GetMaxTick() / (t1 - t0), truncated
    // toward zero, t0 and t1 being the first and last key's ticks (every key to 0 when they are
    // equal); keys landing on a tick already taken are dropped. The timeline keeps source's
    // identifier. False, leaving the plain copy of source, when source has no keys or a key
    // without a valid tick.
    virtual bool Normalize(const IPathTimeline& source) = 0;
    // (tick - t0) / (t1 - t0), unclamped (0 factor when t0 == t1); 0.0 for a timeline without keys
    // or whose first or last key has no valid tick.
    virtual double getNormalizedTick(int tick) const = 0;
};
