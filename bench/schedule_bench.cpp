// The scheduling engine on generated networks of 10k, 100k and 1M tasks: 1.5 links a task on
// average (finish-to-start mostly, some start-to-start, finish-to-finish and start-to-finish, with
// delays), one task in twenty a summary of the next ones, three calendars with ten years of
// holidays (five days of 8 hours, six days of 10 hours, every day round the clock).
//
// BM_ScheduleNetwork runs both passes with floats and the longest path; BM_LongestPathFloor is the
// least any schedule must do on the same links: one topological order and one forward relaxation
// in elapsed time, without calendars, summaries or a backward pass. Their ratio is what calendars,
// both passes and the analysis cost. BM_ScheduleProject schedules a stored project of the same
// shape through CProjectSchedule (reading tasks, both schedules, costs). Sizes shrink with
// KELVARA_BENCH_SMOKE (see LinkContainers.h).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "LinkContainers.h"
#include "kelvara/AllKinds.h"
#include "kelvara/document/CProjectDocument.h"
#include "kelvara/scheduling/ProjectSchedule.h"
#include "kelvara/scheduling/ScheduleNetwork.h"
#include "kelvara/scheduling/WorkingCalendar.h"

namespace kelvara::bench {
namespace {

constexpr std::int64_t kHour = 3'600'000;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kStart = 1799020800000LL;  // Monday 2027-01-04

// Three calendars: their day types' blocks, the days of the week they work (1 Sunday .. 7
// Saturday) and ten holidays a year for ten years.
CCalendar makeCalendar(int fromHour, int toHour, std::initializer_list<int> days, bool holidays) {
    CCalendar c;
    (void)c.generateIDs();
    const CCalendarDayTypeID working = c.getCalendarWeek().getDay(2), off = c.getCalendarWeek().getDay(1);
    CCalendarDayType type;
    type.copyFrom(*c.getCalendarDayTypes()[0]);
    CProjectTimeOfDaySpanArray spans;
    spans.Add(CProjectTimeOfDaySpan(CProjectTimeOfDay(fromHour, 0), CProjectTimeOfDay(toHour, 0)));
    type.setTimeOfDaySpanArray(spans);
    (void)c.editCalendarDayType(type);
    CCalendarWeek week;
    for (int d = 1; d <= 7; ++d) week.setDay(d, off);
    for (int d : days) week.setDay(d, working);
    c.setCalendarWeek(week);
    if (holidays) {
        std::mt19937 random(7);
        for (int year = 0; year < 10; ++year)
            for (int h = 0; h < 10; ++h) {
                CCalendarException e;
                e.setDate(CProjectDate(kStart + (year * 365 + static_cast<int>(random() % 365)) * kDay));
                e.setCalendarDayTypeID(off);
                (void)c.addCalendarException(e, -1);
            }
    }
    return c;
}

struct Calendars {
    CCalendar five = makeCalendar(8, 16, {2, 3, 4, 5, 6}, true);
    CCalendar six = makeCalendar(7, 17, {2, 3, 4, 5, 6, 7}, true);
    CCalendar always = makeCalendar(0, 24, {1, 2, 3, 4, 5, 6, 7}, false);
    std::vector<CWorkingCalendar> working{CWorkingCalendar(five), CWorkingCalendar(six), CWorkingCalendar(always)};
};
const Calendars& calendars() {
    static const Calendars c;
    return c;
}

// The shape of one generated network, shared by the network and the stored project.
struct Shape {
    struct Task {
        int parent, calendar;
        std::int64_t duration;
    };
    struct Link {
        int from, to, type;
        std::int64_t delay;
    };
    std::vector<Task> tasks;
    std::vector<Link> links;
};

Shape makeShape(int n) {
    Shape s;
    std::mt19937_64 random(static_cast<std::uint64_t>(n));
    int summary = -1;
    for (int i = 0; i < n; ++i) {
        if (i % 20 == 0) {
            summary = i;
            s.tasks.push_back({-1, 0, 0});
            continue;
        }
        s.tasks.push_back({summary, static_cast<int>(random() % 3), static_cast<std::int64_t>(1 + random() % 40) * kHour});
        // Links from recent plain tasks only, so chains run through the whole network.
        const int links = i > 25 ? 1 + static_cast<int>(random() % 2) : 0;
        for (int k = 0; k < links; ++k) {
            int from = i - 1 - static_cast<int>(random() % 25);
            if (from % 20 == 0) ++from;
            if (from >= i) continue;
            const unsigned pick = static_cast<unsigned>(random() % 20);
            const int type = pick < 14 ? CLinkType::FinishToStart
                             : pick < 17 ? CLinkType::StartToStart
                             : pick < 19 ? CLinkType::FinishToFinish
                                         : CLinkType::StartToFinish;
            s.links.push_back({from, i, type, static_cast<std::int64_t>(random() % 3) * 4 * kHour});
        }
    }
    return s;
}

CScheduleNetwork makeNetwork(const Shape& shape) {
    const std::vector<CWorkingCalendar>& cals = calendars().working;
    CScheduleNetwork net;
    net.projectStart = kStart + 8 * kHour;
    for (const Shape::Task& t : shape.tasks) {
        CNetworkTask task;
        task.parent = t.parent;
        task.calendar = &cals[static_cast<std::size_t>(t.calendar)];
        task.duration = t.duration;
        net.tasks.push_back(task);
    }
    for (const Shape::Link& l : shape.links) {
        CNetworkLink link;
        link.predecessor = l.from;
        link.successor = l.to;
        link.type = l.type;
        link.delay = l.delay;
        link.calendar = net.tasks[static_cast<std::size_t>(l.to)].calendar;
        net.links.push_back(link);
    }
    return net;
}

const CScheduleNetwork& networkOf(int size) {
    const int n = benchSize(size);
    static std::map<int, std::unique_ptr<CScheduleNetwork>> made;
    auto& slot = made[n];
    if (!slot) {
        made.clear();  // one size at a time
        made[n] = std::make_unique<CScheduleNetwork>(makeNetwork(makeShape(n)));
        return *made[n];
    }
    return *slot;
}

void BM_ScheduleNetwork(benchmark::State& state) {
    const CScheduleNetwork& net = networkOf(static_cast<int>(state.range(0)));
    std::int64_t finish = 0;
    for (auto _ : state) {
        const CNetworkSchedule s = scheduleNetwork(net, true);
        finish = s.projectFinish;
        benchmark::DoNotOptimize(finish);
    }
    state.counters["tasks"] = static_cast<double>(net.tasks.size());
    state.counters["links"] = static_cast<double>(net.links.size());
    state.counters["span_days"] = static_cast<double>(finish - net.projectStart) / static_cast<double>(kDay);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(net.tasks.size()));
}

// One topological order (Kahn) and one relaxation over the links in elapsed time.
void BM_LongestPathFloor(benchmark::State& state) {
    const CScheduleNetwork& net = networkOf(static_cast<int>(state.range(0)));
    const std::size_t n = net.tasks.size();
    for (auto _ : state) {
        std::vector<int> first(n + 1, 0), out(net.links.size()), indegree(n, 0), order;
        for (const CNetworkLink& l : net.links) ++first[static_cast<std::size_t>(l.predecessor) + 1], ++indegree[static_cast<std::size_t>(l.successor)];
        for (std::size_t i = 0; i < n; ++i) first[i + 1] += first[i];
        std::vector<int> fill(first.begin(), first.end() - 1);
        for (std::size_t k = 0; k < net.links.size(); ++k)
            out[static_cast<std::size_t>(fill[static_cast<std::size_t>(net.links[k].predecessor)]++)] = static_cast<int>(k);
        order.reserve(n);
        for (std::size_t i = 0; i < n; ++i)
            if (indegree[i] == 0) order.push_back(static_cast<int>(i));
        std::vector<std::int64_t> es(n, net.projectStart);
        for (std::size_t h = 0; h < order.size(); ++h) {
            const int t = order[h];
            const std::int64_t ef = es[static_cast<std::size_t>(t)] + net.tasks[static_cast<std::size_t>(t)].duration;
            for (int k = first[static_cast<std::size_t>(t)]; k < first[static_cast<std::size_t>(t) + 1]; ++k) {
                const CNetworkLink& l = net.links[static_cast<std::size_t>(out[static_cast<std::size_t>(k)])];
                es[static_cast<std::size_t>(l.successor)] = std::max(es[static_cast<std::size_t>(l.successor)], ef + l.delay);
                if (--indegree[static_cast<std::size_t>(l.successor)] == 0) order.push_back(l.successor);
            }
        }
        benchmark::DoNotOptimize(es.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(n));
}

// A stored project of the same shape (tasks with links in their successors, three calendars).
struct StoredProject {
    CProjectDocument project;
    explicit StoredProject(const Shape& shape) {
        const Calendars& c = calendars();
        const CCalendarID ids[3] = {c.five.getID(), c.six.getID(), c.always.getID()};
        for (const CCalendar* cal : {&c.five, &c.six, &c.always}) project.getCalendarRoot().getArray().Add(*cal);
        std::vector<CTaskID> taskIDs(shape.tasks.size());
        for (CTaskID& id : taskIDs) id = CTaskID::generated();
        std::vector<std::vector<const Shape::Link*>> incoming(shape.tasks.size());
        for (const Shape::Link& l : shape.links) incoming[static_cast<std::size_t>(l.to)].push_back(&l);
        CTaskArray& roots = project.getTaskRoot().getArray();
        CTask summary;
        auto flush = [&] {
            if (!summary.getID().isNULL()) roots.Add(summary);
        };
        for (std::size_t i = 0; i < shape.tasks.size(); ++i) {
            CTask t;
            t.setID(taskIDs[i]);
            t.setDominantCalendarID(ids[shape.tasks[i].calendar]);
            t.setTaskDuration(CProjectDuration(shape.tasks[i].duration));
            if (i == 0) t.setPlannedStartTime(CProjectTime(kStart + 8 * kHour));
            for (const Shape::Link* l : incoming[i]) {
                CLink link(taskIDs[static_cast<std::size_t>(l->from)], CLinkType(l->type));
                link.setDelay(CProjectDuration(l->delay));
                t.addUpstreamLink(link, -1);
            }
            if (shape.tasks[i].parent < 0) {
                flush();
                summary = t;
            } else {
                (void)summary.addSubTask(t);
            }
        }
        flush();
    }
};

void BM_ScheduleProject(benchmark::State& state) {
    const StoredProject stored(makeShape(benchSize(static_cast<int>(state.range(0)))));
    int tasks = 0;
    for (auto _ : state) {
        const CProjectSchedule schedule(stored.project);
        tasks = schedule.taskCount();
        benchmark::DoNotOptimize(tasks);
    }
    state.counters["tasks"] = tasks;
    state.SetItemsProcessed(state.iterations() * tasks);
}

BENCHMARK(BM_ScheduleNetwork)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongestPathFloor)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScheduleProject)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvara::bench
