// Paths: normalising a path timeline, the placement a path key gives, a path's transforms, its
// sub-path tree, and the bound on how deep a loaded tree may nest.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CPath.h"

namespace {

using kelvara::test::load;
using kelvara::test::store;

std::vector<int> ticks(const IPathTimeline& t) {
    std::vector<int> out;
    const IPathKeyArrayHandle keys = t.getKeyframes();
    for (int i = 0; i < keys.GetSize(); ++i) out.push_back(keys[i]->getTick().getValue());
    return out;
}

CPathTimeline timelineAt(std::initializer_list<int> tickList) {
    CPathTimeline t;
    float x = 0.0f;
    for (int tick : tickList) EXPECT_GE(t.addKeyFrame(CKeyFrameID::generated(), CGraphicalPoint3D(x++, 0, 0), CQuat(), {}, tick), 0);
    return t;
}

void expectPoint(const CGraphicalPoint3D& p, float x, float y, float z) {
    EXPECT_NEAR(p.x(), x, 1e-5f);
    EXPECT_NEAR(p.y(), y, 1e-5f);
    EXPECT_NEAR(p.z(), z, 1e-5f);
}

const float kHalf = std::sqrt(0.5f);

TEST(PathTimeline, NormalizeRunsTheKeysFromZeroToTheMaximumTick) {
    const CPathTimeline source = timelineAt({100, 150, 300});
    CPathTimeline t;
    ASSERT_TRUE(t.Normalize(source));
    EXPECT_EQ(ticks(t), (std::vector<int>{0, IPathKey::GetMaxTick() / 4, IPathKey::GetMaxTick()}));
    EXPECT_EQ(t.getStartTick(), 0);
    EXPECT_EQ(t.getEndTick(), IPathKey::GetMaxTick());
    EXPECT_EQ(t.getID(), source.getID()) << "the timeline keeps its identifier";
    EXPECT_EQ(t.getKeyframes()[1]->getID(), source.getKeyframes()[1]->getID());
    EXPECT_EQ(t.getKeyframes()[1]->getPosition(), source.getKeyframes()[1]->getPosition());

    // Truncation toward zero, and keys that land on a taken tick are dropped.
    ASSERT_TRUE(t.Normalize(timelineAt({0, 1, 3, 30000})));
    EXPECT_EQ(ticks(t), (std::vector<int>{0, 1, IPathKey::GetMaxTick()}));
    // One key (first and last the same): it goes to 0.
    ASSERT_TRUE(t.Normalize(timelineAt({42})));
    EXPECT_EQ(ticks(t), (std::vector<int>{0}));
    // Normalising itself, and far-apart ticks that would overflow an int difference.
    CPathTimeline wide = timelineAt({-2000000000, 0, 2000000000});
    ASSERT_TRUE(wide.Normalize(wide));
    EXPECT_EQ(ticks(wide), (std::vector<int>{0, IPathKey::GetMaxTick() / 2, IPathKey::GetMaxTick()}));
}

TEST(PathTimeline, NormalizeRefusalsLeaveAPlainCopy) {
    CPathTimeline t = timelineAt({1, 2});
    const CPathTimeline empty;
    EXPECT_FALSE(t.Normalize(empty));
    EXPECT_TRUE(t == empty);

    // A key without a valid tick in the middle.
    CPathTimeline source = timelineAt({-5, 20});
    CPathKey unset;
    CKelvaraKeyFrame part;
    part.setTick(CProjectInt());
    unset.setKeyFrame(part);
    ASSERT_EQ(source.addKeyFrame(unset), 1);
    EXPECT_FALSE(t.Normalize(source));
    EXPECT_TRUE(t == source);
}

TEST(PathTimeline, NormalizedTickIsUnclamped) {
    const CPathTimeline t = timelineAt({100, 150, 300});
    EXPECT_DOUBLE_EQ(t.getNormalizedTick(100), 0.0);
    EXPECT_DOUBLE_EQ(t.getNormalizedTick(150), 0.25);
    EXPECT_DOUBLE_EQ(t.getNormalizedTick(300), 1.0);
    EXPECT_GT(t.getNormalizedTick(400), 1.0);
    EXPECT_LT(t.getNormalizedTick(0), 0.0);
    EXPECT_DOUBLE_EQ(CPathTimeline().getNormalizedTick(5), 0.0);
    EXPECT_DOUBLE_EQ(timelineAt({7}).getNormalizedTick(9), 0.0) << "first and last at one tick";
}

TEST(PathTimeline, AddingFromValuesRefusesATakenTickOrIdentifier) {
    CPathTimeline t;
    const CKeyFrameID id = CKeyFrameID::generated();
    const CQuat turn(0, 0, kHalf, kHalf);
    EXPECT_EQ(t.addKeyFrame(id, CGraphicalPoint3D(1, 2, 3), turn, CGraphicalPoint3D(4, 5, 6), 10), 0);
    EXPECT_EQ(t.addKeyFrame(CKeyFrameID::generated(), {}, {}, {}, 10), -1);
    EXPECT_EQ(t.addKeyFrame(id, {}, {}, {}, 50), -1);
    EXPECT_EQ(t.getEndTick(), 10);
    const IPathKeyHandle key = t.getKeyframes()[0];
    EXPECT_EQ(key->getID(), id);
    EXPECT_EQ(key->getRotation(), turn);
    EXPECT_EQ(key->getCenter(), CGraphicalPoint3D(4, 5, 6));
}

TEST(PathKey, PlacementRotatesAboutTheCentreThenTranslates) {
    CPathKey key;
    CGraphicalTransform t;
    key.getTransform(t, false);
    EXPECT_TRUE(t.isIdentityTransform()) << "the default key places nothing";

    // A quarter turn about z through (1, 1, 0), then 10 along x.
    key.setRotation(CQuat(0, 0, kHalf, kHalf));
    key.setCenter(CGraphicalPoint3D(1, 1, 0));
    key.setPosition(CGraphicalPoint3D(10, 0, 0));
    key.getTransform(t, false);
    expectPoint(CGraphicalPoint3D(2, 1, 0) * t, 11, 2, 0);
    expectPoint(CGraphicalPoint3D(1, 1, 5) * t, 11, 1, 5);  // points on the axis only translate

    // Accumulating applies the key after what the transform holds.
    CGraphicalTransform up;
    up.setAsTranslation(CGraphicalVector3D(1, 0, 0));
    key.getTransform(up, true);
    expectPoint(CGraphicalPoint3D(1, 1, 0) * up, 11, 2, 0);

    // An unnormalised quaternion turns the same; a zero one does not turn.
    key.setRotation(CQuat(0, 0, 3, 3));
    key.getTransform(t, false);
    expectPoint(CGraphicalPoint3D(2, 1, 0) * t, 11, 2, 0);
    key.setRotation(CQuat(0, 0, 0, 0));
    key.getTransform(t, false);
    expectPoint(CGraphicalPoint3D(2, 1, 0) * t, 12, 1, 0);
}

TEST(PathKey, InterpolationTypeIsAlwaysSmooth) {
    CPathKey key;
    EXPECT_EQ(key.getInterpolationType().getCurrentValue(), 2);
    key.setInterpolationType(CInterpolationType::Discrete);
    EXPECT_EQ(key.getInterpolationType().getCurrentValue(), 2);
    EXPECT_EQ(key.getKeyFrame()->getInterpolationType().getCurrentValue(), 2) << "stored as 2 too";
}

TEST(Path, NewPathAndItsTransforms) {
    CPath path;
    EXPECT_EQ(path.getColor(), CProjectColorRGB(1.0f, 0.0f, 0.0f));
    EXPECT_TRUE(path.getTimeline().isNull());
    EXPECT_FALSE(path.hasEffectiveTransforms());
    CGraphicalTransformArray out;
    out.Add(CGraphicalTransform());
    path.toTransformArray(out);
    EXPECT_EQ(out.GetSize(), 0) << "emptied";

    path.setTimeline(timelineAt({0, 10}));  // the first key stands still, the second moves 1 along x
    EXPECT_TRUE(path.hasEffectiveTransforms());
    path.toTransformArray(out);
    ASSERT_EQ(out.GetSize(), 2);
    EXPECT_TRUE(out[0].isIdentityTransform());
    expectPoint(CGraphicalPoint3D(0, 0, 0) * out[1], 1, 0, 0);

    CPathTimeline still;
    (void)still.addKeyFrame(CKeyFrameID::generated(), {}, {}, CGraphicalPoint3D(5, 5, 5), 0);
    path.setTimeline(still);
    EXPECT_FALSE(path.hasEffectiveTransforms());
    path.toTransformArray(out);
    EXPECT_EQ(out.GetSize(), 0);
}

CPath named(const wchar_t* name) {
    CPath p;
    p.setName(CProjectString(name));
    return p;
}

std::vector<CString> names(const IPath& path) {
    std::vector<CString> out;
    const IPathArrayHandle subs = path.getSubPaths();
    for (int i = 0; i < subs.GetSize(); ++i) out.push_back(subs[i]->getName().getValue());
    return out;
}

TEST(Path, SubPathListOperations) {
    CPath path = named(L"root");
    const CPath a = named(L"A"), b = named(L"B"), c = named(L"C"), d = named(L"D");
    EXPECT_EQ(path.addSubPath(a), 0);
    EXPECT_EQ(path.addSubPath(a), -1);
    path.insertSubPath(c, 1);
    path.insertSubPath(b, 1);
    path.insertSubPath(d, 5);
    path.insertSubPath(d, -1);
    path.insertSubPath(d, 3);
    EXPECT_EQ(names(path), (std::vector<CString>{L"A", L"B", L"C", L"D"}));

    // The element at the first index moves to the second.
    EXPECT_TRUE(path.changeSubPathPosition(0, 2));
    EXPECT_EQ(names(path), (std::vector<CString>{L"B", L"C", L"A", L"D"}));
    EXPECT_FALSE(path.changeSubPathPosition(0, 4));
    EXPECT_FALSE(path.changeSubPathPosition(-1, 0));
    EXPECT_TRUE(path.changeSubPathPosition(1, 1));

    EXPECT_TRUE(path.removeSubPath(c.getID()));
    EXPECT_FALSE(path.removeSubPath(c.getID()));
    IPathWritableHandle detached = path.detachSubPath(a.getID());
    ASSERT_FALSE(detached.isNull());
    EXPECT_TRUE(path.detachSubPath(a.getID()).isNull());
    EXPECT_EQ(names(path), (std::vector<CString>{L"B", L"D"}));
    EXPECT_TRUE(path.attachSubPath(detached, 0)) << "a detached sub-path goes back";
    EXPECT_EQ(names(path), (std::vector<CString>{L"A", L"B", L"D"}));

    path.setSubPaths(path.getSubPaths());
    EXPECT_EQ(names(path), (std::vector<CString>{L"A", L"B", L"D"})) << "assigned to itself";
    path.removeAllSubPaths();
    EXPECT_EQ(path.getSubPaths().GetSize(), 0);
}

// Refused objects stay the caller's; attaching a path under itself or its own sub-path would make
// the tree a cycle.
TEST(Path, AttachRefusals) {
    CPath root = named(L"root");
    (void)root.addSubPath(named(L"child"));
    auto* stranger = new CPath(named(L"stranger"));
    EXPECT_FALSE(root.attachSubPath(stranger->getWritableHandle(), 2));
    EXPECT_FALSE(root.attachSubPath(stranger->getWritableHandle(), -1));
    CPath* twin = new CPath(*stranger);
    EXPECT_TRUE(root.attachSubPath(stranger->getWritableHandle(), 1));
    EXPECT_FALSE(root.attachSubPath(twin->getWritableHandle(), 0)) << "identifier present";
    delete twin;
    EXPECT_FALSE(root.attachSubPath(IPathWritableHandle(), 0));

    EXPECT_FALSE(root.attachSubPath(root.getWritableHandle(), 0));
    IPathWritableHandle child = root.getSubPaths().getWritableReference(0);
    EXPECT_FALSE((*child).attachSubPath(root.getWritableHandle(), 0)) << "the root under its own child";
    EXPECT_EQ(names(root), (std::vector<CString>{L"child", L"stranger"}));
}

TEST(Path, TreeCopiesStoresAndRenewsIdentifiers) {
    CPath root = named(L"root");
    root.setDuration(CProjectDuration(5000));
    root.setTimeline(timelineAt({0, 10}));
    CPath child = named(L"child");
    (void)child.addSubPath(named(L"grandchild"));
    (void)root.addSubPath(child);

    CPath copy(root);
    EXPECT_TRUE(copy == root);
    (*(*copy.getSubPaths().getWritableReference(0)).getSubPaths().getWritableReference(0)).setName(CProjectString(L"x"));
    EXPECT_FALSE(copy == root) << "equality reaches the grandchild";

    CPath loaded;
    load(loaded, store(root));
    EXPECT_TRUE(loaded == root);

    const CPathID before = root.getSubPaths()[0]->getSubPaths()[0]->getID();
    root.generateIDs();
    EXPECT_NE(root.getSubPaths()[0]->getSubPaths()[0]->getID(), before);
}

// Each level of a tree is two nested records (the path and its sub-path list), so a tree nests at
// most half as deep as the archive's record limit; deeper trees are refused both ways.
TEST(Path, TreesDeeperThanTheRecordLimitAreRefused) {
    auto chain = [](int depth) {
        CPath top = named(L"leaf");
        for (int i = 0; i < depth; ++i) {
            CPath parent = named(L"level");
            (void)parent.addSubPath(top);
            top = parent;
        }
        return top;
    };
    CPath tooDeep = chain(CKelvaraArchive::kMaxDepth);
    EXPECT_THROW((void)store(tooDeep), CArchiveException);

    // A stored chain inside enough other records to pass the limit on loading.
    CPath fits = chain(40);
    const kelvara::test::Bytes inner = store(fits);
    const kelvara::test::Bytes hostile = kelvara::test::craft([&](CKelvaraArchive& ar) {
        for (int i = 0; i < CKelvaraArchive::kMaxDepth - 60; ++i) ar.checkMarkerStart("W");
        ar.Write(inner.data(), static_cast<UINT>(inner.size()));
        for (int i = 0; i < CKelvaraArchive::kMaxDepth - 60; ++i) ar.checkMarkerEnd("W");
    });
    CKelvaraArchive in(hostile.data(), hostile.size(), CKelvaraArchive::kCurrentFileVersion);
    CPath loaded;
    EXPECT_THROW(
        {
            for (int i = 0; i < CKelvaraArchive::kMaxDepth - 60; ++i) in.checkMarkerStart("W");
            loaded.Serialize(in);
        },
        CArchiveException);

    CPath back;
    load(back, inner);
    EXPECT_TRUE(back == fits);
}

}  // namespace
