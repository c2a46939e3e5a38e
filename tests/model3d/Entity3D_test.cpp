// The 3D entity's own rules: names, the identity rule of transforms, lists that exist only while
// they hold something (and stay intact when handed their own content), the answers of the add
// operations, ownership on attach and detach, and trees at and beyond the archive's depth limit.
#include <gtest/gtest.h>

#include <memory>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CEntity3D.h"
#include "model3d/DeepNesting.h"

namespace kelvara::test {
namespace {

// An entity as an import leaves it: named, with no separate imported name, not exposed. (Naming a
// new entity with setName alone would remember its empty first name as the imported one.)
CEntity3D entityNamed(const wchar_t* name) {
    CEntity3D entity;
    entity.generateIDs();
    entity.setNameOnImport(CString(name));
    entity.setName(CString(name));
    entity.setExposed(CProjectBool(false));
    return entity;
}

CNote noteSaying(const wchar_t* text) {
    CNote note;
    note.generateIDs();
    note.setText(CString(text));
    return note;
}

CUserFieldValue valueOf(const CUserFieldID& field, const wchar_t* text) {
    CUserFieldValue value;
    value.setUserFieldID(field);
    value.setValue(CString(text));
    return value;
}

// A chain of depth entities, each the only child of the one above.
std::unique_ptr<CEntity3D> chainOf(int depth) {
    auto top = std::make_unique<CEntity3D>(entityNamed(L"level 0"));
    CEntity3D* at = top.get();
    for (int level = 1; level < depth; ++level) {
        auto* child = new CEntity3D(entityNamed(L"level"));
        EXPECT_TRUE(at->attachSubEntity(child->getWritableHandle()));
        at = child;
    }
    return top;
}

TEST(Entity3D, RenamingRemembersTheImportedNameOnceAndMarksTheEntityExposed) {
    CEntity3D e = entityNamed(L"Wall 12");
    EXPECT_EQ(e.getExactNameOnImport(), nullptr);

    e.setName(CString(L"North wall"));
    ASSERT_NE(e.getExactNameOnImport(), nullptr);
    EXPECT_EQ(e.getNameOnImport().getValue(), CString(L"Wall 12"));
    EXPECT_TRUE(e.getExposed().getValue());

    e.setName(CString(L"North wall, level 2"));
    EXPECT_EQ(e.getNameOnImport().getValue(), CString(L"Wall 12")) << "only the first rename is remembered";

    e.setName(CString(L"Wall 12"));
    EXPECT_EQ(e.getExactNameOnImport(), nullptr) << "renaming back forgets the imported name";
    EXPECT_EQ(&e.getNameOnImport(), &e.getName());

    CEntity3D same = entityNamed(L"Slab");
    same.setName(CString(L"Slab"));
    EXPECT_EQ(same.getExactNameOnImport(), nullptr);
    EXPECT_TRUE(same.getExposed().getValue()) << "any rename exposes";

    same.setNameOnImport(CString(L"Slab"));
    EXPECT_EQ(same.getExactNameOnImport(), nullptr);
    same.setExposed(CProjectBool(false));
    same.setNameOnImport(CString(L"IfcSlab"));
    EXPECT_EQ(same.getNameOnImport().getValue(), CString(L"IfcSlab"));
    EXPECT_FALSE(same.getExposed().getValue());
}

TEST(Entity3D, IdentityTransformsAreNeverStoredExceptOnImport) {
    CEntity3D e = entityNamed(L"Column");
    CGraphicalTransform moved;
    moved.setAsTranslation(CGraphicalVector3D(1, 2, 3));
    e.setTransform(moved);
    e.setTextureMatrix(moved);
    ASSERT_FALSE(e.getTransform().isNull());
    EXPECT_TRUE(*e.getTransform() == moved);

    const CGraphicalTransform identity;
    e.setTransform(identity);
    e.setTextureMatrix(identity);
    EXPECT_TRUE(e.getTransform().isNull());
    EXPECT_TRUE(e.getTextureMatrix().isNull());
    e.setTransformOnImport(identity);
    EXPECT_FALSE(e.getTransformOnImport().isNull());
    e.clearTransformOnImport();
    e.clearTransformOnImport();
    EXPECT_TRUE(e.getTransformOnImport().isNull());
}

TEST(Entity3D, ChildListsExistOnlyWhileTheyHoldSomething) {
    CEntity3D e = entityNamed(L"Level 1");
    const CEntity3D child = entityNamed(L"Room");
    EXPECT_EQ(e.addSubEntity(child), 0);
    EXPECT_EQ(e.addSubEntity(child), -1) << "a repeated identifier is refused";
    EXPECT_TRUE(e.removeSubEntity(child.getID()));
    EXPECT_TRUE(e.getSubEntities().isEmpty());
    EXPECT_FALSE(e.hasEffectiveSubEntities());
    EXPECT_FALSE(e.removeSubEntity(child.getID()));

    // Refused first insertions leave no empty list behind.
    EXPECT_FALSE(e.addUserFieldValue(valueOf(CUserFieldID::generated(), L"x"), 1));
    EXPECT_TRUE(e.getUserFieldValues().isEmpty());
    EXPECT_TRUE(e.addNote(noteSaying(L"n"), 3).isNull());
    EXPECT_TRUE(e.getNotes().isEmpty());

    // Removing everything releases the lists.
    e.addSubEntity(child);
    e.addNote(noteSaying(L"a"), -1);
    e.addUserFieldValue(valueOf(CUserFieldID::generated(), L"v"), -1);
    e.removeAllSubEntities();
    e.removeAllNotes();
    e.removeAllUserFieldValues();
    EXPECT_TRUE(e.getSubEntities().isEmpty());
    EXPECT_TRUE(e.getNotes().isEmpty());
    EXPECT_TRUE(e.getUserFieldValues().isEmpty());
}

TEST(Entity3D, SubdivisionPartsTakePrecedenceOverChildren) {
    CEntity3D e = entityNamed(L"Slab");
    const CEntity3D modelled = entityNamed(L"modelled"), part = entityNamed(L"part");
    e.addSubEntity(modelled);
    EXPECT_EQ(e.getEffectiveSubEntities()[0]->getID(), modelled.getID());

    CEntity3DArray parts;
    parts.Add(part);
    e.setSubdivisionParts(IEntity3DArrayHandle(new CEntity3DArrayHandle(&parts)));
    EXPECT_EQ(e.countSubdivisionParts(), 1);
    EXPECT_EQ(e.getEffectiveSubEntities()[0]->getID(), part.getID());
    e.removeAllSubdivisionParts();
    EXPECT_FALSE(e.hasSubdivisionParts());
    EXPECT_TRUE(e.getSubdivisionParts().isEmpty());
    EXPECT_EQ(e.getEffectiveSubEntities()[0]->getID(), modelled.getID());
}

// Every list setter handed the entity's own list (now or through a handle kept from earlier), or
// a list inside the entity's own subtree, keeps the content.
TEST(Entity3D, ListSettersHandedTheirOwnContentKeepIt) {
    CEntity3D e = entityNamed(L"Building");
    CEntity3D level = entityNamed(L"Level");
    level.addSubEntity(entityNamed(L"Room"));
    e.addSubEntity(level);
    e.addSubEntity(entityNamed(L"Core"));
    CEntity3DArray parts;
    parts.Add(entityNamed(L"Part"));
    e.setSubdivisionParts(IEntity3DArrayHandle(new CEntity3DArrayHandle(&parts)));
    e.addNote(noteSaying(L"check"), -1);
    e.addUserFieldValue(valueOf(CUserFieldID::generated(), L"fire rating"), -1);
    const CEntity3D before(e);

    e.setSubEntities(e.getSubEntities());
    e.setSubdivisionParts(e.getSubdivisionParts());
    e.setNotes(e.getNotes());
    e.setUserFieldValues(e.getUserFieldValues());
    const IEntity3DArrayHandle kept = e.getSubEntities();
    e.setSubEntities(kept);
    EXPECT_TRUE(e == before);
    const CEntity3D& alias = e;
    e = alias;
    EXPECT_TRUE(e == before);

    // A descendant's list is copied before the old children go.
    e.setSubEntities(e.getSubEntities()[0]->getSubEntities());
    ASSERT_EQ(e.getSubEntities().GetSize(), 1);
    EXPECT_EQ(e.getSubEntities()[0]->getName().getValue(), CString(L"Room"));

    e.setNotes(INoteArrayHandle());
    EXPECT_TRUE(e.getNotes().isEmpty()) << "an empty handle releases the list";
}

TEST(Entity3D, AddOperationsAnswerWhetherSomethingWasAdded) {
    CEntity3D e = entityNamed(L"Pump");
    const CNote first = noteSaying(L"first"), second = noteSaying(L"second");
    ASSERT_FALSE(e.addNote(first, -1).isNull());
    ASSERT_FALSE(e.addNote(second, 1).isNull());

    // A present identifier at a valid index, and an index beyond the count, add nothing and hand
    // out no handle through which another note (or a shared default one) could be changed.
    CNote repeated(first);
    repeated.setText(CString(L"changed"));
    EXPECT_TRUE(e.addNote(repeated, 0).isNull());
    EXPECT_TRUE(e.addNote(noteSaying(L"late"), 5).isNull());
    EXPECT_EQ(e.numberOfNotes(), 2);
    EXPECT_EQ(e.getNotes().find(first.getID())->getText().getValue(), first.getText().getValue());

    const CUserFieldID field = CUserFieldID::generated();
    EXPECT_TRUE(e.addUserFieldValue(valueOf(field, L"A"), 0));
    EXPECT_FALSE(e.addUserFieldValue(valueOf(field, L"B"), 0)) << "the field has a value already";
    EXPECT_FALSE(e.addUserFieldValue(valueOf(field, L"B"), -1));
    EXPECT_TRUE(e.addUserFieldValue(valueOf(CUserFieldID::generated(), L"C"), 1)) << "index == count appends";
    EXPECT_FALSE(e.addUserFieldValue(valueOf(CUserFieldID::generated(), L"D"), 3)) << "count + 1";
    EXPECT_FALSE(e.addUserFieldValue(valueOf(CUserFieldID::generated(), L"D"), -2));
    EXPECT_EQ(e.numberOfUserFieldValues(), 2);
    EXPECT_TRUE(e.changeUserFieldValue(valueOf(field, L"Z")));
    EXPECT_EQ(e.getUserFieldValues().find(field)->getValue().getValue(), CString(L"Z"));

    const CDocumentFileID a = CDocumentFileID::generated(), b = CDocumentFileID::generated(), c = CDocumentFileID::generated();
    EXPECT_EQ(e.addDocumentFileID(a, -1), 0);
    EXPECT_EQ(e.addDocumentFileID(b, 7), 1) << "beyond the count appends";
    EXPECT_EQ(e.addDocumentFileID(c, 0), 0);
    EXPECT_EQ(e.addDocumentFileID(a, 0), -1);
    EXPECT_TRUE(e.removeDocumentFileID(a));
    EXPECT_FALSE(e.removeDocumentFileID(a));
    EXPECT_EQ(e.getDocumentFileIDs().GetSize(), 2);
}

TEST(Entity3D, AttachTakesTheObjectItselfAndRefusalsLeaveItWithTheCaller) {
    CEntity3D e = entityNamed(L"Level");
    auto* room = new CEntity3D(entityNamed(L"Room"));
    ASSERT_TRUE(e.attachSubEntity(room->getWritableHandle()));
    EXPECT_EQ(e.getSubEntities()[0].get(), room);

    auto* twin = new CEntity3D(*room);  // same identifier
    EXPECT_FALSE(e.attachSubEntity(twin->getWritableHandle()));
    delete twin;
    EXPECT_FALSE(e.attachSubEntity(IEntity3DWritableHandle()));
    EXPECT_FALSE(room->attachSubEntity(e.getWritableHandle())) << "an ancestor below its descendant is a cycle";
    EXPECT_FALSE(e.attachSubEntity(e.getWritableHandle()));

    IEntity3DWritableHandle detached = e.detachSubEntity(room->getID());
    ASSERT_EQ(detached.get(), room);
    EXPECT_TRUE(e.getSubEntities().isEmpty());
    EXPECT_TRUE(e.detachSubEntity(room->getID()).isNull());
    delete detached.get();
}

TEST(Entity3D, GeometryIsAdoptedKeptOrDropped) {
    CEntity3D e = entityNamed(L"Pipe");
    EXPECT_FALSE(e.attachGeometries(nullptr));

    auto* g = new CGeometryArray();
    g->getWritableCylinders().Add(CCylinder(0.1, CGraphicalPoint3D(0, 0, 0), CGraphicalPoint3D(0, 0, 3), CCapStyle()));
    ASSERT_TRUE(e.attachGeometries(g));
    EXPECT_EQ(e.getGeometries(), g) << "a stored array is adopted itself";
    EXPECT_TRUE(e.hasEffectiveGeometries());

    // Handed the array it holds, the entity keeps it as it is.
    EXPECT_TRUE(e.attachGeometries(e.getWritableGeometries()));
    ASSERT_EQ(e.getGeometries(), g);
    EXPECT_EQ(e.getGeometries()->getCylinders().GetSize(), 1);
    EXPECT_EQ(&e.safeAllocateGeometries(), g) << "a held array is never replaced";

    // An empty array drops the geometry and answers false.
    EXPECT_FALSE(e.attachGeometries(new CGeometryArray()));
    EXPECT_EQ(e.getGeometries(), nullptr);

    // An emptied array is no geometry to show, and copies and stores as none.
    CGeometryArray& fresh = e.safeAllocateGeometries();
    EXPECT_TRUE(fresh.IsEmpty());
    EXPECT_FALSE(e.hasEffectiveGeometries());
    CEntity3D bare = entityNamed(L"Pipe");
    bare.setID(e.getID());
    bare.setExposed(e.getExposed());
    EXPECT_TRUE(e == bare);
    CEntity3D loaded;
    load(loaded, store(e));
    EXPECT_EQ(loaded.getGeometries(), nullptr);
}

TEST(Entity3D, PhysicalMaterialAndMaterialsTakenFromAnotherEntity) {
    CEntity3D e = entityNamed(L"Glass");
    CIRayMaterialInstance glass;
    glass.addValueAttr(CProjectString(CString(L"ior")), CProjectString(CString(L"1.5")));
    e.setPhysicalMaterial(&glass);
    ASSERT_FALSE(e.getPhysicalMaterial().isNull());
    EXPECT_EQ(e.getPhysicalMaterial()->getAttrValueCount(), 1u);
    e.allocatePhysicalMaterial();
    EXPECT_EQ(e.getPhysicalMaterial()->getAttrValueCount(), 1u) << "allocating keeps the instance held";
    e.setPhysicalMaterial(nullptr);
    EXPECT_TRUE(e.getPhysicalMaterial().isNull());

    CEntity3D source = entityNamed(L"Template");
    CGraphicalMaterial red;
    red.setColor(IGraphicalMaterial::Diffuse, CProjectColorRGB(1, 0, 0));
    CGraphicalTransform scaled;
    scaled.setAsScale(CGraphicalVector3D(2, 2, 2));
    source.setMaterial(red);
    source.setTextureMatrix(scaled);
    e.ReplaceEmptyMaterialFromOtherEntity(IEntity3DHandle());
    EXPECT_TRUE(e.getMaterial().isNull());
    e.ReplaceEmptyMaterialFromOtherEntity(source.getHandle());
    EXPECT_TRUE(*e.getMaterial() == red);
    EXPECT_TRUE(*e.getTextureMatrix() == scaled);

    CGraphicalMaterial blue;
    blue.setColor(IGraphicalMaterial::Diffuse, CProjectColorRGB(0, 0, 1));
    e.setMaterial(blue);
    e.ReplaceEmptyMaterialFromOtherEntity(source.getHandle());
    EXPECT_TRUE(*e.getMaterial() == blue) << "a held material is never overwritten";
}

TEST(Entity3D, ContainmentFollowsChildrenAndSubdivisionPartsAtAnyDepth) {
    const auto tree = chainOf(30);
    IEntity3DArrayHandle level = tree->getSubEntities();
    for (int i = 0; i < 20; ++i) level = level[0]->getSubEntities();
    const CEntity3DID deep = level[0]->getID();
    CEntity3DArray parts;
    parts.Add(entityNamed(L"part"));
    (*level.getWritableReference(0)).setSubdivisionParts(IEntity3DArrayHandle(new CEntity3DArrayHandle(&parts)));

    EXPECT_TRUE(tree->doesEntityContain(tree->getID()));
    EXPECT_TRUE(tree->doesEntityContain(deep));
    EXPECT_TRUE(tree->doesEntityContain(parts.getConstReference(0).getID()));
    EXPECT_FALSE(level[0]->doesEntityContain(tree->getID()));
    EXPECT_FALSE(tree->doesEntityContain(CEntity3DID::generated()));
}

// Trees within the archive's limit copy, compare, store, load and go; deeper ones are refused by
// the archive on storing and loading, and deep trees built in memory are still released safely.
TEST(Entity3D, TreesAtAndBeyondTheArchiveDepthLimit) {
    const auto deepest = chainOf(IEntity3D::kMaxTreeDepth - 2);
    CEntity3D copy(*deepest);
    EXPECT_TRUE(copy == *deepest);
    CEntity3D loaded;
    load(loaded, store(copy));
    EXPECT_TRUE(loaded == *deepest);

    const auto tooDeep = chainOf(IEntity3D::kMaxTreeDepth + 5);
    EXPECT_THROW(store(*tooDeep), CArchiveException);

    CEntity3D parent = entityNamed(L"parent");
    CEntity3D leaf = entityNamed(L"leaf");
    parent.addSubEntity(leaf);
    const DeepNesting chain(store(parent), store(leaf), {"Entity3D", "CUniquePointerArray"});
    CEntity3D target = entityNamed(L"kept");
    expectRefusedAsTooDeep(target, chain.nest(150));

    // Far beyond anything an archive holds: released without recursion.
    auto huge = chainOf(200000);
    huge.reset();
}

}  // namespace
}  // namespace kelvara::test
