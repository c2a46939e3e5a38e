#include "kelvara/model3d/CViewpointCamera.h"

#include <cmath>

#include "kelvara/model3d/C3DWorldSettings.h"

namespace {

// The direction arithmetic runs in double: products of floats are exact there, so the cross
// product of two nearly parallel unit vectors still points the right way.
struct Vector {
    double x, y, z;

    explicit Vector(const CGraphicalVector3D& v) : x(v.x()), y(v.y()), z(v.z()) {}
    Vector(double ax, double ay, double az) : x(ax), y(ay), z(az) {}

    double length() const { return std::sqrt(x * x + y * y + z * z); }
    Vector cross(const Vector& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    Vector scaled(double s) const { return {x * s, y * s, z * s}; }
    CGraphicalVector3D toGraphical() const {
        return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
    }
};

// A usable direction has a positive, finite length.
bool hasDirection(double length) { return length > 0.0 && std::isfinite(length); }

// Forwards turned a quarter turn about an axis it is far from, so the two are never parallel:
// the cross product's length is at least 1/3 for a unit vector.
Vector turnedOffItsLine(const Vector& f) {
    const double ax = std::fabs(f.x), ay = std::fabs(f.y), az = std::fabs(f.z);
    if (ax >= ay && ax >= az) return {-f.y, f.x, f.z};  // about z
    if (ay >= az) return {f.x, -f.z, f.y};              // about x
    return {f.z, f.y, -f.x};                            // about y
}

}  // namespace

bool CViewpointCamera::validateDirection() {
    bool valid = true;

    Vector forwards(getForwards());
    const double forwardsLength = forwards.length();
    if (!hasDirection(forwardsLength)) {
        forwards = {1.0, 0.0, 0.0};
        valid = false;
    } else if (forwardsLength != 1.0) {
        forwards = forwards.scaled(1.0 / forwardsLength);
    }

    Vector up(getUp());
    const double upLength = up.length();
    if (!hasDirection(upLength)) up = {0.0, 0.0, 1.0};
    else if (upLength != 1.0) up = up.scaled(1.0 / upLength);

    Vector side = forwards.cross(up);
    if (!(side.length() > 0.0)) side = turnedOffItsLine(forwards);
    side = side.scaled(1.0 / side.length());

    Vector newUp = side.cross(forwards);
    const double newUpLength = newUp.length();
    if (!(newUpLength > 0.0)) {
        forwards = {1.0, 0.0, 0.0};
        newUp = {0.0, 0.0, 1.0};
        valid = false;
    } else {
        newUp = newUp.scaled(1.0 / newUpLength);
    }

    setForwards(forwards.toGraphical());
    const CGraphicalVector3D stored = newUp.toGraphical();
    if (!(getUp() == stored)) setUp(stored);
    return valid;
}
