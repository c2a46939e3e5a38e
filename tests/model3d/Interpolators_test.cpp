// Interpolated cameras and project times, checked against values worked out by hand.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "kelvara/base/Interpolators.h"
#include "kelvara/model3d/CCameraTimeline.h"
#include "kelvara/model3d/CProjectTimeTimeline.h"

namespace {

constexpr float kTolerance = 1e-4f;
constexpr double kPi = 3.14159265358979323846;

void expectNear(const CGraphicalVector3D& v, double x, double y, double z) {
    EXPECT_NEAR(v.x(), x, kTolerance);
    EXPECT_NEAR(v.y(), y, kTolerance);
    EXPECT_NEAR(v.z(), z, kTolerance);
}
void expectNear(const CGraphicalPoint3D& p, double x, double y, double z) { expectNear(CGraphicalVector3D(p), x, y, z); }

CViewpointCamera camera(CGraphicalPoint3D position, CGraphicalVector3D forwards) {
    CViewpointCamera c;
    c.setPosition(position);
    c.setForwards(forwards);
    c.setUp(CGraphicalVector3D(0, 0, 1));
    return c;
}

// Looking along x at the origin at tick 0, along y from (10, 20, 0) at tick 10.
CCameraTimeline turn(CInterpolationType type) {
    CCameraTimeline t;
    CCameraKeyFrame a(0, camera({0, 0, 0}, {1, 0, 0}));
    a.setInterpolationType(type);
    CCameraKeyFrame b(10, camera({10, 20, 0}, {0, 1, 0}));
    (void)t.addKeyFrame(a);
    (void)t.addKeyFrame(b);
    return t;
}

TEST(CameraInterpolators, EndsHoldAndEmptyTimelinesFillNothing) {
    CViewpointCamera v = camera({9, 9, 9}, {0, 0, -1});
    const CViewpointCamera untouched(v);
    EXPECT_FALSE(CCameraInterpolator().interpolate(v, CCameraTimeline(), 3));
    EXPECT_TRUE(v == untouched);

    const CCameraTimeline t = turn(CInterpolationType::Linear);
    ASSERT_TRUE(CCameraInterpolator().interpolate(v, t, -5));
    expectNear(v.getForwards(), 1, 0, 0);
    ASSERT_TRUE(CCameraInterpolator().interpolate(v, t, 10));
    expectNear(v.getPosition(), 10, 20, 0);
    ASSERT_TRUE(CCameraInterpolator().interpolate(v, t, 1e9));
    expectNear(v.getForwards(), 0, 1, 0);
}

TEST(CameraInterpolators, LinearSphericalAndDiscrete) {
    const CCameraTimeline t = turn(CInterpolationType::Bezier);
    CViewpointCamera v;

    // A quarter of the way: straight-line blend (0.75, 0.25) normalised, or a turn of 22.5 degrees.
    ASSERT_TRUE(CCameraLinearInterpolator().interpolate(v, t, 2.5));
    expectNear(v.getPosition(), 2.5, 5, 0);
    expectNear(v.getForwards(), 0.75 / std::sqrt(0.625), 0.25 / std::sqrt(0.625), 0);
    expectNear(v.getUp(), 0, 0, 1);
    ASSERT_TRUE(CCameraSphericalInterpolator().interpolate(v, t, 2.5));
    expectNear(v.getPosition(), 2.5, 5, 0);
    expectNear(v.getForwards(), std::cos(kPi / 8), std::sin(kPi / 8), 0);

    ASSERT_TRUE(CCameraDiscreteInterpolator().interpolate(v, t, 9.9));
    expectNear(v.getPosition(), 0, 0, 0);
    expectNear(v.getForwards(), 1, 0, 0);

    // The base interpolator follows the earlier key frame's type.
    ASSERT_TRUE(CCameraInterpolator().interpolate(v, turn(CInterpolationType::Discrete), 5));
    expectNear(v.getForwards(), 1, 0, 0);
    ASSERT_TRUE(CCameraInterpolator().interpolate(v, turn(CInterpolationType::Spherical), 5));
    expectNear(v.getForwards(), std::sqrt(0.5), std::sqrt(0.5), 0);
}

TEST(CameraInterpolators, TurningRoundLooksSidewaysHalfWay) {
    CCameraTimeline t;
    (void)t.addKeyFrame(CCameraKeyFrame(0, camera({0, 0, 0}, {1, 0, 0})));
    (void)t.addKeyFrame(CCameraKeyFrame(10, camera({0, 0, 0}, {-1, 0, 0})));
    CViewpointCamera v;
    const CCameraLinearInterpolator linear;
    const CCameraSphericalInterpolator spherical;
    for (const CCameraInterpolator* method : std::array<const CCameraInterpolator*, 2>{&linear, &spherical}) {
        ASSERT_TRUE(method->interpolate(v, t, 5));
        EXPECT_NEAR(std::fabs(v.getForwards().y()), 1.0f, kTolerance);
        expectNear(v.getUp(), 0, 0, 1);
    }
}

// Positions x = 0, 10, 20 at ticks 0, 10, 20: the curve's control points are P1 + (P2 - P0) / 6
// and P2 - (P3 - P1) / 6, the end key frames standing in for their missing neighbours.
TEST(CameraInterpolators, BezierPassesThroughTheKeyFramesSmoothly) {
    CCameraTimeline t;
    for (int i = 0; i < 3; ++i) (void)t.addKeyFrame(CCameraKeyFrame(10 * i, camera({10.0f * i, 0, 0}, {0, 1, 0})));
    CViewpointCamera v;
    const CCameraBezierInterpolator bezier;
    ASSERT_TRUE(bezier.interpolate(v, t, 5));
    expectNear(v.getPosition(), 4.375, 0, 0);  // control points 10/6 and 10 - 20/6
    ASSERT_TRUE(bezier.interpolate(v, t, 10));
    expectNear(v.getPosition(), 10, 0, 0);
    ASSERT_TRUE(bezier.interpolate(v, t, 15));
    expectNear(v.getPosition(), 15.625, 0, 0);  // control points 10 + 20/6 and 20 - 10/6
    expectNear(v.getForwards(), 0, 1, 0);
}

TEST(ProjectTimeInterpolators, LinearRoundsAndDiscreteHolds) {
    CProjectTimeTimeline t;
    CProjectTime time;
    EXPECT_FALSE(CProjectTimeInterpolator().interpolate(time, t, 0));
    EXPECT_FALSE(time.isValid());

    CProjectTimeKeyFrame a(0, CProjectTime(1000));
    a.setInterpolationType(CInterpolationType::Linear);
    (void)t.addKeyFrame(a);
    (void)t.addKeyFrame(CProjectTimeKeyFrame(3, CProjectTime(1002)));
    (void)t.addKeyFrame(CProjectTimeKeyFrame(7, CProjectTime()));

    ASSERT_TRUE(CProjectTimeInterpolator().interpolate(time, t, 1));
    EXPECT_EQ(time.getValue(), 1001);  // 1000.67 rounded
    ASSERT_TRUE(CProjectTimeInterpolator().interpolate(time, t, 0.5));
    EXPECT_EQ(time.getValue(), 1000);  // 1000.33
    ASSERT_TRUE(CProjectTimeDiscreteInterpolator().interpolate(time, t, 2.9));
    EXPECT_EQ(time.getValue(), 1000);
    ASSERT_TRUE(CProjectTimeLinearInterpolator().interpolate(time, t, 5));
    EXPECT_EQ(time.getValue(), 1002) << "toward a key frame without a time the earlier one holds";
    ASSERT_TRUE(CProjectTimeLinearInterpolator().interpolate(time, t, 100));
    EXPECT_FALSE(time.isValid()) << "after the last key frame its (unset) time";

    // Far-apart times blend without overflow.
    CProjectTimeTimeline wide;
    (void)wide.addKeyFrame(CProjectTimeKeyFrame(0, CProjectTime(INT64_MIN + 1)));
    (void)wide.addKeyFrame(CProjectTimeKeyFrame(2, CProjectTime(INT64_MAX)));
    ASSERT_TRUE(CProjectTimeLinearInterpolator().interpolate(time, wide, 1));
    EXPECT_NEAR(static_cast<double>(time.getValue()), 0.0, 1e4);
}

}  // namespace
