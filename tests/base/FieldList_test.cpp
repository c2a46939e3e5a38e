// What a field list does beyond the per-kind property tests: defaults, the file version each field
// is stored since, and the hook of a record written by hand.
#include <gtest/gtest.h>

#include "ArchiveTesting.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CCuttingPlane.h"
#include "kelvara/model3d/CGraphicalMaterial.h"
#include "kelvara/model3d/CSkyBox.h"

// A record that grew: Label is stored since file version 200.
KELVARA_FORWARD(Gauge)
KELVARA_INTERFACE_FAMILY(Gauge)

#define KELVARA_FIELDS_Gauge(F)                         \
    F(VALUE, CProjectInt, Reading, 3, 1)                \
    F(VALUE, CProjectString, Label, CProjectString(L"gauge"), 200)

class IGauge : public CRecord<IGauge> {
    KELVARA_INTERFACE(Gauge)
    KELVARA_RECORD(IGauge, "Gauge", KELVARA_FIELDS_Gauge)
};

class CGauge : public IGauge {
    KELVARA_OBJECT(Gauge)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Gauge)

public:
    ~CGauge() override = default;
};

KELVARA_OBJECT_FAMILY_AS(Gauge)

namespace kelvara::test {
namespace {

Bytes storeAt(IGauge& gauge, int version) {
    CKelvaraArchive ar(CKelvaraArchive::StoreAtVersion{version});
    gauge.Serialize(ar);
    return ar.takeBuffer();
}

TEST(FieldList, AFieldIsStoredAndReadOnlyFromTheVersionItAppearedIn) {
    CGauge gauge;
    EXPECT_EQ(gauge.getReading().getValue(), 3);
    EXPECT_EQ(gauge.getLabel().GetString(), CString(L"gauge"));
    gauge.setReading(11);
    gauge.setLabel(CProjectString(L"north wall"));

    const Bytes old = storeAt(gauge, 199);
    const Bytes current = storeAt(gauge, 200);
    EXPECT_LT(old.size(), current.size()) << "version 199 must not hold the label";

    // Loading the older record reads the reading and gives the label its default, even over an
    // object that had another label.
    CGauge loaded;
    loaded.setLabel(CProjectString(L"stale"));
    load(loaded, old, 199);
    EXPECT_EQ(loaded.getReading().getValue(), 11);
    EXPECT_EQ(loaded.getLabel().GetString(), CString(L"gauge"));

    CGauge reloaded;
    load(reloaded, current, 200);
    EXPECT_TRUE(reloaded == gauge);

    // Reading a newer record as an older version leaves bytes unread: the archive refuses it.
    CGauge misread;
    CKelvaraArchive ar(current.data(), current.size(), 199);
    EXPECT_THROW(misread.Serialize(ar), CArchiveException);
}

TEST(FieldList, InitializeGivesEveryKindOfFieldItsDefault) {
    CSkyBox sky(CString(L"Dusk"));
    sky.setID(CSkyBoxID::generated());
    (*sky.allocateCubeMap()).setTopImageID(CGraphicalImageID::generated());
    CGraphicalImage image;
    image.setID(CGraphicalImageID::generated());
    CGraphicalImageArray images;
    images.Add(image);
    sky.setImageArray(IGraphicalImageArrayHandle(new CGraphicalImageArrayHandle(&images)));
    ASSERT_EQ(sky.getImageArray().GetSize(), 1);

    sky.initialize();
    EXPECT_TRUE(sky.getID().isNULL());
    EXPECT_EQ(sky.getName().GetString(), CString(L"New SkyBox"));
    EXPECT_TRUE(sky.getCubeMap().isNull()) << "an optional child is absent by default";
    EXPECT_EQ(sky.getImageArray().GetSize(), 0) << "a child list is empty by default";
    EXPECT_TRUE(sky == CSkyBox());

    // An embedded record goes back to its own defaults.
    CCuttingPlane plane;
    CGraphicalTransform lift;
    lift.setAsTranslation(CGraphicalVector3D(0, 0, 3));
    plane.setTransform(lift);
    plane.initialize();
    EXPECT_TRUE(plane.getTransform()->isIdentityTransform());
    EXPECT_EQ(CSkyBox::defaultName().GetString(), CString(L"New SkyBox")) << "each default is also a static";
}

TEST(FieldList, ARecordWrittenByHandKeepsItsOwnRules) {
    CGraphicalMaterial material("Diffuse=1 0 0;");
    CTextureDefinitionIDArray ids;
    ids.Add(CTextureDefinitionID::generated());
    material.setTextureDefinitionIDArray(ids);
    material.initialize();
    EXPECT_EQ(material.getBufferLen(), 0);
    EXPECT_EQ(material.getTextureDefinitionIDArray().GetSize(), 0);

    CGraphicalMaterial copy(material);
    EXPECT_TRUE(copy == material);
    material.generateIDs();  // texture identifiers are references: nothing changes
    EXPECT_TRUE(copy == material);
}

}  // namespace
}  // namespace kelvara::test
