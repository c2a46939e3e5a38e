// Animations and their key frames: what a new animation holds, replacing timelines (handing an
// animation its own timeline included), fixed interpolation types, identifier renewal and the
// archive.
#include <gtest/gtest.h>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CAnimation.h"

namespace {

using kelvara::test::load;
using kelvara::test::store;

CCameraTimeline cameraTimeline(std::initializer_list<int> ticks) {
    CCameraTimeline t;
    for (int tick : ticks) EXPECT_GE(t.addKeyFrame(CCameraKeyFrame(tick, CViewpointCamera())), 0);
    return t;
}

CAnimation fullAnimation() {
    CAnimation a(L"Fly-round");
    a.setCameraTimeline(cameraTimeline({0, 50, 100}));
    CEventTimeline events;
    CEventKeyFrame show(25);
    C3DNotationIDArray notes;
    notes.Add(C3DNotationID::generated());
    show.setShown3DNotationIDs(notes);
    show.setHideMainGrid(true);
    (void)events.addKeyFrame(show);
    a.setEventTimeline(events);
    CProjectTimeTimeline focus;
    (void)focus.addKeyFrame(CProjectTimeKeyFrame(0, CProjectTime(1000)));
    (void)focus.addKeyFrame(CProjectTimeKeyFrame(100, CProjectTime(90000)));
    a.setFocusTimeTimeline(focus);
    return a;
}

TEST(Animation, NewAnimations) {
    const CAnimation plain;
    EXPECT_FALSE(plain.hasCameraTimeline());
    EXPECT_FALSE(plain.hasEventTimeline());
    EXPECT_FALSE(plain.hasFocusTimeTimeline());
    EXPECT_TRUE(plain.getCameraTimeline().isNull());

    const CAnimation named(L"Walk-through");
    EXPECT_EQ(named.getName().getValue(), CString(L"Walk-through"));
    EXPECT_EQ(named.getAVIExportProperty().getValue(), CString(IAnimation::kDefaultAVIExportProperty));
    ASSERT_TRUE(named.hasCameraTimeline());
    ASSERT_TRUE(named.hasEventTimeline());
    ASSERT_TRUE(named.hasFocusTimeTimeline());
    EXPECT_EQ(named.getCameraTimeline()->getStartTick(), -1);
    EXPECT_EQ(named.getFocusTimeTimeline()->getKeyframes().GetSize(), 0);
    EXPECT_NE(named.getID(), CAnimation(L"Other").getID());
}

// The held timeline handed back to its own setter is kept as it is.
TEST(Animation, OwnTimelineHandedBackIsKept) {
    CAnimation a = fullAnimation();
    const CAnimation before(a);
    a.setCameraTimeline(*a.getCameraTimeline());
    a.setEventTimeline(*a.getEventTimeline());
    a.setFocusTimeTimeline(*a.getFocusTimeTimeline());
    EXPECT_TRUE(a == before);
    EXPECT_EQ(a.getCameraTimeline()->getKeyframes().GetSize(), 3);
    EXPECT_EQ(a.getFocusTimeTimeline()->getEndTick(), 100);

    // Another timeline replaces the held one; another animation's is copied, not shared.
    CAnimation b(L"b");
    b.setCameraTimeline(cameraTimeline({7}));
    EXPECT_EQ(b.getCameraTimeline()->getStartTick(), 7);
    b.setCameraTimeline(*a.getCameraTimeline());
    a.removeCameraTimeline();
    EXPECT_FALSE(a.hasCameraTimeline());
    EXPECT_EQ(b.getCameraTimeline()->getKeyframes().GetSize(), 3);
}

TEST(Animation, CopiesStoresAndRenewsEveryIdentifier) {
    CAnimation a = fullAnimation();
    CAnimation copy(a);
    EXPECT_TRUE(copy == a);
    CAnimation loaded;
    load(loaded, store(a));
    EXPECT_TRUE(loaded == a);
    EXPECT_EQ(loaded.getEventTimeline()->getKeyFrames()[0]->getShown3DNotationIDs(),
              a.getEventTimeline()->getKeyFrames()[0]->getShown3DNotationIDs());

    const CKeyFrameID keyBefore = a.getCameraTimeline()->getKeyframes()[1]->getID();
    const CTimelineID timelineBefore = a.getCameraTimeline()->getID();
    a.generateIDs();
    const ICameraKeyFrameArrayHandle keys = a.getCameraTimeline()->getKeyframes();
    EXPECT_NE(keys[1]->getID(), keyBefore) << "key-frame parts are renewed";
    EXPECT_NE(a.getCameraTimeline()->getID(), timelineBefore);
    EXPECT_EQ(keys.findByID(keys[1]->getID()), 1) << "the key-frame list is re-indexed";
    EXPECT_EQ(keys[1]->getObjectStateGUID(), keys[1]->getID().getGUID());
    EXPECT_EQ(a.getCameraTimeline()->getObjectStateGUID(), a.getCameraTimeline()->getID().getGUID());
}

TEST(KeyFrames, InterpolationTypesAndIdentifierLists) {
    CCameraKeyFrame camera(40, CViewpointCamera());
    EXPECT_EQ(camera.getInterpolationType().getCurrentValue(), 2);
    camera.setInterpolationType(CInterpolationType::Spherical);
    EXPECT_EQ(camera.getInterpolationType().getCurrentValue(), 3);
    EXPECT_NE(camera.getID(), CCameraKeyFrame().getID()) << "new key frames have identifiers of their own";

    CEventKeyFrame event(5);
    EXPECT_EQ(event.getInterpolationType().getCurrentValue(), 0);
    event.setInterpolationType(CInterpolationType::Linear);
    EXPECT_EQ(event.getInterpolationType().getCurrentValue(), 0) << "events always switch";
    EXPECT_EQ(event.getKeyFrame()->getInterpolationType().getCurrentValue(), 1) << "what was set is kept";

    CUserGridIDArray grids;
    grids.Add(CUserGridID::generated());
    grids.Add(CUserGridID::generated());
    event.setHiddenUserGridIDs(grids);
    event.setHiddenUserGridIDs(event.getHiddenUserGridIDs());
    EXPECT_EQ(event.getHiddenUserGridIDs(), grids) << "assigned to itself";
}

}  // namespace
