// A key of a path's timeline: the placement of the animated object at its tick, as a rotation
// about a centre of rotation followed by a translation. Path keys always interpolate smoothly:
// they report the Bezier type (value 2), and setting any type stores that value.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/IGraphicalTransform.h"
#include "kelvara/base/IKelvaraKeyFrame.h"

#define KELVARA_FIELDS_PathKey(F)                                  \
    F(EMBEDDED, KelvaraKeyFrame, KeyFrame, {}, 1)                  \
    F(VALUE, CGraphicalPoint3D, Position, {}, 1)                   \
    F(VALUE, CQuat, Rotation, {}, 1)                               \
    F(VALUE, CGraphicalPoint3D, Center, {}, 1)

class IPathKey : public CRecord<IPathKey> {
    KELVARA_INTERFACE(PathKey)
    KELVARA_RECORD(IPathKey, "PathKey", KELVARA_FIELDS_PathKey)
    KELVARA_KEY_FRAME_ACCESSORS(CInterpolationType::Bezier, CInterpolationType::Bezier)

public:
    // The tick a normalised path timeline ends at: normalising maps the first key to 0 and the
    // last to this.
    static constexpr int kMaxTick = 10000;
    static int GetMaxTick() noexcept { return kMaxTick; }

    // The key's placement as a matrix for row vectors: a point p goes to
    // R(p - Center) + Center + Position, R being Rotation normalised (a zero or non-finite
    // quaternion is no rotation). Position is thus the translation applied after the rotation
    // about the centre, and the default key is the identity.
    CGraphicalTransformMatrix getMatrix() const;
    // Puts the key's placement into transform. With accumulate false the transform is replaced by
    // the key's placement; with accumulate true the key's placement is applied after what the
    // transform already holds (transform becomes transform × placement).
    void getTransform(IGraphicalTransform& transform, bool accumulate) const;
};
