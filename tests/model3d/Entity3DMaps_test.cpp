// The index maps over an entity forest: who is mapped, which parent wins, what is answered for
// identifiers that are not there, and copies of maps.
#include <gtest/gtest.h>

#include "kelvara/model3d/CEntity3D.h"
#include "kelvara/model3d/CMapEntity3DIDToEntity3D.h"

namespace kelvara::test {
namespace {

CEntity3D named(const wchar_t* name) {
    CEntity3D entity;
    entity.generateIDs();
    entity.setName(CString(name));
    return entity;
}

IEntity3DArrayHandle handleOn(const CEntity3DArray& array) { return IEntity3DArrayHandle(new CEntity3DArrayHandle(&array)); }

// A forest: building (level 1 (room a, room b), level 2), and a second top-level entity.
struct Forest {
    CEntity3DArray top;
    CEntity3DID building, level1, level2, roomA, roomB, site;

    Forest() {
        CEntity3D b = named(L"building"), l1 = named(L"level 1"), l2 = named(L"level 2");
        const CEntity3D a = named(L"room a"), r = named(L"room b"), s = named(L"site");
        l1.addSubEntity(a);
        l1.addSubEntity(r);
        b.addSubEntity(l1);
        b.addSubEntity(l2);
        top.Add(b);
        top.Add(s);
        building = b.getID(), level1 = l1.getID(), level2 = l2.getID(), roomA = a.getID(), roomB = r.getID(),
        site = s.getID();
    }
};

TEST(Entity3DMaps, ParentsOfEveryEntityAndNothingForUnknownIdentifiers) {
    Forest f;
    CMapEntity3DIDToParent parents;
    parents.buildMap(handleOn(f.top));
    EXPECT_EQ(parents.GetCount(), 6);
    EXPECT_EQ(parents.getParentID(f.roomB), f.level1);
    EXPECT_EQ(parents.getParentID(f.level2), f.building);
    EXPECT_EQ(parents.getParent(f.level1)->getName().getValue(), CString(L"building"));

    // A top-level entity is mapped, to no parent; unknown, null and unset identifiers answer the
    // null identifier and an empty handle.
    const IEntity3D* parent = reinterpret_cast<const IEntity3D*>(&f);
    EXPECT_TRUE(parents.Lookup(f.site, parent));
    EXPECT_EQ(parent, nullptr);
    CEntity3DID unset;
    unset.unset();
    for (const CEntity3DID& id : {f.site, CEntity3DID::generated(), CEntity3DID(), unset}) {
        EXPECT_TRUE(parents.getParent(id).isNull());
        EXPECT_TRUE(parents.getParentID(id).isNULL());
    }

    // Building again starts from an empty map.
    CEntity3DArray other;
    other.Add(named(L"alone"));
    parents.buildMap(handleOn(other));
    EXPECT_EQ(parents.GetCount(), 1);
}

TEST(Entity3DMaps, AChildUnderTwoParentsMapsToTheLastVisitedAndNullIdentifiersAreSkipped) {
    CEntity3D first = named(L"first"), second = named(L"second");
    const CEntity3D shared = named(L"shared");
    first.addSubEntity(shared);
    second.addSubEntity(shared);
    CEntity3D nameless;  // a null identifier
    nameless.addSubEntity(named(L"under nameless"));
    first.addSubEntity(nameless);
    CEntity3DArray top;
    top.Add(first);
    top.Add(second);

    CMapEntity3DIDToParent parents;
    parents.buildMap(handleOn(top));
    EXPECT_EQ(parents.getParentID(shared.getID()), second.getID());
    EXPECT_EQ(parents.GetCount(), 4) << "first, second, shared and the child of the nameless entity";

    // Adding one entity maps it whatever its identifier, then its subtree.
    CMapEntity3DIDToParent added;
    added.addEntityToMap(nameless, &first);
    EXPECT_EQ(added.GetCount(), 2);

    // Copies hold the same entries.
    const CMapEntity3DIDToParent copy(parents);
    EXPECT_EQ(copy.getParentID(shared.getID()), second.getID());
}

TEST(Entity3DMaps, EntitiesByIdentifier) {
    Forest f;
    CMapEntity3DIDToEntity3D entities;
    entities.buildMap(handleOn(f.top));
    EXPECT_EQ(entities.GetCount(), 6);
    EXPECT_EQ(entities.getEntity3D(f.roomA)->getName().getValue(), CString(L"room a"));
    EXPECT_TRUE(entities.getEntity3D(CEntity3DID::generated()).isNull());
    EXPECT_TRUE(entities.getEntity3D(CEntity3DID()).isNull());

    // The map points into the tree it was built from.
    EXPECT_EQ(entities.getEntity3D(f.building).get(), &f.top.getConstReference(0));

    CMapEntity3DIDToEntity3D copy(true);
    copy = entities;
    EXPECT_FALSE(copy.includesSubdivisionParts()) << "assignment copies the flag";
    EXPECT_EQ(copy.getEntity3D(f.level2).get(), entities.getEntity3D(f.level2).get());
}

// Subdivision parts: under an entity with a subdivision the parent map walks them; the entity map
// indexes them only when asked to.
TEST(Entity3DMaps, SubdivisionParts) {
    CEntity3D slab = named(L"slab"), plain = named(L"plain");
    CEntity3DArray parts;
    const CEntity3D partA = named(L"part a");
    parts.Add(partA);
    slab.setSubdivisionParts(handleOn(parts));
    slab.setSubdivision(CSubdivisionByUniformSlices());
    CEntity3DArray otherParts;
    const CEntity3D orphan = named(L"part without subdivision");
    otherParts.Add(orphan);
    plain.setSubdivisionParts(handleOn(otherParts));
    CEntity3DArray top;
    top.Add(slab);
    top.Add(plain);

    CMapEntity3DIDToParent parents;
    parents.buildMap(handleOn(top));
    EXPECT_EQ(parents.getParentID(partA.getID()), slab.getID());
    const IEntity3D* found = nullptr;
    EXPECT_FALSE(parents.Lookup(orphan.getID(), found));

    CMapEntity3DIDToEntity3D without(false), with(true);
    without.buildMap(handleOn(top));
    with.buildMap(handleOn(top));
    EXPECT_TRUE(without.getEntity3D(partA.getID()).isNull());
    EXPECT_FALSE(with.getEntity3D(partA.getID()).isNull());
    EXPECT_FALSE(with.getEntity3D(orphan.getID()).isNull());
    EXPECT_EQ(with.GetCount(), 4);
}

// A chain far deeper than any stored tree is walked without recursion.
TEST(Entity3DMaps, DeepTreesAreWalkedWithoutRecursion) {
    CEntity3DArray top;
    auto* root = new CEntity3D(named(L"root"));
    top.Attach(0, root);
    CEntity3D* at = root;
    CEntity3DID deepest;
    for (int i = 0; i < 100000; ++i) {
        auto* child = new CEntity3D(named(L"n"));
        ASSERT_TRUE(at->attachSubEntity(child->getWritableHandle()));
        at = child;
        deepest = child->getID();
    }
    CMapEntity3DIDToParent parents;
    parents.buildMap(handleOn(top));
    CMapEntity3DIDToEntity3D entities;
    entities.buildMap(handleOn(top));
    EXPECT_EQ(parents.GetCount(), 100001);
    EXPECT_EQ(entities.getEntity3D(deepest).get(), at);
}

}  // namespace
}  // namespace kelvara::test
