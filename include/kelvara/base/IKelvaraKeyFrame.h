// The part every key frame holds: its identifier, the tick at which it stands on its timeline's
// axis, and how the values between it and the next key frame are found. The key frames of the
// camera, event, focus-time and path timelines each embed one part (field KeyFrame) and read their
// identifier, tick and interpolation type through it.
#pragma once

#include "kelvara/base/CKelvaraEnumeration.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

// How the values between a key frame and the next one are found; the interpolators read it from
// the key frame in force:
//   0 Discrete   the key frame's value holds until the next key frame
//   1 Linear     a straight-line blend of the two key frames
//   2 Bezier     a smooth cubic curve through the key frames (the default)
//   3 Spherical  directions turn at a constant rate along the great circle between them
KELVARA_ENUMERATION(CInterpolationType,
                    (Discrete, 0, "Discrete"),
                    (Linear, 1, "Linear"),
                    (Bezier, 2, "Bezier"),
                    (Spherical, 3, "Spherical"))

// A new part has a fresh identifier (so key frames built from a tick alone can share a timeline),
// no tick (-1) and the smooth interpolation.
#define KELVARA_FIELDS_KelvaraKeyFrame(F)                                              \
    F(IDENTITY, CKeyFrameID, ID, CKeyFrameID::generated(), 1)                          \
    F(VALUE, CProjectInt, Tick, -1, 1)                                                 \
    F(VALUE, CInterpolationType, InterpolationType, CInterpolationType::Bezier, 1)

class IKelvaraKeyFrame : public CRecord<IKelvaraKeyFrame> {
    KELVARA_INTERFACE(KelvaraKeyFrame)
    KELVARA_RECORD(IKelvaraKeyFrame, "KelvaraKeyFrame", KELVARA_FIELDS_KelvaraKeyFrame)

public:
    void copy(const IKelvaraKeyFrame& other) { copyFrom(other); }
};

// Inside a key frame's interface whose field list embeds the part as KeyFrame: the part's
// accessors on the key frame itself. The identifier is the key frame's identity (lists find key
// frames by it, and it gives the object-state GUID). reported is the interpolation type the key
// frame always reports and stored the one its setter always stores, or -1 where the part's value
// is reported or the given one stored.
#define KELVARA_KEY_FRAME_ACCESSORS(reported, stored)                                                 \
public:                                                                                               \
    virtual const CKeyFrameID& getID() const { return keyFramePart().getID(); }                       \
    void setID(const CKeyFrameID& id) { getWritableKeyFrame().setID(id); }                            \
    const CProjectInt& getTick() const { return keyFramePart().getTick(); }                           \
    void setTick(int tick) { getWritableKeyFrame().setTick(CProjectInt(tick)); }                      \
    const CInterpolationType& getInterpolationType() const {                                          \
        static const CInterpolationType fixed(reported);                                              \
        return (reported) >= 0 ? fixed : keyFramePart().getInterpolationType();                       \
    }                                                                                                 \
    void setInterpolationType(const CInterpolationType& type) {                                       \
        getWritableKeyFrame().setInterpolationType((stored) >= 0 ? CInterpolationType(stored) : type); \
    }                                                                                                 \
    const _GUID& getObjectStateGUID() const override { return keyFramePart().getID().getGUID(); }     \
                                                                                                      \
protected:                                                                                            \
    virtual const IKelvaraKeyFrame& keyFramePart() const = 0;                                         \
                                                                                                      \
public:
