#include "kelvara/base/Interpolators.h"

#include <algorithm>
#include <cmath>

namespace {

struct Vec {
    double x = 0.0, y = 0.0, z = 0.0;

    Vec operator+(const Vec& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator-(const Vec& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator*(double s) const { return {x * s, y * s, z * s}; }
    double dot(const Vec& o) const { return x * o.x + y * o.y + z * o.z; }
    Vec cross(const Vec& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    double length() const { return std::sqrt(dot(*this)); }
    Vec unit() const {
        const double l = length();
        return l > 0.0 && std::isfinite(l) ? *this * (1.0 / l) : Vec{};
    }
};

template <class P>
Vec vec(const P& p) {
    return {p.x(), p.y(), p.z()};
}
CGraphicalPoint3D point(const Vec& v) {
    return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}
CGraphicalVector3D vector(const Vec& v) {
    return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}

Vec lerp(const Vec& a, const Vec& b, double s) { return a + (b - a) * s; }

// The direction a turned toward b by the fraction s of the angle between them. Opposite
// directions turn about pivot when it is given and not along them (Forwards turns about Up, so a
// camera turning round looks sideways half-way rather than up), else about a perpendicular.
Vec slerp(const Vec& from, const Vec& to, double s, const Vec& pivot = Vec{}) {
    const Vec a = from.unit();
    const Vec b = to.unit();
    if (a.length() == 0.0 || b.length() == 0.0) return lerp(from, to, s);
    const double cosine = std::clamp(a.dot(b), -1.0, 1.0);
    const double angle = std::acos(cosine);
    if (angle < 1e-9) return lerp(a, b, s).unit();
    Vec axisInPlane;  // the unit vector perpendicular to a, in the plane of the turn, toward b
    if (std::sin(angle) < 1e-9) {
        // Opposite directions: the perpendicular pivot gives, or the one from the axis a is least
        // along, so it is never a itself.
        axisInPlane = pivot.cross(a).unit();
        if (axisInPlane.length() == 0.0) {
            const Vec helper = std::fabs(a.x) <= std::fabs(a.y) && std::fabs(a.x) <= std::fabs(a.z) ? Vec{1, 0, 0}
                               : std::fabs(a.y) <= std::fabs(a.z)                                  ? Vec{0, 1, 0}
                                                                                                    : Vec{0, 0, 1};
            axisInPlane = a.cross(helper).unit();
        }
    } else {
        axisInPlane = (b - a * cosine).unit();
    }
    const double turned = angle * s;
    return a * std::cos(turned) + axisInPlane * std::sin(turned);
}

// A straight-line blend of two directions, turning instead where the line passes through zero.
Vec blendDirection(const Vec& a, const Vec& b, double s, const Vec& pivot) {
    const Vec v = lerp(a, b, s);
    return v.length() > 1e-6 ? v : slerp(a, b, s, pivot);
}

// The cubic Bezier segment from p1 to p2 of the Catmull-Rom curve through p0, p1, p2, p3.
Vec catmullRom(const Vec& p0, const Vec& p1, const Vec& p2, const Vec& p3, double s) {
    const Vec b1 = p1 + (p2 - p0) * (1.0 / 6.0);
    const Vec b2 = p2 - (p3 - p1) * (1.0 / 6.0);
    const double u = 1.0 - s;
    return p1 * (u * u * u) + b1 * (3.0 * u * u * s) + b2 * (3.0 * u * s * s) + p2 * (s * s * s);
}

struct Frame {
    Vec position, forwards, up;
};

Frame frameOf(const ICameraKeyFrameArrayHandle& keys, int i) {
    const IViewpointCameraHandle v = keys[i]->getViewpoint();
    return {vec(v->getPosition()), vec(v->getForwards()), vec(v->getUp())};
}

}  // namespace

bool CCameraInterpolator::interpolate(IViewpointCamera& viewpoint, const ICameraTimeline& timeline, double tick) const {
    const ICameraKeyFrameArrayHandle keys = timeline.getKeyframes();
    const int count = keys.GetSize();
    const auto segment = kelvara::detail::segmentAt(
        count, [&](int i) { return keys[i]->getTick().getValue(); }, tick);
    if (segment.before < 0) return false;

    const ICameraKeyFrameHandle earlier = keys[segment.before];
    const CInterpolationType method = methodAfter(*earlier);
    if (segment.after == segment.before || segment.s == 0.0 || method == CInterpolationType::Discrete) {
        viewpoint.copyFrom(*earlier->getViewpoint());
        return true;
    }

    const Frame a = frameOf(keys, segment.before);
    const Frame b = frameOf(keys, segment.after);
    const double s = segment.s;
    Frame result;
    if (method == CInterpolationType::Linear) {
        result = {lerp(a.position, b.position, s), blendDirection(a.forwards, b.forwards, s, a.up),
                  blendDirection(a.up, b.up, s, a.forwards)};
    } else if (method == CInterpolationType::Spherical) {
        result = {lerp(a.position, b.position, s), slerp(a.forwards, b.forwards, s, a.up), slerp(a.up, b.up, s, a.forwards)};
    } else {  // Bezier, and any other value read from a file
        const Frame p0 = segment.before > 0 ? frameOf(keys, segment.before - 1) : a;
        const Frame p3 = segment.after + 1 < count ? frameOf(keys, segment.after + 1) : b;
        result = {catmullRom(p0.position, a.position, b.position, p3.position, s),
                  catmullRom(p0.forwards, a.forwards, b.forwards, p3.forwards, s),
                  catmullRom(p0.up, a.up, b.up, p3.up, s)};
        if (result.forwards.length() <= 1e-6) result.forwards = slerp(a.forwards, b.forwards, s, a.up);
    }
    viewpoint.setPosition(point(result.position));
    viewpoint.setForwards(vector(result.forwards));
    viewpoint.setUp(vector(result.up));
    viewpoint.setProjectionMode(earlier->getViewpoint()->getProjectionMode());
    (void)viewpoint.validateDirection();
    return true;
}

bool CProjectTimeInterpolator::interpolate(CProjectTime& time, const IProjectTimeTimeline& timeline, double tick) const {
    const IProjectTimeKeyFrameArrayHandle keys = timeline.getKeyframes();
    const auto segment = kelvara::detail::segmentAt(
        keys.GetSize(), [&](int i) { return keys[i]->getTick().getValue(); }, tick);
    if (segment.before < 0) return false;

    const IProjectTimeKeyFrameHandle earlier = keys[segment.before];
    const CProjectTime& from = earlier->getProjectTime();
    if (segment.after == segment.before || methodAfter(*earlier) == CInterpolationType::Discrete) {
        time = from;
        return true;
    }
    const CProjectTime& to = keys[segment.after]->getProjectTime();
    if (!from.isValid() || !to.isValid()) {
        time = from;
        return true;
    }
    const std::int64_t a = from.getValue();
    const std::int64_t b = to.getValue();
    const double blended = std::round(static_cast<double>(a) + (static_cast<double>(b) - static_cast<double>(a)) * segment.s);
    // Kept between the two times: rounding in double must not step outside them.
    const double low = static_cast<double>(std::min(a, b));
    const double high = static_cast<double>(std::max(a, b));
    if (blended <= low) time = std::min(a, b);
    else if (blended >= high) time = std::max(a, b);
    else time = static_cast<std::int64_t>(blended);
    return true;
}
