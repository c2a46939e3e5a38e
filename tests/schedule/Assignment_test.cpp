// Resource and resource group assignments: the placement transform exists only once set, and
// records of files older than the placement transform hand their per-entity transforms over to the
// archive's assignment change data (built here by hand in the older layout).
#include <gtest/gtest.h>

#include "ArchiveTesting.h"
#include "kelvara/base/CAssignmentSchemaChangeData.h"
#include "kelvara/schedule/CAssignedResource.h"
#include "kelvara/schedule/CAssignedResourceGroup.h"
#include "kelvara/schedule/CAssignedResourceTransform.h"

namespace kelvara::test {
namespace {

constexpr int kOldVersion = IAssignmentBehaviour::kPlacementTransformVersion - 1;

CGraphicalTransform translation(float x) {
    CGraphicalTransform t;
    t.setAsTranslation(CGraphicalVector3D(x, 0.0f, 0.0f));
    return t;
}

TEST(Assignment, TheTransformExistsOnlyOnceSet) {
    CAssignedResource assignment(CResourceID::generated());
    EXPECT_TRUE(assignment.getTransform().isNull());
    assignment.setTransform(translation(2.0f));
    ASSERT_FALSE(assignment.getTransform().isNull()) << "setTransform creates the transform when there is none";
    EXPECT_EQ((*assignment.getTransform()).getMatrix()[12], 2.0f);
    CAssignedResource copy(assignment);
    EXPECT_TRUE(copy == assignment);
    assignment.clearTransform();
    EXPECT_TRUE(assignment.getTransform().isNull());
    EXPECT_FALSE(copy == assignment);

    // Both assignments are reached alike through their shared base.
    CAssignedResourceGroup group;
    IAssignmentBehaviour& behaviour = group;
    behaviour.setTransform(translation(3.0f));
    behaviour.setMotionSimulationFinish(0.5);
    EXPECT_EQ((*group.getTransform()).getMatrix()[12], 3.0f);
    EXPECT_EQ(group.getMotionSimulationFinish(), CProjectDouble(0.5));
    EXPECT_NE(CAssignedResource().getID(), CAssignedResource().getID()) << "new assignments can share a task's list";
}

// The record of an older file, built by hand: the fields that version held, the per-entity
// transforms (an object array in that version's layout) and the assignment's identifier.
Bytes oldLayout(CAssignedResource& fields, const CAssignedResourceID& id, int transforms) {
    CKelvaraArchive ar(CKelvaraArchive::StoreAtVersion{kOldVersion});
    ar.checkMarkerStart("AssignedResource");
    IAssignedResource::forEachField(kelvara::SerializeFields<IAssignedResource>{fields, ar});
    CAssignedResourceTransformArray list;
    for (int i = 0; i < transforms; ++i) {
        CEntity3DID entity;
        entity.generate();
        list.Add(CAssignedResourceTransform(entity, translation(static_cast<float>(i + 1))));
    }
    list.Serialize(ar);
    CAssignedResourceID stored = id;
    stored.Serialize(ar);
    ar.checkMarkerEnd("AssignedResource");
    return ar.takeBuffer();
}

TEST(Assignment, OldRecordsHandTheirEntityTransformsOverInReverseOrder) {
    CAssignedResource fields(CResourceID::generated());
    fields.setPathMoveType(CPathMoveType::TranslateAndRotate);
    const CAssignedResourceID id = CAssignedResourceID::generated();
    const Bytes bytes = oldLayout(fields, id, 3);

    CAssignedResource loaded;
    loaded.setTransform(translation(9.0f));
    CKelvaraArchive ar(bytes.data(), bytes.size(), kOldVersion);
    loaded.Serialize(ar);
    EXPECT_EQ(ar.remaining(), 0u);
    EXPECT_EQ(loaded.getID(), id) << "the identifier stored after the transforms is the assignment's";
    EXPECT_EQ(loaded.getResourceID(), fields.getResourceID());
    EXPECT_EQ(loaded.getPathMoveType(), CPathMoveType(CPathMoveType::TranslateAndRotate));
    EXPECT_TRUE(loaded.getTransform().isNull()) << "an older record holds no placement transform";

    ASSERT_TRUE(ar.hasAssignmentSchemaChangeData());
    const auto& map = ar.getAssignmentSchemaChangeData().getMap();
    ASSERT_EQ(map.size(), 1u);
    ASSERT_EQ(map.begin()->first, id);
    const auto& entries = map.begin()->second;
    ASSERT_EQ(entries.size(), 3u);
    for (std::size_t k = 0; k < entries.size(); ++k)
        EXPECT_EQ(entries[k].matrix[12], static_cast<float>(3 - k)) << "entry " << k << " comes from the array's end";

    // Storing at the older version writes that layout (with no transforms), which loads back.
    CAssignedResource current(CResourceID::generated());
    current.setTransform(translation(1.0f));
    CKelvaraArchive older(CKelvaraArchive::StoreAtVersion{kOldVersion});
    current.Serialize(older);
    const Bytes stored = older.takeBuffer();
    CAssignedResource back;
    CKelvaraArchive reader(stored.data(), stored.size(), kOldVersion);
    back.Serialize(reader);
    EXPECT_EQ(back.getID(), current.getID());
    EXPECT_FALSE(reader.hasAssignmentSchemaChangeData());
    current.clearTransform();
    EXPECT_TRUE(back == current);
}

TEST(Assignment, ADamagedOldTransformListAbortsCleanly) {
    CAssignedResource fields(CResourceID::generated());
    Bytes bytes = oldLayout(fields, CAssignedResourceID::generated(), 1);
    bytes.resize(bytes.size() - 20);  // cut inside the identifier and the end tag
    CAssignedResource loaded;
    CKelvaraArchive ar(bytes.data(), bytes.size(), kOldVersion);
    EXPECT_THROW(loaded.Serialize(ar), CArchiveException);
}

}  // namespace
}  // namespace kelvara::test
