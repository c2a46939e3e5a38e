// Links: construction defaults, full-content copies, and storage in their arrays.
#include <gtest/gtest.h>

#include "ArchiveTesting.h"
#include "kelvara/schedule/CLink.h"

namespace {

CTaskID newTask() {
    CTaskID id;
    id.generate();
    return id;
}

TEST(Link, NewLinksGetDistinctIdentifiersAndTheGivenEnds) {
    const CTaskID upstream = newTask();
    CLink a;
    CLink b(upstream, CLinkType(CLinkType::StartToFinish));
    EXPECT_TRUE(a.getID().isValidNotNull());
    EXPECT_TRUE(b.getID().isValidNotNull());
    EXPECT_NE(a.getID(), b.getID());
    EXPECT_EQ(b.getUpstreamTaskID(), upstream);
    EXPECT_TRUE(b.getType() == CLinkType::StartToFinish);
    EXPECT_TRUE(a.getType() == CLinkType::FinishToStart);
    EXPECT_EQ(a.getDelay().getValue(), 0);
    EXPECT_TRUE(a.getDelay().isValid());
    EXPECT_TRUE(a.getDelayCalendarID().isNULL());
}

TEST(Link, AssignmentAndCopiesCarryEveryMemberIdentifierIncluded) {
    CLink source(newTask(), CLinkType(CLinkType::FinishToFinish));
    CCalendarID calendar;
    calendar.generate();
    source.setDelayCalendarID(calendar);
    source.setStatus(CLinkStatus(CLinkStatus::Driving));
    source.setDelayType(CLinkDelayType(CLinkDelayType::PercentOfPredecessor));
    source.setDelay(CProjectDuration(-7200000));

    CLink target;
    target = source;
    EXPECT_TRUE(target == source);
    EXPECT_EQ(target.getID(), source.getID());
    EXPECT_EQ(target.getDelayCalendarID(), calendar);
    std::unique_ptr<ILink> clone(source.clone());
    EXPECT_TRUE(*clone == source);

    target.setDelay(CProjectDuration(0));
    EXPECT_TRUE(target != source);
    const CLink& same = target;
    target = same;  // self-assignment keeps the content
    EXPECT_EQ(target.getDelay().getValue(), 0);
}

TEST(Link, HandlesReachTheStoredLinkAndItsState) {
    CLinkArray links;
    CLink link;
    ASSERT_EQ(links.Add(link), 0);
    ILinkWritableHandle writable = links.getWritableReference(0).getWritableHandle();
    writable->setStatus(CLinkStatus(CLinkStatus::NonDriving));
    EXPECT_TRUE(links.getConstReference(0).getStatus() == CLinkStatus::NonDriving);
    ILinkHandle readOnly = links.getConstReference(0).getHandle();
    EXPECT_TRUE(readOnly.isSame(ILinkHandle(links.getConstReference(0).getHandle())));
    EXPECT_EQ(readOnly->getObjectStateGUID(), link.getID().getGUID());
}

TEST(Link, ArrayRecordRoundTripsAndRefusesADamagedLink) {
    CLinkArray links;
    for (int i = 0; i < 5; ++i) {
        CLink link(newTask(), CLinkType(i % 4));
        link.setDelay(CProjectDuration(i * 1000));
        links.Add(link);
    }
    std::vector<std::uint8_t> bytes = kelvara::test::store(links);

    CLinkArray loaded;
    kelvara::test::load(loaded, bytes);
    EXPECT_TRUE(loaded == links);
    for (int i = 0; i < links.GetSize(); ++i) EXPECT_EQ(loaded.findByID(links.getConstReference(i).getID()), i);

    // A boolean byte of the first link's delay flag set to 2 is a format error, not a value.
    const std::string marker = "Link";
    const auto at = std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end());
    ASSERT_NE(at, bytes.end());
    const std::size_t body = static_cast<std::size_t>(at - bytes.begin()) + marker.size() + 4;
    const std::size_t delayFlag = body + 3 * 16 + 3 * 4;  // three identifiers, three enumerations
    ASSERT_LT(bytes[delayFlag], 2);
    bytes[delayFlag] = 2;
    CLinkArray damaged;
    CKelvaraArchive bad(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(damaged.Serialize(bad), CArchiveException);
    EXPECT_EQ(damaged.GetSize(), 0);
}

}  // namespace
