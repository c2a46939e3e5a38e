// The interpolators that turn a timeline's key frames into the value at any tick. They hold no
// state; each is copied and assigned as a plain value. interpolate(value, timeline, tick) fills
// value and answers true, or answers false and leaves value alone for a timeline without key
// frames. Before the first key frame the first one's value holds, after the last the last one's;
// between two key frames the blend follows the interpolation type of the earlier one (the one in
// force), or always the same method for the interpolators named after one:
//
// Camera viewpoints (position, Forwards, Up; the projection mode is the earlier key frame's), with
// s = (tick - t_i) / (t_i+1 - t_i):
//   Discrete   the earlier key frame's viewpoint
//   Linear     position, Forwards and Up blended along straight lines; a direction that blends to
//              nothing (opposite directions half-way) turns as in Spherical instead
//   Bezier     a Catmull-Rom curve through the key frames, as the cubic Bezier segment from P_i to
//              P_i+1 with control points P_i + (P_i+1 - P_i-1) / 6 and P_i+1 - (P_i+2 - P_i) / 6 (at
//              either end the missing neighbour is the end key frame itself), applied to the
//              position, Forwards and Up; s is taken over the segment, whatever its length in ticks
//   Spherical  the position as in Linear; Forwards and Up turned at a constant rate along the great
//              circle between them (slerp; opposite Forwards turn about the earlier Up, opposite
//              Ups about the earlier Forwards, so that a camera turning round looks sideways)
// The result's Forwards and Up are then made an orthonormal pair (IViewpointCamera::validateDirection).
//
// Project times: Discrete gives the earlier key frame's time; every other type (and the Linear
// interpolator) blends the two times along a straight line, rounded to the millisecond. A key frame
// without a time holds its neighbour's: with either time unset the earlier key frame's time is
// used as it is.
#pragma once

#include "kelvara/base/ICameraTimeline.h"
#include "kelvara/base/IProjectTimeTimeline.h"

class CCameraInterpolator {
public:
    CCameraInterpolator() = default;
    CCameraInterpolator(const CCameraInterpolator&) = default;
    CCameraInterpolator& operator=(const CCameraInterpolator&) = default;
    virtual ~CCameraInterpolator() = default;

    bool interpolate(IViewpointCamera& viewpoint, const ICameraTimeline& timeline, double tick) const;

protected:
    // The method between the key frame in force and the next one.
    virtual CInterpolationType methodAfter(const ICameraKeyFrame& keyFrame) const {
        return keyFrame.getInterpolationType();
    }
};

class CCameraLinearInterpolator : public CCameraInterpolator {
protected:
    CInterpolationType methodAfter(const ICameraKeyFrame&) const override { return CInterpolationType::Linear; }
};

class CCameraDiscreteInterpolator : public CCameraInterpolator {
protected:
    CInterpolationType methodAfter(const ICameraKeyFrame&) const override { return CInterpolationType::Discrete; }
};

class CCameraBezierInterpolator : public CCameraInterpolator {
protected:
    CInterpolationType methodAfter(const ICameraKeyFrame&) const override { return CInterpolationType::Bezier; }
};

class CCameraSphericalInterpolator : public CCameraInterpolator {
protected:
    CInterpolationType methodAfter(const ICameraKeyFrame&) const override { return CInterpolationType::Spherical; }
};

class CProjectTimeInterpolator {
public:
    CProjectTimeInterpolator() = default;
    CProjectTimeInterpolator(const CProjectTimeInterpolator&) = default;
    CProjectTimeInterpolator& operator=(const CProjectTimeInterpolator&) = default;
    virtual ~CProjectTimeInterpolator() = default;

    bool interpolate(CProjectTime& time, const IProjectTimeTimeline& timeline, double tick) const;

protected:
    virtual CInterpolationType methodAfter(const IProjectTimeKeyFrame& keyFrame) const {
        return keyFrame.getInterpolationType();
    }
};

class CProjectTimeLinearInterpolator : public CProjectTimeInterpolator {
protected:
    CInterpolationType methodAfter(const IProjectTimeKeyFrame&) const override { return CInterpolationType::Linear; }
};

class CProjectTimeDiscreteInterpolator : public CProjectTimeInterpolator {
protected:
    CInterpolationType methodAfter(const IProjectTimeKeyFrame&) const override { return CInterpolationType::Discrete; }
};

namespace kelvara::detail {

// Where tick falls among key frames in tick order (tickAt(i) their ticks): before = the key frame
// in force (the first one before the first tick), after = the next one (equal to before at
// either end), s = the fraction of the way from before to after in [0, 1).
struct Segment {
    int before = -1;
    int after = -1;
    double s = 0.0;
};
template <class TickAt>
Segment segmentAt(int count, TickAt tickAt, double tick) {
    Segment segment;
    if (count <= 0) return segment;
    if (!(tick > tickAt(0))) return {0, 0, 0.0};  // also a NaN tick
    if (tick >= tickAt(count - 1)) return {count - 1, count - 1, 0.0};
    int lo = 0;
    int hi = count - 1;  // tickAt(lo) < tick < tickAt(hi)
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        if (tickAt(mid) <= tick) lo = mid;
        else hi = mid;
    }
    const double span = static_cast<double>(tickAt(hi)) - tickAt(lo);
    if (!(span > 0.0)) return {lo, lo, 0.0};
    return {lo, hi, (tick - tickAt(lo)) / span};
}

}  // namespace kelvara::detail
