#include <gtest/gtest.h>

#include "kelvara/model3d/CCuttingPlane.h"
#include "kelvara/model3d/CSkyBox.h"
#include "kelvara/model3d/CViewpointCuttingPlane.h"

namespace {

template <class Record>
void roundTrip(Record& from, Record& to) {
    CKelvaraArchive out;
    from.Serialize(out);
    const auto bytes = out.takeBuffer();
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    to.Serialize(in);
}

CGraphicalImage namedImage(const wchar_t* name) {
    CGraphicalImage image;
    image.generateIDs();
    image.setName(CProjectString(name));
    return image;
}

}  // namespace

TEST(SkyBox, DefaultsAndTheOptionalCubeMap) {
    CSkyBox sky;
    EXPECT_EQ(sky.getName().getValue(), CString(L"New SkyBox"));
    EXPECT_TRUE(sky.getCubeMap().isNull());
    EXPECT_EQ(sky.getImageArray().GetSize(), 0);
    EXPECT_EQ(CSkyBox(CString(L"Dusk")).getName().getValue(), CString(L"Dusk"));

    const CGraphicalImage front = namedImage(L"front");
    CCubeMap faces;
    faces.setFrontImageID(front.getID());
    sky.setCubeMap(faces);
    ASSERT_FALSE(sky.getCubeMap().isNull());
    EXPECT_TRUE(sky.getCubeMap()->getFrontImageID() == front.getID());
    EXPECT_TRUE(sky.getCubeMap()->getTopImageID().isNULL());

    EXPECT_TRUE((*sky.allocateCubeMap()).getFrontImageID() == front.getID());  // an existing one is kept
    sky.clearCubeMap();
    EXPECT_TRUE(sky.getCubeMap().isNull());
    EXPECT_TRUE((*sky.allocateCubeMap()).getFrontImageID().isNULL());  // a new one is cleared
}

TEST(SkyBox, ImagesCopyDeeplyAndSurviveTheArchive) {
    CGraphicalImageArray images;
    images.Add(namedImage(L"east"));
    images.Add(namedImage(L"west"));
    CSkyBox sky;
    sky.generateIDs();
    sky.setImageArray(IGraphicalImageArrayHandle(new CGraphicalImageArrayHandle(&images)));
    ASSERT_EQ(sky.getImageArray().GetSize(), 2);
    sky.allocateCubeMap();

    CSkyBox copy(sky);
    EXPECT_TRUE(copy == sky);
    (*copy.getImageArray().getWritableReference(0)).setName(CProjectString(L"changed"));
    EXPECT_FALSE(copy == sky);
    EXPECT_EQ(images.getConstReference(0).getName().getValue(), CString(L"east"));

    CSkyBox loaded(CString(L"other"));
    roundTrip(sky, loaded);
    EXPECT_TRUE(loaded == sky);

}

TEST(CuttingPlane, DefaultsAndItsTransform) {
    CCuttingPlane plane;
    EXPECT_EQ(plane.getName().getValue(), CString(L"New CuttingPlane"));
    EXPECT_TRUE(plane.getShowPlane() == true);
    EXPECT_TRUE(plane.getShowManipulator() == true);
    EXPECT_TRUE(plane.getTransform()->isIdentityTransform());
    EXPECT_TRUE(CCuttingPlane(CString(L"Section A")).getShowPlane() == true);

    CGraphicalTransform lift;
    lift.setAsTranslation(CGraphicalVector3D(0, 0, 3));
    plane.setTransform(lift);
    EXPECT_TRUE(*plane.getTransform() == lift);
    lift.setToIdentity();  // the plane keeps its own copy
    EXPECT_FALSE(plane.getTransform()->isIdentityTransform());

    CCuttingPlane loaded;
    roundTrip(plane, loaded);
    EXPECT_TRUE(loaded == plane);
}

TEST(ViewpointCuttingPlane, OffAtTheIdentityWhenNew) {
    CViewpointCuttingPlane section;
    EXPECT_TRUE(section.getEnabled() == false);
    EXPECT_TRUE(section.getEnabled().isValid());
    EXPECT_TRUE(section.getTransform()->isIdentityTransform());

    CGraphicalTransform scale;
    scale.setAsScale(CGraphicalVector3D(2, 2, 2));
    section.setTransform(scale);
    section.setEnabled(CProjectBool(true));
    CViewpointCuttingPlane loaded;
    roundTrip(section, loaded);
    EXPECT_TRUE(loaded == section);
    EXPECT_TRUE(*loaded.getTransform() == scale);
}
