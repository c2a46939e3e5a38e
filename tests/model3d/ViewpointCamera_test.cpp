#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "kelvara/model3d/CViewpointCamera.h"

namespace {

constexpr float kTolerance = 1e-5f;

void expectNear(const CGraphicalVector3D& v, float x, float y, float z) {
    EXPECT_NEAR(v.x(), x, kTolerance);
    EXPECT_NEAR(v.y(), y, kTolerance);
    EXPECT_NEAR(v.z(), z, kTolerance);
}

// Forwards and Up unit and perpendicular, so that Side = Forwards x Up completes the frame.
void expectOrthonormalFrame(const IViewpointCamera& camera) {
    const CGraphicalVector3D& f = camera.getForwards();
    const CGraphicalVector3D& u = camera.getUp();
    EXPECT_NEAR(f.length(), 1.0f, kTolerance);
    EXPECT_NEAR(u.length(), 1.0f, kTolerance);
    EXPECT_NEAR(f.dot(u), 0.0f, kTolerance);
    EXPECT_NEAR((f * u).length(), 1.0f, kTolerance);
}

CViewpointCamera cameraWith(const CGraphicalVector3D& forwards, const CGraphicalVector3D& up) {
    CViewpointCamera camera;
    camera.setForwards(forwards);
    camera.setUp(up);
    return camera;
}

}  // namespace

TEST(ViewpointCamera, DefaultCameraStandsBehindAndAboveLookingAtTheOrigin) {
    CViewpointCamera camera;
    // The default world measures in meters, so 30 m and 10 m are 30 and 10 units.
    EXPECT_EQ(camera.getPosition(), CGraphicalPoint3D(0.0f, -30.0f, 10.0f));
    const float r = std::sqrt(1000.0f);
    expectNear(camera.getForwards(), 0.0f, 30.0f / r, -10.0f / r);
    expectNear(camera.getUp(), 0.0f, 10.0f / r, 30.0f / r);
    EXPECT_EQ(camera.getProjectionMode().getCurrentValue(), CCameraProjectionMode::Perspective);
    expectOrthonormalFrame(camera);

    const CViewpointCamera fresh;
    camera.setPosition(CGraphicalPoint3D(1, 2, 3));
    camera.setForwards(CGraphicalVector3D(0, 0, 5));
    static_cast<IViewpointCamera&>(camera).clear();
    EXPECT_TRUE(camera == fresh);
    EXPECT_TRUE(camera.validateDirection());
    expectNear(camera.getUp(), fresh.getUp().x(), fresh.getUp().y(), fresh.getUp().z());
}

TEST(ViewpointCamera, ValidationNormalisesAndStraightensUp) {
    CViewpointCamera camera = cameraWith({0, 2, 0}, {0, 0, 3});
    EXPECT_TRUE(camera.validateDirection());
    expectNear(camera.getForwards(), 0, 1, 0);
    expectNear(camera.getUp(), 0, 0, 1);

    // An Up leaning towards Forwards turns to the perpendicular in the plane the two span.
    camera = cameraWith({1, 0, 0}, {1, 0, 1});
    EXPECT_TRUE(camera.validateDirection());
    expectNear(camera.getUp(), 0, 0, 1);
    const CViewpointCamera once = camera;
    EXPECT_TRUE(camera.validateDirection());
    EXPECT_TRUE(camera == once) << "a valid frame is left as it is";
}

TEST(ViewpointCamera, ValidationReplacesMissingDirections) {
    CViewpointCamera camera = cameraWith({0, 0, 0}, {0, 0, 1});
    EXPECT_FALSE(camera.validateDirection());
    expectNear(camera.getForwards(), 1, 0, 0);
    expectNear(camera.getUp(), 0, 0, 1);

    // A missing Up is (0, 0, 1); the answer stays true because Forwards was kept.
    camera = cameraWith({0, 3, 0}, {0, 0, 0});
    EXPECT_TRUE(camera.validateDirection());
    expectNear(camera.getUp(), 0, 0, 1);

    // Not-a-number and infinite vectors have no direction either and must not spread into the frame.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    camera = cameraWith({nan, 0, 1}, {0, std::numeric_limits<float>::infinity(), 0});
    EXPECT_FALSE(camera.validateDirection());
    expectNear(camera.getForwards(), 1, 0, 0);
    expectNear(camera.getUp(), 0, 0, 1);

    // Vectors whose float sum of squares overflows or underflows still have a direction.
    camera = cameraWith({3e30f, 0, 0}, {0, 1e-30f, 1e-30f});
    EXPECT_TRUE(camera.validateDirection());
    expectNear(camera.getForwards(), 1, 0, 0);
    expectNear(camera.getUp(), 0, std::sqrt(0.5f), std::sqrt(0.5f));
}

// Up along Forwards, either way round, on or off the axes, must be mended to a frame that keeps
// Forwards' direction.
TEST(ViewpointCamera, ParallelAndOppositeUpAlwaysGiveAFrame) {
    std::vector<CGraphicalVector3D> directions = {
        {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}, {1, 1, 0}, {-1, 1, 0},
        {1, 0, -1}, {0, -1, -1}, {1, 1, 1}, {-1, -1, -1}, {0.001f, 0, -1}, {-1e-3f, 1e-3f, 1}};
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> component(-10.0f, 10.0f);
    for (int i = 0; i < 300; ++i) directions.emplace_back(component(rng), component(rng), component(rng));

    for (const CGraphicalVector3D& d : directions) {
        CGraphicalVector3D direction = d;
        direction.normalize();
        for (const float scale : {1.0f, 0.37f, 25.0f, -1.0f, -0.01f, -7.5f}) {
            SCOPED_TRACE(::testing::Message() << "(" << d.x() << ", " << d.y() << ", " << d.z() << ") x " << scale);
            CViewpointCamera camera = cameraWith(d * 3.0f, d * scale);
            EXPECT_TRUE(camera.validateDirection());
            expectOrthonormalFrame(camera);
            EXPECT_NEAR(camera.getForwards().dot(direction), 1.0f, kTolerance);
        }
        // Nearly parallel: Up off Forwards' line by rounding-sized amounts.
        CViewpointCamera camera = cameraWith(d, d * 0.7f + CGraphicalVector3D(1e-6f, -1e-6f, 0));
        EXPECT_TRUE(camera.validateDirection());
        expectOrthonormalFrame(camera);
    }
}
