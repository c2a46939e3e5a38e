// The critical-path passes: textbook networks worked by hand (elapsed time and a working calendar
// with a holiday beside a weekend), every link type with positive and negative delays,
// constraints, summary tasks, progress, a brute-force oracle on thousands of random networks, and
// cycles refused with the tasks named.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "kelvara/schedule/CCalendar.h"
#include "kelvara/scheduling/ScheduleNetwork.h"
#include "kelvara/scheduling/WorkingCalendar.h"

namespace {

constexpr std::int64_t H = 3'600'000;

class Net {
public:
    explicit Net(const CWorkingCalendar* calendar = nullptr) : m_calendar(calendar ? calendar : &continuous()) {}
    static const CWorkingCalendar& continuous() {
        static const CWorkingCalendar c;
        return c;
    }
    int task(std::int64_t hours, int parent = -1, const char* name = "") {
        CNetworkTask t;
        t.id = CTaskID::generated();
        t.name = name;
        t.parent = parent;
        t.calendar = m_calendar;
        t.duration = hours * H;
        network.tasks.push_back(t);
        return static_cast<int>(network.tasks.size()) - 1;
    }
    int link(int from, int to, int type = CLinkType::FinishToStart, std::int64_t delayHours = 0) {
        CNetworkLink l;
        l.id = CLinkID::generated();
        l.predecessor = from;
        l.successor = to;
        l.type = type;
        l.delay = delayHours * H;
        l.calendar = m_calendar;
        network.links.push_back(l);
        return static_cast<int>(network.links.size()) - 1;
    }
    CNetworkSchedule run(bool progress = false) const { return scheduleNetwork(network, progress); }
    CScheduleNetwork network;

private:
    const CWorkingCalendar* m_calendar;
};

std::int64_t hoursOf(std::int64_t ms) { return ms / H; }

TEST(ScheduleNetwork, TextbookNetworkGivesDatesFloatsRanksAndTheCriticalPath) {
    Net n;
    const int a = n.task(3, -1, "A"), b = n.task(4, -1, "B"), c = n.task(2, -1, "C"), d = n.task(1, -1, "D");
    n.link(a, b);
    n.link(a, c);
    n.link(b, d);
    const int cd = n.link(c, d);
    const CNetworkSchedule s = n.run();
    EXPECT_EQ(hoursOf(s.projectFinish), 8);
    struct Want {
        int task;
        std::int64_t es, ef, ls, lf, free;
        int rank;
        bool critical;
    };
    for (const Want& w : {Want{a, 0, 3, 0, 3, 0, 1, true}, Want{b, 3, 7, 3, 7, 0, 2, true},
                          Want{c, 3, 5, 5, 7, 2, 2, false}, Want{d, 7, 8, 7, 8, 0, 3, true}}) {
        const CTaskDates& t = s.tasks[static_cast<std::size_t>(w.task)];
        SCOPED_TRACE(w.task);
        EXPECT_EQ(hoursOf(t.earlyStart), w.es);
        EXPECT_EQ(hoursOf(t.earlyFinish), w.ef);
        EXPECT_EQ(hoursOf(t.lateStart), w.ls);
        EXPECT_EQ(hoursOf(t.lateFinish), w.lf);
        EXPECT_EQ(hoursOf(t.startTotalFloat), w.ls - w.es);
        EXPECT_EQ(hoursOf(t.finishTotalFloat), w.lf - w.ef);
        EXPECT_EQ(hoursOf(t.freeFloat), w.free);
        EXPECT_EQ(t.rank, w.rank);
        EXPECT_EQ(t.onLongestPath, w.critical);
        EXPECT_EQ(t.criticalByFloat, w.critical);
    }
    EXPECT_FALSE(s.links[static_cast<std::size_t>(cd)].driving);
    EXPECT_TRUE(s.links[0].critical);
    EXPECT_FALSE(s.links[1].critical);
}

TEST(ScheduleNetwork, EveryLinkTypeWithPositiveAndNegativeDelays) {
    Net n;
    const int x = n.task(5, -1, "X");
    const int y = n.task(3, -1, "Y"), z = n.task(2, -1, "Z"), w = n.task(4, -1, "W"), v = n.task(1, -1, "V");
    n.link(x, y, CLinkType::StartToStart, 2);
    const int xz = n.link(x, z, CLinkType::FinishToFinish, 1);
    const int xw = n.link(x, w, CLinkType::StartToFinish, 3);
    n.link(x, v, CLinkType::FinishToStart, -2);
    const CNetworkSchedule s = n.run();
    auto es = [&](int t) { return hoursOf(s.tasks[static_cast<std::size_t>(t)].earlyStart); };
    auto ls = [&](int t) { return hoursOf(s.tasks[static_cast<std::size_t>(t)].lateStart); };
    EXPECT_EQ(es(y), 2);  // start + 2
    EXPECT_EQ(es(z), 4);  // finishes at X's finish + 1 = 6
    EXPECT_EQ(es(w), 0);  // must finish after X's start + 3: no later than the project start allows
    EXPECT_EQ(es(v), 3);  // X's finish - 2
    EXPECT_EQ(hoursOf(s.projectFinish), 6);
    // Backward: X's finish is held by the finish-to-finish link (6 - 1), its start by nothing tighter.
    EXPECT_EQ(hoursOf(s.tasks[static_cast<std::size_t>(x)].lateFinish), 5);
    EXPECT_EQ(ls(x), 0);
    EXPECT_EQ(ls(y), 3);
    EXPECT_EQ(ls(w), 2);
    EXPECT_EQ(ls(v), 5);
    EXPECT_EQ(hoursOf(s.links[static_cast<std::size_t>(xz)].effectiveDelay), 1);
    EXPECT_TRUE(s.links[static_cast<std::size_t>(xz)].critical);
    EXPECT_FALSE(s.links[static_cast<std::size_t>(xw)].driving);
    EXPECT_TRUE(s.tasks[static_cast<std::size_t>(x)].onLongestPath);
    EXPECT_TRUE(s.tasks[static_cast<std::size_t>(z)].onLongestPath);
    EXPECT_FALSE(s.tasks[static_cast<std::size_t>(y)].onLongestPath);
}

TEST(ScheduleNetwork, ConstraintsBoundEarlyAndLateDates) {
    Net n;
    const int a = n.task(2), b = n.task(2), c = n.task(2), d = n.task(1), e = n.task(3);
    n.link(a, b);
    n.network.tasks[static_cast<std::size_t>(b)].constraint = CTaskConstraintType::StartOnOrAfter;
    n.network.tasks[static_cast<std::size_t>(b)].constraintEarly = 10 * H;
    n.network.tasks[static_cast<std::size_t>(c)].constraint = CTaskConstraintType::FinishOnOrBefore;
    n.network.tasks[static_cast<std::size_t>(c)].constraintLate = 4 * H;
    n.network.tasks[static_cast<std::size_t>(d)].constraint = CTaskConstraintType::MustStartOn;
    n.network.tasks[static_cast<std::size_t>(d)].constraintEarly = 5 * H;
    n.network.tasks[static_cast<std::size_t>(e)].constraint = CTaskConstraintType::AsLateAsPossible;
    const CNetworkSchedule s = n.run();
    auto at = [&](int t) -> const CTaskDates& { return s.tasks[static_cast<std::size_t>(t)]; };
    EXPECT_EQ(hoursOf(at(b).earlyStart), 10);
    EXPECT_EQ(hoursOf(s.projectFinish), 12);
    EXPECT_EQ(hoursOf(at(a).lateFinish), 10);  // B waits for its constraint date, so A may too
    EXPECT_EQ(hoursOf(at(c).lateFinish), 4);
    EXPECT_EQ(hoursOf(at(c).finishTotalFloat), 2);
    EXPECT_EQ(hoursOf(at(d).earlyStart), 5);
    EXPECT_EQ(hoursOf(at(d).lateStart), 5);
    EXPECT_TRUE(at(d).criticalByFloat);
    EXPECT_EQ(hoursOf(at(e).start), 9);  // as late as possible: at its late dates
    EXPECT_EQ(hoursOf(at(e).earlyStart), 0);
    // A finish-before date earlier than the task can make gives negative float, not a lie.
    n.network.tasks[static_cast<std::size_t>(c)].constraintLate = 1 * H;
    EXPECT_EQ(hoursOf(n.run().tasks[static_cast<std::size_t>(c)].finishTotalFloat), -1);
}

TEST(ScheduleNetwork, SummaryTasksSpanTheirSubTasksAndCarryLinks) {
    Net n;
    const int before = n.task(4, -1, "before");
    const int phase = n.task(0, -1, "phase");
    const int p1 = n.task(2, phase, "p1"), p2 = n.task(5, phase, "p2");
    const int after = n.task(1, -1, "after");
    n.link(before, phase);              // to a summary: every task under it waits
    n.link(phase, after);               // from a summary: waits for all of it
    n.link(p1, p2, CLinkType::StartToStart, 1);
    const CNetworkSchedule s = n.run();
    auto at = [&](int t) -> const CTaskDates& { return s.tasks[static_cast<std::size_t>(t)]; };
    EXPECT_EQ(hoursOf(at(p1).earlyStart), 4);
    EXPECT_EQ(hoursOf(at(p2).earlyStart), 5);
    EXPECT_EQ(hoursOf(at(phase).earlyStart), 4);
    EXPECT_EQ(hoursOf(at(phase).earlyFinish), 10);
    EXPECT_EQ(hoursOf(at(after).earlyStart), 10);
    EXPECT_EQ(hoursOf(at(p1).lateStart), 4);   // p2 must start an hour after it, by 5
    EXPECT_EQ(hoursOf(at(p1).lateFinish), 6);
    EXPECT_EQ(hoursOf(at(before).lateFinish), 4);
    EXPECT_TRUE(at(before).onLongestPath);
    EXPECT_TRUE(at(p2).onLongestPath);
    EXPECT_TRUE(at(phase).onLongestPath);
    EXPECT_TRUE(s.links[0].critical);
    EXPECT_TRUE(s.links[1].critical);
}

TEST(ScheduleNetwork, ProgressFixesActualDatesAndMovesSuccessors) {
    Net n;
    const int a = n.task(4), b = n.task(4), c = n.task(2);
    n.link(a, b);
    n.link(b, c);
    CNetworkTask& done = n.network.tasks[static_cast<std::size_t>(a)];
    done.actualStart = 1 * H;
    done.actualFinish = 7 * H;  // late by three hours
    CNetworkTask& going = n.network.tasks[static_cast<std::size_t>(b)];
    going.actualStart = 8 * H;
    going.percentComplete = 50;
    going.remaining = 5 * H;  // 2 hours done, 5 left: finishes at 15
    const CNetworkSchedule plan = n.run(false), now = n.run(true);
    EXPECT_EQ(hoursOf(plan.tasks[static_cast<std::size_t>(c)].earlyFinish), 10);
    EXPECT_EQ(hoursOf(now.tasks[static_cast<std::size_t>(a)].earlyFinish), 7);
    EXPECT_EQ(hoursOf(now.tasks[static_cast<std::size_t>(b)].earlyStart), 8);
    EXPECT_EQ(hoursOf(now.tasks[static_cast<std::size_t>(b)].earlyFinish), 15);
    EXPECT_EQ(hoursOf(now.tasks[static_cast<std::size_t>(c)].earlyFinish), 17);
    EXPECT_EQ(hoursOf(now.projectFinish), 17);
}

// A calendar working Monday to Friday 09:00-17:00 with a holiday on Monday 2027-01-11.
TEST(ScheduleNetwork, WorkingCalendarWithAHolidayBesideAWeekend) {
    constexpr std::int64_t day = 24 * H;
    const std::int64_t friday = 1799366400000LL;  // Friday 2027-01-08 00:00 UTC
    CCalendar calendar;
    CCalendarException holiday;
    holiday.setDate(CProjectDate(friday + 3 * day));
    holiday.setCalendarDayTypeID(ICalendar::nonWorkingDayTypeID());
    calendar.addCalendarException(holiday, -1);
    const CWorkingCalendar working(calendar);
    Net n(&working);
    n.network.projectStart = friday + 9 * H;
    const int a = n.task(16, -1, "A"), b = n.task(4, -1, "B");
    n.link(a, b, CLinkType::FinishToStart, 8);
    const CNetworkSchedule s = n.run();
    const CTaskDates &ta = s.tasks[static_cast<std::size_t>(a)], &tb = s.tasks[static_cast<std::size_t>(b)];
    EXPECT_EQ(ta.earlyStart, friday + 9 * H);
    EXPECT_EQ(ta.earlyFinish, friday + 4 * day + 17 * H);  // Friday, then Tuesday (Monday is off)
    EXPECT_EQ(tb.earlyStart, friday + 6 * day + 9 * H);     // a working day later: Thursday morning
    EXPECT_EQ(tb.earlyFinish, friday + 6 * day + 13 * H);
    EXPECT_EQ(ta.lateFinish, ta.earlyFinish);  // the delay's end is Wednesday 17:00, the end of work
    EXPECT_EQ(ta.finishTotalFloat, 0);
    EXPECT_EQ(s.links[0].effectiveDelay, day);  // 8 working hours: Tuesday 17:00 to Wednesday 17:00
    EXPECT_TRUE(ta.onLongestPath && tb.onLongestPath);
}

TEST(ScheduleNetwork, CyclesAreRefusedNamingTheTasks) {
    Net n;
    const int a = n.task(1, -1, "Pour"), b = n.task(1, -1, "Cure"), c = n.task(1, -1, "Strip");
    n.task(1, -1, "Elsewhere");
    n.link(a, b);
    n.link(b, c);
    n.link(c, a);
    try {
        (void)n.run();
        FAIL() << "a cycle was scheduled";
    } catch (const CScheduleCycleError& e) {
        std::vector<int> tasks = e.tasks();
        std::sort(tasks.begin(), tasks.end());
        EXPECT_EQ(tasks, (std::vector<int>{a, b, c}));
        const std::string message = e.what();
        for (const char* name : {"\"Pour\"", "\"Cure\"", "\"Strip\""}) EXPECT_NE(message.find(name), std::string::npos) << message;
        EXPECT_EQ(message.find("Elsewhere"), std::string::npos);
    }
    // A task linked to itself, and a sub-task linked to its own summary.
    Net self;
    const int t = self.task(1, -1, "Loop");
    self.link(t, t);
    EXPECT_THROW((void)self.run(), CScheduleCycleError);
    Net nested;
    const int parent = nested.task(0, -1, "Phase");
    const int child = nested.task(1, parent, "Step");
    nested.link(child, parent);
    try {
        (void)nested.run();
        FAIL() << "a link into its own summary was scheduled";
    } catch (const CScheduleCycleError& e) {
        EXPECT_EQ(e.tasks().size(), 2u);
    }
}

TEST(ScheduleNetwork, LongChainsAndBadIndexesAreHandledWithoutRecursion) {
    Net n;
    constexpr int kTasks = 300'000;
    for (int i = 0; i < kTasks; ++i) {
        n.task(1);
        if (i > 0) n.link(i - 1, i);
    }
    const CNetworkSchedule s = n.run();
    EXPECT_EQ(hoursOf(s.projectFinish), kTasks);
    EXPECT_EQ(s.tasks.back().rank, kTasks);
    n.link(kTasks - 1, 0);  // closes the chain into one long cycle
    try {
        (void)n.run();
        FAIL();
    } catch (const CScheduleCycleError& e) {
        EXPECT_EQ(e.tasks().size(), static_cast<std::size_t>(kTasks));
    }
    Net bad;
    bad.task(1);
    bad.link(0, 5);
    EXPECT_THROW((void)bad.run(), std::invalid_argument);
    Net orphan;
    orphan.task(1, 3);
    EXPECT_THROW((void)orphan.run(), std::invalid_argument);
}

// ---- the oracle: longest paths by repeated relaxation over the links expanded to plain tasks ----

struct Oracle {
    std::vector<std::int64_t> es, ef, ls, lf, freeFloat;
    std::int64_t finish = 0;
};

Oracle solve(const CScheduleNetwork& net) {
    const int n = static_cast<int>(net.tasks.size());
    std::vector<std::vector<int>> under(static_cast<std::size_t>(n));  // the plain tasks under each task
    std::vector<bool> summary(static_cast<std::size_t>(n), false);
    for (int t = 0; t < n; ++t)
        if (net.tasks[static_cast<std::size_t>(t)].parent >= 0) summary[static_cast<std::size_t>(net.tasks[static_cast<std::size_t>(t)].parent)] = true;
    for (int t = 0; t < n; ++t) {
        if (summary[static_cast<std::size_t>(t)]) continue;
        for (int p = t; p >= 0; p = net.tasks[static_cast<std::size_t>(p)].parent) under[static_cast<std::size_t>(p)].push_back(t);
    }
    struct Edge {
        int from, to, type;
        std::int64_t delay;
        bool own;  // from the plain task itself, not from a summary above it
    };
    std::vector<Edge> edges;
    for (const CNetworkLink& l : net.links)
        for (int from : under[static_cast<std::size_t>(l.predecessor)])
            for (int to : under[static_cast<std::size_t>(l.successor)])
                edges.push_back({from, to, l.type, l.delay, from == l.predecessor});
    auto d = [&](int t) { return net.tasks[static_cast<std::size_t>(t)].duration; };
    Oracle o;
    o.es.assign(static_cast<std::size_t>(n), net.projectStart);
    for (bool changed = true; changed;) {
        changed = false;
        for (const Edge& e : edges) {
            const bool fromFinish = e.type == CLinkType::FinishToStart || e.type == CLinkType::FinishToFinish;
            const bool toFinish = e.type == CLinkType::FinishToFinish || e.type == CLinkType::StartToFinish;
            const std::int64_t anchor = o.es[static_cast<std::size_t>(e.from)] + (fromFinish ? d(e.from) : 0);
            const std::int64_t bound = anchor + e.delay - (toFinish ? d(e.to) : 0);
            if (bound > o.es[static_cast<std::size_t>(e.to)]) o.es[static_cast<std::size_t>(e.to)] = bound, changed = true;
        }
    }
    o.ef.resize(static_cast<std::size_t>(n));
    for (int t = 0; t < n; ++t) o.ef[static_cast<std::size_t>(t)] = o.es[static_cast<std::size_t>(t)] + d(t);
    o.finish = net.projectStart;
    for (int t = 0; t < n; ++t)
        if (!summary[static_cast<std::size_t>(t)]) o.finish = std::max(o.finish, o.ef[static_cast<std::size_t>(t)]);
    o.lf.assign(static_cast<std::size_t>(n), o.finish);
    for (bool changed = true; changed;) {
        changed = false;
        for (const Edge& e : edges) {
            const bool fromFinish = e.type == CLinkType::FinishToStart || e.type == CLinkType::FinishToFinish;
            const bool toFinish = e.type == CLinkType::FinishToFinish || e.type == CLinkType::StartToFinish;
            const std::int64_t target = o.lf[static_cast<std::size_t>(e.to)] - (toFinish ? 0 : d(e.to));
            const std::int64_t bound = target - e.delay + (fromFinish ? 0 : d(e.from));
            if (bound < o.lf[static_cast<std::size_t>(e.from)]) o.lf[static_cast<std::size_t>(e.from)] = bound, changed = true;
        }
    }
    o.ls.resize(static_cast<std::size_t>(n));
    o.freeFloat.assign(static_cast<std::size_t>(n), INT64_MAX);
    for (int t = 0; t < n; ++t) o.ls[static_cast<std::size_t>(t)] = o.lf[static_cast<std::size_t>(t)] - d(t);
    for (const Edge& e : edges) {
        if (!e.own) continue;
        const bool fromFinish = e.type == CLinkType::FinishToStart || e.type == CLinkType::FinishToFinish;
        const bool toFinish = e.type == CLinkType::FinishToFinish || e.type == CLinkType::StartToFinish;
        const std::int64_t ask = o.es[static_cast<std::size_t>(e.from)] + (fromFinish ? d(e.from) : 0) + e.delay;
        const std::int64_t have = toFinish ? o.ef[static_cast<std::size_t>(e.to)] : o.es[static_cast<std::size_t>(e.to)];
        o.freeFloat[static_cast<std::size_t>(e.from)] = std::min(o.freeFloat[static_cast<std::size_t>(e.from)], have - ask);
    }
    for (int t = 0; t < n; ++t)  // never beyond the project's finish
        o.freeFloat[static_cast<std::size_t>(t)] = std::min(o.freeFloat[static_cast<std::size_t>(t)], o.finish - o.ef[static_cast<std::size_t>(t)]);
    return o;
}

TEST(ScheduleNetwork, MatchesABruteForceOracleOnRandomNetworks) {
    std::mt19937_64 random(20261207);
    int compared = 0;
    for (int round = 0; round < 3000; ++round) {
        Net n;
        const int count = 2 + static_cast<int>(random() % 12);
        // A random order of creation, a random tree above some tasks, links only forward in a
        // hidden topological order so that the network has no cycle.
        std::vector<int> rankOf(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) rankOf[static_cast<std::size_t>(i)] = i;
        std::shuffle(rankOf.begin(), rankOf.end(), random);
        for (int i = 0; i < count; ++i) {
            const int parent = i > 0 && random() % 4 == 0 ? static_cast<int>(random() % static_cast<unsigned>(i)) : -1;
            n.task(static_cast<std::int64_t>(random() % 6), parent);
        }
        std::vector<bool> summary(static_cast<std::size_t>(count), false);
        for (const CNetworkTask& t : n.network.tasks)
            if (t.parent >= 0) summary[static_cast<std::size_t>(t.parent)] = true;
        auto inside = [&](int inner, int outer) {
            for (int p = inner; p >= 0; p = n.network.tasks[static_cast<std::size_t>(p)].parent)
                if (p == outer) return true;
            return false;
        };
        const int links = static_cast<int>(random() % static_cast<unsigned>(2 * count));
        for (int k = 0; k < links; ++k) {
            const int a = static_cast<int>(random() % static_cast<unsigned>(count));
            const int b = static_cast<int>(random() % static_cast<unsigned>(count));
            // Links between a summary and a task of its own tree, or against the hidden order
            // (measured on the plain tasks under each end), would make cycles.
            if (a == b || inside(a, b) || inside(b, a)) continue;
            bool forward = true;
            for (int x = 0; x < count; ++x)
                for (int y = 0; y < count; ++y)
                    if (!summary[static_cast<std::size_t>(x)] && !summary[static_cast<std::size_t>(y)] && inside(x, a) &&
                        inside(y, b) && rankOf[static_cast<std::size_t>(x)] >= rankOf[static_cast<std::size_t>(y)])
                        forward = false;
            if (!forward) continue;
            n.link(a, b, static_cast<int>(random() % 4), static_cast<std::int64_t>(random() % 7) - 2);
        }
        Oracle o;
        CNetworkSchedule s;
        try {
            s = n.run();
        } catch (const CScheduleCycleError& e) {
            FAIL() << "round " << round << ": " << e.what();
        }
        o = solve(n.network);
        ASSERT_EQ(s.projectFinish, o.finish) << "round " << round;
        for (int t = 0; t < count; ++t) {
            if (summary[static_cast<std::size_t>(t)]) continue;
            const CTaskDates& got = s.tasks[static_cast<std::size_t>(t)];
            SCOPED_TRACE(testing::Message() << "round " << round << " task " << t);
            ASSERT_EQ(got.earlyStart, o.es[static_cast<std::size_t>(t)]);
            ASSERT_EQ(got.earlyFinish, o.ef[static_cast<std::size_t>(t)]);
            ASSERT_EQ(got.lateStart, o.ls[static_cast<std::size_t>(t)]);
            ASSERT_EQ(got.lateFinish, o.lf[static_cast<std::size_t>(t)]);
            ASSERT_EQ(got.finishTotalFloat, o.lf[static_cast<std::size_t>(t)] - o.ef[static_cast<std::size_t>(t)]);
            ASSERT_EQ(got.freeFloat, o.freeFloat[static_cast<std::size_t>(t)]);
            ASSERT_GE(got.finishTotalFloat, 0);
            ASSERT_GE(got.freeFloat, 0);
            ++compared;
        }
        // Every task finishing the project is on the longest path.
        for (int t = 0; t < count; ++t) {
            if (!summary[static_cast<std::size_t>(t)] && o.ef[static_cast<std::size_t>(t)] == o.finish) {
                ASSERT_TRUE(s.tasks[static_cast<std::size_t>(t)].onLongestPath);
            }
        }
    }
    EXPECT_GT(compared, 10000);
}

}  // namespace
