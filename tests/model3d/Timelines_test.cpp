// The four timelines alike: key frames in tick order, one per tick and per identifier, StartTick
// and EndTick following the first and last key frame through changes, copies and loads, and the
// lookup of the key frame in force.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CCameraTimeline.h"
#include "kelvara/model3d/CEventTimeline.h"
#include "kelvara/model3d/CPathTimeline.h"
#include "kelvara/model3d/CProjectTimeTimeline.h"

namespace {

using kelvara::test::load;
using kelvara::test::store;

template <class T, class K>
struct Case {
    using Timeline = T;
    using KeyFrame = K;
    static K at(int tick) {
        K key;
        key.setTick(tick);
        return key;
    }
};

template <class C>
class Timelines : public ::testing::Test {
protected:
    using Timeline = typename C::Timeline;
    using KeyFrame = typename C::KeyFrame;

    static std::vector<int> ticks(const Timeline& t) {
        std::vector<int> out;
        const auto keys = t.getKeyFrameList();
        for (int i = 0; i < keys.GetSize(); ++i) out.push_back(keys[i]->getTick().getValue());
        return out;
    }
    static Timeline with(std::initializer_list<int> tickList) {
        Timeline t;
        for (int tick : tickList) EXPECT_GE(t.addKeyFrame(C::at(tick)), 0);
        return t;
    }
    static void expectTicks(const Timeline& t, int start, int end) {
        EXPECT_EQ(t.getStartTick(), start);
        EXPECT_EQ(t.getEndTick(), end);
        EXPECT_EQ(t.getTimeline()->getStartTick(), start) << "the stored part follows";
        EXPECT_EQ(t.getTimeline()->getEndTick(), end);
    }
};

using Kinds = ::testing::Types<Case<CCameraTimeline, CCameraKeyFrame>, Case<CEventTimeline, CEventKeyFrame>,
                               Case<CProjectTimeTimeline, CProjectTimeKeyFrame>, Case<CPathTimeline, CPathKey>>;
TYPED_TEST_SUITE(Timelines, Kinds);

TYPED_TEST(Timelines, KeyFramesGoInTickOrderOnePerTick) {
    typename TestFixture::Timeline t;
    this->expectTicks(t, -1, -1);
    EXPECT_EQ(t.addKeyFrame(TypeParam::at(10)), 0);
    EXPECT_EQ(t.addKeyFrame(TypeParam::at(5)), 0);
    EXPECT_EQ(t.addKeyFrame(TypeParam::at(20)), 2);
    EXPECT_EQ(this->ticks(t), (std::vector<int>{5, 10, 20}));
    this->expectTicks(t, 5, 20);

    EXPECT_EQ(t.addKeyFrame(TypeParam::at(10)), -1) << "a second key frame at a taken tick";
    EXPECT_EQ(t.addKeyFrame(TypeParam::at(12)), 2);
    EXPECT_EQ(this->ticks(t), (std::vector<int>{5, 10, 12, 20}));
    this->expectTicks(t, 5, 20);
}

// A key frame whose identifier is present, at a tick no key frame holds, is refused without
// moving StartTick or EndTick.
TYPED_TEST(Timelines, PresentIdentifierAtAFreeTickIsRefused) {
    auto t = this->with({5, 10});
    auto again = TypeParam::at(1);
    again.setID(t.getKeyFrameList()[0]->getID());
    EXPECT_EQ(t.addKeyFrame(again), -1);
    again.setTick(30);
    EXPECT_EQ(t.addKeyFrame(again), -1);
    EXPECT_EQ(this->ticks(t), (std::vector<int>{5, 10}));
    this->expectTicks(t, 5, 10);

    // Adding a timeline's own key frame is the same case.
    EXPECT_EQ(t.addKeyFrame(*t.getKeyFrameList()[1]), -1);
    EXPECT_EQ(t.getKeyFrameList().GetSize(), 2);
}

TYPED_TEST(Timelines, RemovingMovesTheEnds) {
    auto t = this->with({5, 10, 20});
    const auto keys = t.getKeyFrameList();
    const CKeyFrameID first = keys[0]->getID(), middle = keys[1]->getID(), last = keys[2]->getID();
    EXPECT_FALSE(t.removeKeyFrame(CKeyFrameID::generated()));
    EXPECT_TRUE(t.removeKeyFrame(first));
    this->expectTicks(t, 10, 20);
    EXPECT_FALSE(t.removeKeyFrame(first));
    EXPECT_TRUE(t.removeKeyFrame(last));
    this->expectTicks(t, 10, 10);
    EXPECT_TRUE(t.removeKeyFrame(middle));
    this->expectTicks(t, -1, -1);
}

TYPED_TEST(Timelines, KeyFrameInForceAtATick) {
    auto t = this->with({5, 10, 20});
    for (auto [tick, index] : {std::pair{4, -1}, {5, 0}, {9, 0}, {10, 1}, {12, 1}, {19, 1}, {20, 2}, {25, 2}})
        EXPECT_EQ(t.getKeyFrameIndexForTick(tick), index) << "tick " << tick;
    EXPECT_EQ(typename TestFixture::Timeline().getKeyFrameIndexForTick(0), -1);

    // Against the definition (the last key frame at or before the tick) on uneven spacings.
    std::mt19937 rng(3);
    for (int round = 0; round < 20; ++round) {
        typename TestFixture::Timeline r;
        const int n = 1 + static_cast<int>(rng() % 9);
        for (int i = 0; i < n; ++i) (void)r.addKeyFrame(TypeParam::at(static_cast<int>(rng() % 60) - 10));
        const std::vector<int> at = this->ticks(r);
        for (int tick = -15; tick < 55; ++tick) {
            const int expected = static_cast<int>(std::upper_bound(at.begin(), at.end(), tick) - at.begin()) - 1;
            ASSERT_EQ(r.getKeyFrameIndexForTick(tick), expected) << "tick " << tick;
        }
    }
}

TYPED_TEST(Timelines, CopiesLoadsAndSelfAssignmentKeepEverything) {
    auto t = this->with({5, 10, 20});
    typename TestFixture::Timeline copy(t);
    EXPECT_TRUE(copy == t);
    EXPECT_EQ(copy.getID(), t.getID());
    this->expectTicks(copy, 5, 20);

    typename TestFixture::Timeline loaded = this->with({1});
    load(loaded, store(t));
    EXPECT_TRUE(loaded == t);
    this->expectTicks(loaded, 5, 20);

    const auto& same = t;
    t = same;
    t.copyFrom(same);
    t.setKeyFrameList(t.getKeyFrameList());
    EXPECT_EQ(this->ticks(t), (std::vector<int>{5, 10, 20}));
    this->expectTicks(t, 5, 20);
}

// A file's own StartTick and EndTick are replaced by the key frames' on loading; a part changed
// behind the timeline's back is stored with the key frames' ticks.
TYPED_TEST(Timelines, TicksFollowTheKeyFramesOnLoadAndStore) {
    auto t = this->with({5, 10, 20});
    kelvara::test::Bytes bytes = store(t);
    // The part's record follows the timeline's name; patch its StartTick (after the identifier).
    const std::string name = "\x08Timeline";
    const auto at = std::search(bytes.begin() + 1 + 1 + 4, bytes.end(), name.begin(), name.end());
    ASSERT_NE(at, bytes.end());
    const auto startTick = at + static_cast<std::ptrdiff_t>(name.size()) + 4 + 16 + 1;
    ASSERT_EQ(*startTick, 5);
    *startTick = 99;
    typename TestFixture::Timeline loaded;
    load(loaded, bytes);
    this->expectTicks(loaded, 5, 20);

    CTimeline wrong;
    wrong.setID(t.getID());
    wrong.setStartTick(-7);
    t.setTimeline(wrong);
    EXPECT_EQ(t.getStartTick(), 5) << "the timeline answers its key frames' ticks";
    load(loaded, store(t));
    this->expectTicks(loaded, 5, 20);
    EXPECT_TRUE(loaded == t);
}

}  // namespace
