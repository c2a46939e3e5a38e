// A project scheduled from its stored tasks: dates in a calendar with a holiday, progress, costs
// from cost lines and dated resource rates, risk and report costs, the accessor's answers, a
// baseline recorded through it, and the demo schedule's invariants.
#include <gtest/gtest.h>

#include <cstdlib>

#include "FileTesting.h"
#include "kelvara/AllKinds.h"
#include "kelvara/document/CProjectDocument.h"
#include "kelvara/platform/CFile.h"
#include "kelvara/scheduling/ProjectSchedule.h"
#include "kelvara/scheduling/ProjectScheduleAccessor.h"
#include "kelvara/scheduling/WorkingCalendar.h"

namespace {

constexpr std::int64_t H = 3'600'000;
constexpr std::int64_t D = 24 * H;
constexpr std::int64_t kFriday = 1799366400000LL;  // Friday 2027-01-08 00:00 UTC

CCost cost(double amount, CCostType::Value type) {
    CCost c;
    c.setAmount(CProjectDouble(amount));
    c.setType(CCostType(type));
    return c;
}

CResourceRate rate(double price, int usePerDay, std::int64_t from = kUnset) {
    CResourceRate r;
    r.setUseRatePerDay(usePerDay);
    if (from != kUnset) r.setEffectiveDate(CProjectDate(from));
    (void)r.addCost(cost(price, CCostType::Labour), -1);
    return r;
}

// A phase of two tasks (A then B) in a Monday-to-Friday calendar with a holiday on Monday the
// 11th, and a milestone C whose only link names a task the project does not hold.
struct SmallProject {
    CProjectDocument project;
    CCalendarID calendar;
    CTaskID phase, a, b, c;
    CLinkID ab;

    SmallProject() {
        CCalendar site;
        (void)site.generateIDs();
        CCalendarException holiday;
        holiday.setDate(CProjectDate(kFriday + 3 * D));
        holiday.setCalendarDayTypeID(site.getCalendarWeek().getDay(1));  // Sunday's: not worked
        site.addCalendarException(holiday, -1);
        calendar = site.getID();
        project.getCalendarRoot().getArray().Add(site);

        CResource crew;
        crew.setType(CResourceType(CResourceType::Labour));
        (void)crew.addResourceRate(rate(800, 1), -1);
        (void)crew.addResourceRate(rate(1000, 1, kFriday + 5 * D), -1);  // from Wednesday
        CResource concrete;
        concrete.setType(CResourceType(CResourceType::Material));
        (void)concrete.addResourceRate(rate(50, 0), -1);
        CCompany company;
        company.setID(CCompanyID::generated());
        (void)company.addResource(crew);
        (void)company.addResource(concrete);
        project.getCompanyRoot().getArray().Add(company);

        CTask ta;
        ta.setName(CString(L"A"));
        ta.setDominantCalendarID(calendar);
        ta.setTaskDuration(CProjectDuration(16 * H));
        ta.setPlannedStartTime(CProjectTime(kFriday + 9 * H));
        ta.setActualStartTime(CProjectTime(kFriday + 9 * H));
        ta.setProgressType(CProgressType(CProgressType::Manual));
        ta.setManualPercentComplete(50);
        (void)ta.addCost(cost(100, CCostType::Labour), -1);
        (void)ta.addCost(cost(300, CCostType::Material), -1);
        CAssignedResource twoCrews;
        twoCrews.setResourceID(crew.getID());
        twoCrews.setParameters(CAssignedResourceParameters(crew.getID(), CProjectDouble(2.0)));
        (void)ta.addAssignedResource(twoCrews, -1);
        a = ta.getID();

        CTask tb;
        tb.setName(CString(L"B"));
        tb.setDominantCalendarID(calendar);
        tb.setTaskDuration(CProjectDuration(8 * H));
        CLink link(a, CLinkType::FinishToStart);
        ab = link.getID();
        tb.addUpstreamLink(link, -1);
        CAssignedResource pour;
        pour.setResourceID(concrete.getID());
        pour.setParameters(CAssignedResourceParameters(concrete.getID(), CProjectDouble(10.0)));
        (void)tb.addAssignedResource(pour, -1);
        CAssignedResource oneCrew;
        oneCrew.setResourceID(crew.getID());
        (void)tb.addAssignedResource(oneCrew, -1);
        CAssignedRisk likely(CRiskID::generated(), CRiskValueMode::Percent);
        likely.setValuePercent(10.0);
        (void)likely.addCost(cost(1000, CCostType::Other));
        EXPECT_GE(tb.addAssignedRisk(likely, -1), 0);
        CAssignedRisk handled(CRiskID::generated(), CRiskValueMode::Fixed);
        handled.setStatus(CRiskStatus(CRiskStatus::Mitigated));
        (void)handled.addCost(cost(200, CCostType::Other));
        EXPECT_GE(tb.addAssignedRisk(handled, -1), 0);
        for (const auto& [day, amount] : {std::pair{4, 40.0}, std::pair{6, 60.0}}) {
            CTaskReport report;
            report.setDate(CProjectDate(kFriday + day * D));
            (void)report.addCost(cost(amount, CCostType::Other));
            tb.addTaskReport(report, -1);
        }
        b = tb.getID();

        CTask tphase;
        tphase.setName(CString(L"Phase"));
        tphase.setDominantCalendarID(calendar);
        EXPECT_GE(tphase.addSubTask(ta), 0);
        EXPECT_GE(tphase.addSubTask(tb), 0);
        phase = tphase.getID();

        CTask tc;
        tc.setName(CString(L"C"));
        tc.setDominantCalendarID(calendar);
        tc.addUpstreamLink(CLink(CTaskID::generated(), CLinkType::FinishToStart), -1);
        c = tc.getID();
        project.getTaskRoot().getArray().Add(tphase);
        project.getTaskRoot().getArray().Add(tc);
    }
};

TEST(ProjectSchedule, DatesProgressAndCostsOfASmallProject) {
    const SmallProject p;
    const CProjectSchedule s(p.project);
    ASSERT_EQ(s.taskCount(), 4);
    EXPECT_EQ(s.linkCount(), 1);
    EXPECT_EQ(s.ignoredLinks(), 1);
    const int a = s.findTask(p.a), b = s.findTask(p.b), c = s.findTask(p.c), phase = s.findTask(p.phase);
    ASSERT_GE(a, 0);
    EXPECT_TRUE(s.isSummary(phase));
    EXPECT_EQ(s.parent(a), phase);
    // A works Friday and Tuesday (Monday is a holiday), B on Wednesday.
    EXPECT_EQ(s.projectStart(), kFriday + 9 * H);
    EXPECT_EQ(s.current(a).earlyFinish, kFriday + 4 * D + 17 * H);
    EXPECT_EQ(s.current(b).earlyStart, kFriday + 5 * D + 9 * H);
    EXPECT_EQ(s.projectFinish(), kFriday + 5 * D + 17 * H);
    EXPECT_EQ(s.current(phase).earlyStart, kFriday + 9 * H);
    EXPECT_EQ(s.current(phase).earlyFinish, s.projectFinish());
    EXPECT_EQ(s.current(c).earlyStart, kFriday + 9 * H);  // its link is left out
    EXPECT_EQ(s.current(c).freeFloat, 24 * H);             // Friday, Tuesday and Wednesday
    EXPECT_EQ((std::vector<int>{a, b}), s.criticalPath());

    EXPECT_EQ(s.status(a), CTaskStatus::InProgress);
    EXPECT_EQ(s.status(b), CTaskStatus::NotStarted);
    EXPECT_DOUBLE_EQ(s.percentComplete(a), 50.0);
    EXPECT_EQ(s.actualDuration(a), 8 * H);
    EXPECT_EQ(s.remainingDuration(a), 8 * H);
    EXPECT_EQ(s.remainingDuration(b), 8 * H);

    // Planned: A's lines (100 labour, 300 material) and two crews for two days at 800; B ten units
    // of concrete at 50 and a crew for one day at Wednesday's rate of 1000.
    const CTaskCostAmounts plannedA = s.costs(a, CCostTotalType::Planned, false);
    EXPECT_DOUBLE_EQ(plannedA.human.getValue(), 100 + 2 * 2 * 800);
    EXPECT_DOUBLE_EQ(plannedA.material.getValue(), 300);
    const CTaskCostAmounts plannedB = s.costs(b, CCostTotalType::Planned, false);
    EXPECT_DOUBLE_EQ(plannedB.material.getValue(), 500);
    EXPECT_DOUBLE_EQ(plannedB.human.getValue(), 1000);
    const CTaskCostAmounts plannedPhase = s.costs(phase, CCostTotalType::Planned, true);
    EXPECT_DOUBLE_EQ(plannedPhase.human.getValue(), 3300 + 1000);
    EXPECT_DOUBLE_EQ(plannedPhase.material.getValue(), 800);
    EXPECT_DOUBLE_EQ(s.costs(phase, CCostTotalType::Planned, false).human.getValue(), 0);
    // Actual: half of A's lines, two crews for the Friday worked so far.
    const CTaskCostAmounts actualA = s.costs(a, CCostTotalType::Actual, false);
    EXPECT_DOUBLE_EQ(actualA.human.getValue(), 50 + 2 * 800);
    EXPECT_DOUBLE_EQ(actualA.material.getValue(), 150);
    EXPECT_DOUBLE_EQ(s.costs(b, CCostTotalType::Actual, false).material.getValue(), 0);
    EXPECT_DOUBLE_EQ(s.riskCost(b, false, false), 100);  // 10 percent of 1000
    EXPECT_DOUBLE_EQ(s.riskCost(b, true, false), 200);
    EXPECT_DOUBLE_EQ(s.riskCost(phase, true, true), 200);
    EXPECT_DOUBLE_EQ(s.reportCost(b, kUnset, false), 100);
    EXPECT_DOUBLE_EQ(s.reportCost(b, kFriday + 5 * D, false), 40);
    EXPECT_DOUBLE_EQ(s.reportCost(phase, kUnset, true), 100);
}

TEST(ProjectSchedule, TheAccessorAnswersFromTheScheduleAndABaselineHoldsIt) {
    const SmallProject p;
    const CProjectSchedule s(p.project);
    const CProjectScheduleAccessor accessor(s);
    const ITaskAccessor& tasks = accessor.getTaskAccessor();
    EXPECT_EQ(tasks.getParentTask(p.a)->getID(), p.phase);
    EXPECT_TRUE(tasks.getParentTask(p.phase).isNull());
    EXPECT_TRUE(tasks.getTask(CTaskID::generated()).isNull());
    EXPECT_FALSE(tasks.getStart(CTaskID::generated()).isValid());
    const CLinkIDArray downstream = tasks.getDownstreamLinkIDs(p.a);
    ASSERT_EQ(downstream.GetSize(), 1);
    EXPECT_EQ(downstream[0], p.ab);
    EXPECT_EQ(accessor.getLinkAccessor().getSuccessorTaskID(p.ab), p.b);
    EXPECT_EQ(tasks.getEstimatedFinish(p.a).getValue(), kFriday + 4 * D + 17 * H);
    EXPECT_EQ(tasks.getDuration(p.a).getValue(), 16 * H);
    EXPECT_EQ(tasks.getPlannedDuration(p.b).getValue(), 8 * H);
    EXPECT_DOUBLE_EQ(tasks.getSummaryTaskTotalCost(p.phase, CCostTotalType::Planned).getValue(), 4300 + 800);
    // Working time: the site calendar skips the holiday; an unknown calendar is the default week.
    const CProjectTime from(kFriday + 9 * H), to(kFriday + 3 * D + 17 * H);
    EXPECT_EQ(accessor.getCalendarAccessor().getWorkingTime(p.calendar, from, to).getValue(), 8 * H);
    EXPECT_EQ(accessor.getCalendarAccessor().getWorkingTime(CCalendarID::generated(), from, to).getValue(), 16 * H);
    EXPECT_TRUE(accessor.getCriticalPathAccessor().isLinkCritical(p.ab));
    EXPECT_TRUE(accessor.getCriticalPathAccessor().isCriticalByFloat(p.b));

    CProjectBaseline baseline;
    for (int i = 0; i < s.taskCount(); ++i) baseline.baselineTask(s.task(i), &accessor, false);
    const ITaskBaselineDataArrayHandle records = baseline.getBaselinedTasks();
    ASSERT_EQ(records.GetSize(), 4);
    const ITaskBaselineData& rb = *records[records.findByID(p.b)];
    EXPECT_EQ(rb.getEarlyStart().getValue(), kFriday + 5 * D + 9 * H);
    EXPECT_EQ(rb.getStartTime().getValue(), kFriday + 5 * D + 9 * H);
    EXPECT_TRUE(rb.isOnCriticalPath().getValue());
    ASSERT_EQ(rb.getUpstreamLinks().GetSize(), 1);
    EXPECT_EQ(rb.getUpstreamLinksDelaysEndpoints().GetAt(0).getValue(), kFriday + 4 * D + 17 * H);
    EXPECT_EQ(rb.getCriticalUpstreamLinks().GetSize(), 1);
    EXPECT_DOUBLE_EQ(rb.getUnmitigatedRiskCost().getValue(), 100);
    const ITaskBaselineData& rphase = *records[records.findByID(p.phase)];
    EXPECT_TRUE(rphase.isSummary().getValue());
    EXPECT_DOUBLE_EQ(rphase.getHumanCost().getValue(), 4300);
    // With the critical-path flag the floats are worked time in the task's calendar.
    baseline.baselineTask(s.task(s.findTask(p.c)), &accessor, true);
    const ITaskBaselineData& rc = *records[records.findByID(p.c)];
    EXPECT_EQ(rc.getDownstreamFloat().getValue(), 24 * H);
}

TEST(ProjectSchedule, TheDemoScheduleHoldsItsInvariantsAndItsBaselineIsTrue) {
    const char* tool = std::getenv("KELVARA_TOOL");
    if (!tool) GTEST_SKIP() << "KELVARA_TOOL names the kelvara program (ctest sets it)";
    const kelvara::test::TemporaryFolder folder;
    const std::string file = folder / "demo.kvp";
    ASSERT_EQ(std::system((std::string(tool) + " demo " + file + " > /dev/null").c_str()), 0);
    CFile in(file.c_str(), CFile::modeRead);
    CArchive reader(&in, CArchive::load);
    CProjectDocument project;
    project.load(reader.data(), reader.size());
    const CProjectSchedule s(project);
    ASSERT_GT(s.taskCount(), 100);
    EXPECT_EQ(s.ignoredLinks(), 0);
    int critical = 0;
    for (int i = 0; i < s.taskCount(); ++i) {
        const CTaskDates& d = s.current(i);
        SCOPED_TRACE(s.task(i).getName().getValue().toUtf8());
        ASSERT_NE(d.earlyStart, kUnset);
        EXPECT_LE(d.earlyStart, d.lateStart);
        EXPECT_LE(d.earlyFinish, d.lateFinish);
        EXPECT_GE(d.finishTotalFloat, 0);
        EXPECT_GE(d.freeFloat, 0);
        EXPECT_LE(d.earlyFinish, s.projectFinish());
        if (s.isSummary(i) || !d.onLongestPath) continue;
        ++critical;
        // Each task on the path is started by its progress or the project start, or by a critical
        // link from a task on the path (directly or through the summaries above either end).
        if (s.task(i).getActualStartTime().isValid() || d.earlyStart == s.projectStart()) continue;
        bool reached = false;
        for (int l = 0; l < s.linkCount() && !reached; ++l) {
            if (!s.linkDates(l).critical) continue;
            for (int t = i; t >= 0 && !reached; t = s.parent(t)) reached = s.successorOf(l) == t;
        }
        EXPECT_TRUE(reached);
    }
    EXPECT_GT(critical, 5);
    const std::vector<int> path = s.criticalPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(s.current(path.back()).earlyFinish, s.projectFinish());

    // The demo's baseline was recorded through the engine: its records are the schedule's values.
    const CProjectBaselineArray& baselines = project.getProjectBaselineRoot().getArray();
    ASSERT_EQ(baselines.GetSize(), 1);
    const ITaskBaselineDataArrayHandle records = baselines.getConstReference(0).getBaselinedTasks();
    ASSERT_EQ(records.GetSize(), s.taskCount());
    for (int r = 0; r < records.GetSize(); ++r) {
        const ITaskBaselineData& record = *records[r];
        const int i = s.findTask(record.getID());
        ASSERT_GE(i, 0);
        EXPECT_EQ(record.getEarlyStart().getValue(), s.current(i).earlyStart);
        EXPECT_EQ(record.getLateFinish().getValue(), s.current(i).lateFinish);
        EXPECT_EQ(record.getStartTime().getValue(), s.current(i).start);
        EXPECT_EQ(record.getPlannedFinishTime().getValue(), s.planned(i).finish);
        EXPECT_EQ(record.getDownstreamTotalFloat().getValue(), s.current(i).finishTotalFloat);
        EXPECT_EQ(record.isOnCriticalPath().getValue(), s.current(i).onLongestPath || s.current(i).criticalByFloat);
    }
}

}  // namespace
