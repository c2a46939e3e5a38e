// Baselines recorded through a scripted accessor: which answer lands in which field under each flag,
// the links between records (kept in step with their end points and critical marks), removing a
// task from a baseline, and the plain arithmetic of delay end points and floats.
#include <gtest/gtest.h>

#include "ArchiveTesting.h"
#include "framework/TestWidget.h"
#include "kelvara/schedule/CProjectBaseline.h"
#include "kelvara/schedule/CTask.h"
#include "schedule/ScriptedAccessor.h"

namespace kelvara::test {
namespace {

constexpr std::int64_t kHour = 3600 * 1000;

CTask task(std::uint32_t n) {
    CTask t;
    t.setID(ftest::idOf<CTaskID>(n));
    return t;
}

CLink link(std::uint32_t n, std::uint32_t upstream, const CLinkType& type = CLinkType::FinishToStart) {
    CLink l(ftest::idOf<CTaskID>(upstream), type);
    l.setID(ftest::idOf<CLinkID>(n));
    return l;
}

const ITaskBaselineData& record(const CProjectBaseline& baseline, std::uint32_t n) {
    static const CTaskBaselineData none;
    const ITaskBaselineDataHandle found = baseline.getBaselinedTasks().find(ftest::idOf<CTaskID>(n));
    return found.isNull() ? none : *found;
}

// Each task scheduled one hour after the previous, one hour long.
void schedule(ScriptedAccessor& accessor, const CTask& t, std::int64_t hour) {
    ScriptedTask& answers = accessor.add(t);
    answers.start = hour * kHour;
    answers.finish = (hour + 1) * kHour;
    answers.cpPlannedStart = (hour + 10) * kHour;
    answers.cpPlannedFinish = (hour + 11) * kHour;
}

TEST(Baseline, NothingIsRecordedWithoutAnAccessorOrForATemplate) {
    CProjectBaseline baseline;
    CTask t = task(1);
    baseline.baselineTask(t, nullptr, false);
    baseline.baselineTask(t, nullptr, true);
    EXPECT_EQ(baseline.getBaselinedTasks().GetSize(), 0) << "no blank record under no task";

    CTaskBaselineData data;
    const CTaskBaselineData before(data);
    data.storeBaselineData(baseline, t, nullptr, false);
    EXPECT_TRUE(data == before);

    ScriptedAccessor accessor;
    accessor.add(t);
    t.setTemplate(true);
    baseline.baselineTask(t, &accessor, false);
    EXPECT_EQ(baseline.getBaselinedTasks().GetSize(), 0);
}

TEST(Baseline, RecordsTheScheduleUnderEachFlag) {
    CTask t = task(1);
    t.setName(CString(L"Pour slab"));
    t.setComments(L"check rebar");
    t.setMinimalDuration(CProjectDuration(5));
    t.setExpectedFinishTime(CProjectTime(99));
    t.setStatus(ftest::idOf<CTaskStateID>(1), CTaskStatus::InProgress);
    CTask parent = task(9);
    ScriptedAccessor accessor;
    accessor.add(parent);
    ScriptedTask& answers = accessor.add(t);
    answers.parent = parent.getID();
    answers.plannedStart = 100;
    answers.plannedFinish = 200;
    answers.plannedDuration = 100;
    answers.start = 110;
    answers.finish = 220;
    answers.duration = 110;
    answers.cpPlannedStart = 300;
    answers.cpPlannedFinish = 400;
    answers.cpPlannedDuration = 100;
    answers.earlyStart = 10;
    answers.earlyFinish = 20;
    answers.lateStart = 15;
    answers.lateFinish = 32;
    answers.upstreamFloat = 1;
    answers.downstreamFloat = 2;
    answers.onLongestPath = true;
    answers.estimatedFinish = 250;
    answers.remainingVolume = 4.5;

    CProjectBaseline baseline;
    baseline.baselineTask(t, &accessor, false);
    const ITaskBaselineData& plain = record(baseline, 1);
    EXPECT_EQ(CString(plain.getName()), CString(L"Pour slab"));
    EXPECT_EQ(CString(plain.getComments()), CString(L"check rebar"));
    EXPECT_EQ(plain.getParentID(), parent.getID());
    EXPECT_EQ(plain.getPlannedStartTime(), CProjectTime(100));
    EXPECT_EQ(plain.getStartTime(), CProjectTime(110));
    EXPECT_EQ(plain.getUpstreamFloat(), CProjectDuration(1)) << "the float accessor's floats";
    EXPECT_EQ(plain.getMinimalDuration(), CProjectDuration(5));
    EXPECT_EQ(plain.getRemainingPhysicalVolume(), CProjectDouble(4.5)) << "the schedule's, not the task's";
    EXPECT_TRUE(plain.isOnCriticalPath().getValue());
    EXPECT_FALSE(plain.isSummary().getValue());
    EXPECT_FALSE(plain.getEstimatedFinishTime().isValid()) << "estimated only for a complete task";
    EXPECT_EQ(plain.getExpectedFinishTime(), CProjectTime(99));
    EXPECT_EQ(plain.getEquipmentCost(), CProjectDouble(11)) << "planned total of the plain variant";
    EXPECT_EQ(plain.getActualMaterialCost(), CProjectDouble(24));
    EXPECT_EQ(plain.getReportCost(), CProjectDouble(28));
    EXPECT_FALSE(accessor.lastReportDate.isValid()) << "report cost asked with an empty time";
    EXPECT_EQ(accessor.summaryCostQuestions, 0);

    // The same record refreshed with the critical-path dates: an in-progress task (status value 1)
    // takes its planned dates as its current ones, and the limits are unset.
    baseline.baselineTask(t, &accessor, true);
    ASSERT_EQ(baseline.getBaselinedTasks().GetSize(), 1);
    const ITaskBaselineData& critical = record(baseline, 1);
    EXPECT_EQ(critical.getPlannedStartTime(), CProjectTime(300));
    EXPECT_EQ(critical.getStartTime(), CProjectTime(300));
    EXPECT_EQ(critical.getDuration(), CProjectDuration(100));
    EXPECT_FALSE(critical.getMinimalDuration().isValid());
    EXPECT_EQ(critical.getUpstreamFloat(), CProjectDuration(5)) << "late start - early start";
    EXPECT_EQ(critical.getDownstreamFloat(), CProjectDuration(12)) << "late finish - early finish";

    // A complete summary task: its costs come from the summary questions.
    t.setStatus(ftest::idOf<CTaskStateID>(2), CTaskStatus::Complete);
    t.addSubTask(task(5));
    baseline.baselineTask(t, &accessor, false);
    const ITaskBaselineData& summary = record(baseline, 1);
    EXPECT_TRUE(summary.isSummary().getValue());
    EXPECT_EQ(summary.getEstimatedFinishTime(), CProjectTime(250));
    EXPECT_EQ(summary.getEquipmentCost(), CProjectDouble(110));
    EXPECT_GT(accessor.summaryCostQuestions, 0);
}

TEST(Baseline, LinksFollowTheOrderTasksAreBaselinedIn) {
    CTask a = task(1), b = task(2), c = task(3);
    b.addUpstreamLink(link(12, 1), -1);
    c.addUpstreamLink(link(23, 2, CLinkType::StartToStart), -1);
    c.addUpstreamLink(link(13, 1), -1);
    ScriptedAccessor accessor;
    schedule(accessor, a, 0);
    schedule(accessor, b, 1);
    schedule(accessor, c, 2);
    accessor.effectiveDelays[ftest::idOf<CLinkID>(23)] = CProjectDuration(30 * 60 * 1000);
    accessor.criticalLinks.push_back(ftest::idOf<CLinkID>(13));

    CProjectBaseline baseline;
    baseline.baselineTask(c, &accessor, false);
    EXPECT_EQ(record(baseline, 3).getUpstreamLinks().GetSize(), 0) << "no predecessor baselined yet";
    baseline.baselineTask(b, &accessor, false);
    baseline.baselineTask(a, &accessor, false);

    const ITaskBaselineData& last = record(baseline, 3);
    ASSERT_EQ(last.getUpstreamLinks().GetSize(), 2) << "added through the predecessors' downstream step";
    ASSERT_EQ(last.getUpstreamLinksDelaysEndpoints().GetSize(), 2);
    for (int i = 0; i < 2; ++i) {
        const CLinkID id = last.getUpstreamLinks()[i]->getID();
        const CProjectTime end = last.getUpstreamLinksDelaysEndpoints().GetAt(i);
        if (id == ftest::idOf<CLinkID>(23)) EXPECT_EQ(end, CProjectTime(kHour + kHour / 2)) << "b's start + 30 min";
        else EXPECT_EQ(end, CProjectTime(kHour)) << "a's finish";
    }
    EXPECT_EQ(last.getCriticalUpstreamLinks().GetSize(), 1);
    EXPECT_EQ(record(baseline, 2).getUpstreamLinks().GetSize(), 1);

    // Re-baselining refreshes without doubling any link.
    baseline.baselineTask(a, &accessor, true);
    baseline.baselineTask(c, &accessor, true);
    EXPECT_EQ(record(baseline, 3).getUpstreamLinks().GetSize(), 2);
    EXPECT_EQ(record(baseline, 3).getUpstreamLinksDelaysEndpoints().GetSize(), 2);

    // Removing a task alone keeps the links to it; unbaselining removes them whole.
    CProjectBaseline copy(baseline);
    EXPECT_TRUE(copy.removeTaskFromProjectBaseline(a.getID()));
    EXPECT_FALSE(copy.removeTaskFromProjectBaseline(a.getID()));
    EXPECT_EQ(record(copy, 3).getUpstreamLinks().GetSize(), 2);
    baseline.unBaselineTask(a);
    const ITaskBaselineData& after = record(baseline, 3);
    ASSERT_EQ(after.getUpstreamLinks().GetSize(), 1);
    EXPECT_EQ(after.getUpstreamLinks()[0]->getID(), ftest::idOf<CLinkID>(23));
    EXPECT_EQ(after.getUpstreamLinksDelaysEndpoints().GetSize(), 1);
    EXPECT_EQ(after.getUpstreamLinksDelaysEndpoints().GetAt(0), CProjectTime(11 * kHour + kHour / 2))
        << "the end point that stays is the remaining link's (planned start of b + 30 min)";
    EXPECT_EQ(after.getCriticalUpstreamLinks().GetSize(), 0);
    EXPECT_EQ(record(baseline, 2).getUpstreamLinks().GetSize(), 0);
}

TEST(Baseline, AnUnknownPredecessorSkipsOnlyItsOwnLink) {
    CTask a = task(1), b = task(2), c = task(3), d = task(4);
    c.addUpstreamLink(link(13, 1), -1);
    c.addUpstreamLink(link(23, 2), -1);
    d.addUpstreamLink(link(34, 3), -1);
    ScriptedAccessor accessor;
    schedule(accessor, a, 0);
    schedule(accessor, b, 1);
    schedule(accessor, c, 2);
    schedule(accessor, d, 3);
    CProjectBaseline baseline;
    for (const CTask* t : {&a, &b, &d}) baseline.baselineTask(*t, &accessor, false);
    accessor.forget(a.getID());
    accessor.add(c);
    schedule(accessor, c, 2);
    baseline.baselineTask(c, &accessor, false);
    ASSERT_EQ(record(baseline, 3).getUpstreamLinks().GetSize(), 1);
    EXPECT_EQ(record(baseline, 3).getUpstreamLinks()[0]->getID(), ftest::idOf<CLinkID>(23));
    EXPECT_EQ(record(baseline, 4).getUpstreamLinks().GetSize(), 1) << "the downstream step still ran";
}

TEST(Baseline, ARepeatedLinkIsRefusedWholeAndInsertionChecksItsIndex) {
    CTask a = task(1);
    ScriptedAccessor accessor;
    schedule(accessor, a, 0);
    accessor.criticalLinks.push_back(ftest::idOf<CLinkID>(1));
    CTaskBaselineData data;
    data.addUpstreamLink(link(1, 1), accessor, false);
    data.addUpstreamLink(link(1, 1), accessor, true);
    data.addUpstreamLink(link(2, 1), accessor, true);
    data.addUpstreamLink(link(3, 9), accessor, false);  // a predecessor the schedule does not know
    EXPECT_EQ(data.getUpstreamLinks().GetSize(), 2);
    ASSERT_EQ(data.getUpstreamLinksDelaysEndpoints().GetSize(), 2) << "end points stay parallel to the links";
    EXPECT_EQ(data.getUpstreamLinksDelaysEndpoints().GetAt(1), CProjectTime(11 * kHour));
    EXPECT_EQ(data.getCriticalUpstreamLinks().GetSize(), 1);
    data.removeLinks(ftest::idOf<CTaskID>(1));
    EXPECT_EQ(data.getUpstreamLinks().GetSize(), 0);
    EXPECT_EQ(data.getUpstreamLinksDelaysEndpoints().GetSize(), 0);
    EXPECT_EQ(data.getCriticalUpstreamLinks().GetSize(), 0);

    CProjectBaseline baseline;
    data.setID(ftest::idOf<CTaskID>(1));
    EXPECT_FALSE(baseline.insertTaskIntoProjectBaseline(data, 1));
    EXPECT_TRUE(baseline.insertTaskIntoProjectBaseline(data, 0));
    EXPECT_FALSE(baseline.insertTaskIntoProjectBaseline(data, 1)) << "the task has a record";
    data.setID(ftest::idOf<CTaskID>(2));
    EXPECT_TRUE(baseline.insertTaskIntoProjectBaseline(data, 1)) << "index equal to the count appends";
    EXPECT_FALSE(baseline.insertTaskIntoProjectBaseline(data, -1));
}

TEST(Baseline, EndPointAndFloatArithmetic) {
    ScriptedAccessor accessor;
    const ILinkAccessor& links = accessor.getLinkAccessor();
    CLink l = link(1, 1, CLinkType::StartToFinish);
    l.setDelay(CProjectDuration(7));
    EXPECT_EQ(ITaskBaselineData::getLinksDelaysEndpoint(l, CProjectTime(100), CProjectTime(200), links), CProjectTime(107));
    l.setDelayType(CLinkDelayType::PercentOfPredecessor);
    EXPECT_EQ(ITaskBaselineData::getLinksDelaysEndpoint(l, CProjectTime(100), CProjectTime(200), links), CProjectTime(100))
        << "an unconverted percentage adds nothing";
    l.setType(CLinkType::FinishToFinish);
    EXPECT_FALSE(ITaskBaselineData::getLinksDelaysEndpoint(l, CProjectTime(100), CProjectTime(), links).isValid());
    accessor.effectiveDelays[l.getID()] = CProjectDuration(1);
    EXPECT_FALSE(ITaskBaselineData::getLinksDelaysEndpoint(l, CProjectTime(), CProjectTime(INT64_MAX), links).isValid())
        << "beyond the time range: unset, no overflow";

    CTask t = task(1);
    ScriptedTask& answers = accessor.add(t);
    answers.earlyStart = INT64_MIN;
    answers.lateStart = 10;
    answers.earlyFinish = 5;
    CProjectDuration up(1), down(1);
    ITaskBaselineData::getFreeTaskFloat(accessor.getTaskAccessor(), accessor.getCalendarAccessor(),
                                        accessor.getCriticalPathAccessor(), t, up, down);
    EXPECT_FALSE(up.isValid()) << "overflowing difference";
    EXPECT_FALSE(down.isValid()) << "late finish unknown";
}

TEST(Baseline, RecordsKeepTheirReferencesWhenIdentifiersAreRenewed) {
    CTask a = task(1), b = task(2);
    b.addUpstreamLink(link(12, 1), -1);
    ScriptedAccessor accessor;
    schedule(accessor, a, 0);
    schedule(accessor, b, 1);
    CProjectBaseline baseline;
    baseline.baselineTask(a, &accessor, false);
    baseline.baselineTask(b, &accessor, false);
    const CProjectBaselineID before = baseline.getID();
    baseline.generateIDs();
    EXPECT_NE(baseline.getID(), before);
    EXPECT_EQ(baseline.getBaselinedTasks().findByID(ftest::idOf<CTaskID>(2)), 1);
    EXPECT_EQ(record(baseline, 2).getUpstreamLinks()[0]->getID(), ftest::idOf<CLinkID>(12));

    CProjectBaseline loaded;
    load(loaded, store(baseline));
    EXPECT_TRUE(loaded == baseline);
}

}  // namespace
}  // namespace kelvara::test
