#include <gtest/gtest.h>

#include "kelvara/schedule/CPosition.h"

namespace {

CViewpointCamera lookingDown() {
    CViewpointCamera camera;
    camera.setPosition(CGraphicalPoint3D(4, 5, 60));
    camera.setForwards(CGraphicalVector3D(0, 0, -1));
    camera.setUp(CGraphicalVector3D(0, 1, 0));
    camera.setProjectionMode(CCameraProjectionMode::Orthographic);
    return camera;
}

}  // namespace

TEST(Position, NewPositionRestoresTheDefaultCameraOnly) {
    const CPosition named(CString(L"North elevation"));
    EXPECT_TRUE(named.getID().isValidNotNull());
    EXPECT_EQ(named.getName().getValue(), CString(L"North elevation"));
    EXPECT_TRUE(named.getName().isValid());
    EXPECT_TRUE(*named.getViewpoint() == CViewpointCamera());
    EXPECT_TRUE(named.getIsViewpoint() == true);
    EXPECT_TRUE(named.getIsFocusTime() == false);
    EXPECT_FALSE(named.getFocusTime().isValid());

    const CPosition unnamed;
    EXPECT_TRUE(unnamed.getName().IsEmpty());
    EXPECT_NE(unnamed.getID(), named.getID()) << "every new position has its own identifier";
}

TEST(Position, ViewpointIsHeldByValue) {
    CPosition position(CString(L"Roof"));
    CViewpointCamera camera = lookingDown();
    position.setViewpoint(camera);
    EXPECT_TRUE(*position.getViewpoint() == camera);

    // Later changes to the argument do not reach the stored camera, and the handle reads the
    // stored camera as it is now.
    const IViewpointCameraHandle handle = position.getViewpoint();
    camera.setPosition(CGraphicalPoint3D(0, 0, 0));
    EXPECT_EQ(handle->getPosition(), CGraphicalPoint3D(4, 5, 60));
    position.setViewpoint(CViewpointCamera());
    EXPECT_TRUE(*handle == CViewpointCamera());
}

TEST(Position, RootRoundTripKeepsCameraTimeAndReferences) {
    CPositionRoot root;
    CPosition first(CString(L"Site entrance"));
    first.setViewpoint(lookingDown());
    first.setFocusTime(CProjectTime(1700000000000));
    first.setIsFocusTime(true);
    CCuttingPlaneIDArray planes;
    for (int i = 0; i < 3; ++i) {
        CCuttingPlaneID id;
        id.generate();
        planes.Add(id);
    }
    first.setCuttingPlaneIDs(planes);
    ASSERT_EQ(root.getArray().Add(first), 0);
    ASSERT_EQ(root.getArray().Add(CPosition(CString(L"Overview"))), 1);

    CKelvaraArchive out;
    root.Serialize(out);
    const auto bytes = out.takeBuffer();
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    CPositionRoot loaded;
    loaded.Serialize(in);
    ASSERT_TRUE(loaded == root);

    const IPositionHandle found = loaded.get().find(first.getID());
    ASSERT_FALSE(found.isNull());
    EXPECT_TRUE(*found->getViewpoint() == lookingDown());
    EXPECT_TRUE(found->getCuttingPlaneIDs() == planes);
}
