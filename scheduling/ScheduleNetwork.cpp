// The forward and backward passes of the critical-path computation (see ScheduleNetwork.h).
//
// The passes walk one dependency graph in topological order, without recursion. Each task has a
// node; a summary task has a second one. A summary's first node (its entry) gathers the bounds of
// the links to it and hands them down to the tasks under it; its second node (its exit) gathers
// the dates of the tasks under it, which links from it read. Edges: a link runs from its
// predecessor's exit (a plain task's only node) to its successor's entry; a summary's entry runs
// to each sub-task's entry, each sub-task's exit to the summary's exit. The forward pass visits
// the nodes in order, the backward pass in reverse, where the roles of entry and exit swap.
//
// Inside the forward pass "no bound" is INT64_MIN and "never" (a calendar that ran out of working
// time) INT64_MAX, so max() carries both; the backward pass mirrors them. Results at either value
// become kUnset.
#include "kelvara/scheduling/ScheduleNetwork.h"

#include <algorithm>
#include <cmath>

#include "kelvara/scheduling/WorkingCalendar.h"

namespace {

constexpr std::int64_t kLow = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kHigh = std::numeric_limits<std::int64_t>::max();

bool isFinishAnchored(int type) {  // the link leaves its predecessor's finish
    return type == CLinkType::FinishToStart || type == CLinkType::FinishToFinish;
}
bool isFinishBound(int type) {  // the link bounds its successor's finish
    return type == CLinkType::FinishToFinish || type == CLinkType::StartToFinish;
}
int linkType(int stored) {
    return stored >= CLinkType::FinishToStart && stored <= CLinkType::StartToFinish ? stored : CLinkType::FinishToStart;
}
bool isSet(std::int64_t v) { return v != kLow && v != kHigh; }
std::int64_t orUnset(std::int64_t v) { return isSet(v) ? v : kUnset; }

// A calendar answer in the forward pass: no moment means never.
std::int64_t late(std::int64_t calendarAnswer) {
    return calendarAnswer == CWorkingCalendar::kNoMoment ? kHigh : calendarAnswer;
}
// ... and in the backward pass.
std::int64_t early(std::int64_t calendarAnswer) {
    return calendarAnswer == CWorkingCalendar::kNoMoment ? kLow : calendarAnswer;
}

// Moves a moment by a signed amount of work: forwards in time for a positive one, or the other
// way round when backwards is set.
std::int64_t shift(const CWorkingCalendar& calendar, std::int64_t moment, std::int64_t work, bool backwards = false) {
    if (work == 0) return moment;
    if (work == kLow) return CWorkingCalendar::kNoMoment;  // no magnitude to take
    const bool later = (work > 0) != backwards;
    const std::int64_t amount = work > 0 ? work : -work;
    return later ? calendar.add(moment, amount) : calendar.subtract(moment, amount);
}

// The share of a duration that a percentage (0..100) stands for, within 0..duration.
std::int64_t shareOf(std::int64_t duration, double percent) {
    const double share = std::clamp(std::isnan(percent) ? 0.0 : percent, 0.0, 100.0);
    const double amount = std::round(static_cast<double>(duration) * share / 100.0);
    if (amount >= static_cast<double>(duration)) return duration;
    return amount <= 0 ? 0 : static_cast<std::int64_t>(amount);
}

std::int64_t percentOf(std::int64_t duration, std::int64_t hundredthsOfPercent) {
    const double amount = std::round(static_cast<double>(duration) * static_cast<double>(hundredthsOfPercent) / 10000.0);
    if (!(amount > -9.0e18 && amount < 9.0e18)) return amount > 0 ? kHigh / 2 : kLow / 2;
    return static_cast<std::int64_t>(amount);
}

std::int64_t elapsed(std::int64_t from, std::int64_t to) {
    std::int64_t d = 0;
    if (!isSet(from) || !isSet(to) || __builtin_sub_overflow(to, from, &d)) return kUnset;
    return d;
}

// Compressed adjacency: the items of key k are items[first[k] .. first[k + 1]).
struct Adjacency {
    std::vector<int> first;
    std::vector<int> items;
    template <class KeyOf>
    void build(int keys, int count, KeyOf keyOf) {
        first.assign(static_cast<std::size_t>(keys) + 1, 0);
        for (int i = 0; i < count; ++i) {
            const int k = keyOf(i);
            if (k >= 0) ++first[static_cast<std::size_t>(k) + 1];
        }
        for (int k = 0; k < keys; ++k) first[static_cast<std::size_t>(k) + 1] += first[static_cast<std::size_t>(k)];
        items.assign(static_cast<std::size_t>(first.back()), 0);
        std::vector<int> fill(first.begin(), first.end() - 1);
        for (int i = 0; i < count; ++i) {
            const int k = keyOf(i);
            if (k >= 0) items[static_cast<std::size_t>(fill[static_cast<std::size_t>(k)]++)] = i;
        }
    }
    template <class F>
    void each(int key, F f) const {
        for (int i = first[static_cast<std::size_t>(key)]; i < first[static_cast<std::size_t>(key) + 1]; ++i)
            f(items[static_cast<std::size_t>(i)]);
    }
};

class Scheduler {
public:
    Scheduler(const CScheduleNetwork& network, bool withProgress)
        : m_net(network), m_progress(withProgress), m_n(static_cast<int>(network.tasks.size())),
          m_m(static_cast<int>(network.links.size())) {}

    CNetworkSchedule run() {
        validate();
        m_children.build(m_n, m_n, [&](int t) { return task(t).parent; });
        m_in.build(m_n, m_m, [&](int l) { return link(l).successor; });
        m_out.build(m_n, m_m, [&](int l) { return link(l).predecessor; });
        order();
        allocate();
        forward();
        backward();
        floats();
        longestPath();
        return collect();
    }

private:
    // ---- the input ----
    const CNetworkTask& task(int t) const { return m_net.tasks[static_cast<std::size_t>(t)]; }
    const CNetworkLink& link(int l) const { return m_net.links[static_cast<std::size_t>(l)]; }
    bool summary(int t) const { return m_children.first[static_cast<std::size_t>(t) + 1] > m_children.first[static_cast<std::size_t>(t)]; }
    int exitNode(int t) const { return summary(t) ? m_n + t : t; }

    void validate() const {
        for (int t = 0; t < m_n; ++t) {
            const int p = task(t).parent;
            if (p < -1 || p >= t) throw std::invalid_argument("a task's parent must be listed before it");
            if (!task(t).calendar) throw std::invalid_argument("a task without a calendar");
        }
        for (int l = 0; l < m_m; ++l) {
            const CNetworkLink& k = link(l);
            if (k.predecessor < 0 || k.predecessor >= m_n || k.successor < 0 || k.successor >= m_n)
                throw std::invalid_argument("a link names a task outside the network");
            if (!k.calendar) throw std::invalid_argument("a link without a calendar");
        }
    }

    // ---- the graph: Kahn's algorithm over both nodes of every task ----
    template <class F>
    void eachEdgeFrom(int node, F f) const {
        if (node < m_n) {
            const int t = node;
            if (summary(t)) {
                m_children.each(t, [&](int c) { f(c); });  // entry -> sub-task entry
                return;
            }
            m_out.each(t, [&](int l) { f(link(l).successor); });
            if (task(t).parent >= 0) f(m_n + task(t).parent);
        } else {
            const int t = node - m_n;
            m_out.each(t, [&](int l) { f(link(l).successor); });
            if (task(t).parent >= 0) f(m_n + task(t).parent);
        }
    }

    void order() {
        const int nodes = 2 * m_n;
        std::vector<int> indegree(static_cast<std::size_t>(nodes), 0);
        for (int v = 0; v < nodes; ++v) {
            if (v >= m_n && !summary(v - m_n)) continue;
            eachEdgeFrom(v, [&](int to) { ++indegree[static_cast<std::size_t>(to)]; });
        }
        m_order.clear();
        m_order.reserve(static_cast<std::size_t>(nodes));
        for (int v = 0; v < nodes; ++v)
            if (indegree[static_cast<std::size_t>(v)] == 0 && (v < m_n || summary(v - m_n))) m_order.push_back(v);
        for (std::size_t head = 0; head < m_order.size(); ++head) {
            eachEdgeFrom(m_order[head], [&](int to) {
                if (--indegree[static_cast<std::size_t>(to)] == 0) m_order.push_back(to);
            });
        }
        int used = m_n;
        for (int t = 0; t < m_n; ++t) used += summary(t) ? 1 : 0;
        if (static_cast<int>(m_order.size()) != used) reportCycle(indegree);
    }

    // Every node left with a positive in-degree has a predecessor that is left too: walking back
    // along such edges must meet a node twice, and the nodes between are a cycle.
    [[noreturn]] void reportCycle(const std::vector<int>& indegree) const {
        const int nodes = 2 * m_n;
        std::vector<int> back(static_cast<std::size_t>(nodes), -1);  // one left predecessor per node
        for (int v = 0; v < nodes; ++v) {
            if (indegree[static_cast<std::size_t>(v)] == 0 || (v >= m_n && !summary(v - m_n))) continue;
            eachEdgeFrom(v, [&](int to) {
                if (indegree[static_cast<std::size_t>(to)] > 0 && back[static_cast<std::size_t>(to)] < 0)
                    back[static_cast<std::size_t>(to)] = v;
            });
        }
        int start = -1;
        for (int v = 0; v < nodes && start < 0; ++v)
            if (indegree[static_cast<std::size_t>(v)] > 0) start = v;
        std::vector<int> seenAt(static_cast<std::size_t>(nodes), -1);
        std::vector<int> walk;
        int v = start;
        while (v >= 0 && seenAt[static_cast<std::size_t>(v)] < 0) {
            seenAt[static_cast<std::size_t>(v)] = static_cast<int>(walk.size());
            walk.push_back(v);
            v = back[static_cast<std::size_t>(v)];
        }
        std::vector<int> cycle;
        if (v >= 0) {
            // walk[seenAt[v]..] runs backwards along the cycle; turn it into link order.
            for (std::size_t i = walk.size(); i-- > static_cast<std::size_t>(seenAt[static_cast<std::size_t>(v)]);) {
                const int t = walk[i] >= m_n ? walk[i] - m_n : walk[i];
                if (cycle.empty() || cycle.back() != t) cycle.push_back(t);
            }
            if (cycle.size() > 1 && cycle.front() == cycle.back()) cycle.pop_back();
        }
        // The message names the first tasks of a long cycle and counts the rest.
        constexpr std::size_t kNamed = 12;
        std::string message = "the links form a cycle through the tasks ";
        for (std::size_t i = 0; i <= cycle.size() && !cycle.empty(); ++i) {
            if (i == kNamed && cycle.size() > kNamed) {
                message += " -> ... (" + std::to_string(cycle.size()) + " tasks in all)";
                break;
            }
            const CNetworkTask& t = task(cycle[i % cycle.size()]);
            if (i) message += " -> ";
            message += "\"" + t.name + "\" " + t.id.toString().toUtf8();
        }
        throw CScheduleCycleError(message, std::move(cycle));
    }

    // ---- working state ----
    struct Work {
        std::int64_t es = kUnset, ef = kUnset, ls = kUnset, lf = kUnset;
        // A summary's spans: its sub-tasks' earliest and latest of each date.
        std::int64_t maxES = kLow, maxEF = kLow, minEF = kHigh, minLS = kHigh, minLF = kHigh, maxLF = kLow;
        // Bounds handed down from the summaries above (entries) or up from them (exits).
        std::int64_t startBound = kLow, finishBound = kLow;   // forward
        std::int64_t lateFinishBound = kHigh, lateStartBound = kHigh;  // backward
        int startLink = -1, finishLink = -1;  // the link behind each forward bound, -1 for none
        int rank = 0, entryRank = 0;
        bool fixedStart = false;              // progress or a must-constraint set the start
        bool byStartLink = false, byFinishLink = false;  // the bounds handed down set the start
        bool lpFinish = false, lpStart = false, onLP = false;
        std::int64_t duration = 0;
    };
    Work& w(int t) { return m_work[static_cast<std::size_t>(t)]; }
    const Work& w(int t) const { return m_work[static_cast<std::size_t>(t)]; }

    void allocate() {
        m_work.assign(static_cast<std::size_t>(m_n), Work{});
        m_links.assign(static_cast<std::size_t>(m_m), CLinkDates{});
        m_forwardMoment.assign(static_cast<std::size_t>(m_m), kLow);
        m_backwardMoment.assign(static_cast<std::size_t>(m_m), kHigh);
        for (int t = 0; t < m_n; ++t) w(t).duration = std::max<std::int64_t>(0, task(t).duration);
    }

    // A predecessor's date a link leaves from, and its duration for percentage delays.
    std::int64_t anchorEarly(int p, int type) const {
        if (summary(p)) return isFinishAnchored(type) ? w(p).maxEF : w(p).maxES;
        return isFinishAnchored(type) ? w(p).ef : w(p).es;
    }
    std::int64_t durationOf(int p) const {
        if (!summary(p)) return w(p).duration;
        const std::int64_t from = w(p).es, to = w(p).maxEF;
        return isSet(from) && isSet(to) ? std::max<std::int64_t>(0, task(p).calendar->between(from, to)) : 0;
    }
    std::int64_t delayOf(int l) const {
        const CNetworkLink& k = link(l);
        return k.percentDelay ? percentOf(durationOf(k.predecessor), k.delay) : k.delay;
    }

    // The moment a link asks of its successor, in the forward pass.
    std::int64_t forwardMoment(int l) {
        const CNetworkLink& k = link(l);
        const int type = linkType(k.type);
        const std::int64_t anchor = anchorEarly(k.predecessor, type);
        std::int64_t moment = anchor;
        if (anchor == kHigh) moment = kHigh;
        else if (anchor != kLow) moment = late(shift(*k.calendar, anchor, delayOf(l)));
        m_forwardMoment[static_cast<std::size_t>(l)] = moment;
        m_links[static_cast<std::size_t>(l)].effectiveDelay = elapsed(anchor, moment);
        return moment;
    }

    int rankOf(int p) const { return w(p).rank; }

    // Folds a task's own links into the bounds it inherits.
    void foldIncoming(int t) {
        Work& me = w(t);
        const int parent = task(t).parent;
        if (parent >= 0) {
            me.startBound = w(parent).startBound;
            me.finishBound = w(parent).finishBound;
            me.startLink = w(parent).startLink;
            me.finishLink = w(parent).finishLink;
            me.entryRank = w(parent).entryRank;
        } else {
            me.startBound = m_net.projectStart;
        }
        m_in.each(t, [&](int l) {
            const std::int64_t moment = forwardMoment(l);
            const int type = linkType(link(l).type);
            if (isFinishBound(type)) {
                if (moment > me.finishBound) me.finishBound = moment, me.finishLink = l;
            } else if (moment > me.startBound) {
                me.startBound = moment, me.startLink = l;
            }
            me.entryRank = std::max(me.entryRank, rankOf(link(l).predecessor));
        });
    }

    std::int64_t constraintDate(const CNetworkTask& k, bool earlyFirst) const {
        if (earlyFirst) return k.constraintEarly != kUnset ? k.constraintEarly : k.constraintLate;
        return k.constraintLate;
    }

    void forwardTask(int t) {
        const CNetworkTask& k = task(t);
        const CWorkingCalendar& cal = *k.calendar;
        Work& me = w(t);
        const std::int64_t d = me.duration;
        auto startFromFinish = [&](std::int64_t finish) {
            if (finish == kLow || finish == kHigh || d == 0) return finish;
            const std::int64_t s = cal.subtract(finish, d);
            return s == CWorkingCalendar::kNoMoment ? kLow : s;
        };
        auto snap = [&](std::int64_t s) { return (d == 0 || s == kHigh || s == kLow) ? s : late(cal.nextWorkingStart(s)); };

        std::int64_t candidate = std::max(me.startBound, startFromFinish(me.finishBound));
        switch (k.constraint) {
            case CTaskConstraintType::StartOnOrAfter:
                if (k.constraintEarly != kUnset) candidate = std::max(candidate, k.constraintEarly);
                break;
            case CTaskConstraintType::FinishOnOrAfter:
                if (k.constraintEarly != kUnset) candidate = std::max(candidate, startFromFinish(k.constraintEarly));
                break;
            case CTaskConstraintType::MustStartOn:
                if (constraintDate(k, true) != kUnset) candidate = constraintDate(k, true), me.fixedStart = true;
                break;
            case CTaskConstraintType::MustFinishOn:
                if (constraintDate(k, true) != kUnset)
                    candidate = startFromFinish(constraintDate(k, true)), me.fixedStart = true;
                break;
            default:
                break;
        }
        if (candidate == kLow) candidate = m_net.projectStart;
        std::int64_t es = snap(candidate);
        std::int64_t ef = es == kHigh ? kHigh : (d == 0 ? es : late(cal.add(es, d)));

        if (m_progress) {
            if (k.actualStart != kUnset) {
                es = k.actualStart;
                me.fixedStart = true;
                if (k.actualFinish == kUnset) {
                    const std::int64_t done = shareOf(d, k.percentComplete);
                    const std::int64_t remaining = k.remaining != kUnset ? std::max<std::int64_t>(0, k.remaining) : d - done;
                    std::int64_t work = 0;
                    ef = __builtin_add_overflow(done, remaining, &work) ? kHigh : late(cal.add(es, work));
                }
            }
            if (k.actualFinish != kUnset) {
                ef = k.actualFinish;
                if (k.actualStart == kUnset) es = startFromFinish(ef) == kLow ? ef : startFromFinish(ef);
                me.fixedStart = true;
                if (ef < es) ef = es;
            }
        }
        me.es = es;
        me.ef = ef;
        me.rank = me.entryRank + 1;

        if (!me.fixedStart && isSet(es)) {
            // Which links set the start: each own link whose ask, taken as this task's start, is it;
            // and the links behind the bounds handed down from the summaries above.
            auto asStart = [&](int l) {
                const std::int64_t m = m_forwardMoment[static_cast<std::size_t>(l)];
                return snap(isFinishBound(linkType(link(l).type)) ? startFromFinish(m) : m);
            };
            m_in.each(t, [&](int l) {
                if (asStart(l) == es) m_links[static_cast<std::size_t>(l)].driving = true;
            });
            if (k.parent >= 0) {
                const int byStart = w(k.parent).startLink, byFinish = w(k.parent).finishLink;
                me.byStartLink = byStart >= 0 && asStart(byStart) == es;
                me.byFinishLink = byFinish >= 0 && asStart(byFinish) == es;
                if (me.byStartLink) m_links[static_cast<std::size_t>(byStart)].driving = true;
                if (me.byFinishLink) m_links[static_cast<std::size_t>(byFinish)].driving = true;
            }
        }
    }

    void forwardExit(int s) {
        Work& me = w(s);
        std::int64_t minES = kHigh;
        int rank = 0;
        m_children.each(s, [&](int c) {
            const Work& child = w(c);
            const bool sum = summary(c);
            const std::int64_t es = child.es, ef = child.ef;
            minES = std::min(minES, es == kHigh ? kHigh : es);
            me.maxES = std::max(me.maxES, sum ? child.maxES : es);
            me.maxEF = std::max(me.maxEF, ef);
            me.minEF = std::min(me.minEF, sum ? child.minEF : ef);
            rank = std::max(rank, child.rank);
        });
        me.es = minES;
        me.ef = me.maxEF;
        me.rank = rank;
    }

    void forward() {
        for (int v : m_order) {
            if (v < m_n) {
                foldIncoming(v);
                if (!summary(v)) forwardTask(v);
            } else {
                forwardExit(v - m_n);
            }
        }
        std::int64_t finish = kLow;
        for (int t = 0; t < m_n; ++t)
            if (!summary(t) && isSet(w(t).ef)) finish = std::max(finish, w(t).ef);
        m_projectFinish = finish == kLow ? m_net.projectStart : finish;
    }

    // ---- backward ----
    std::int64_t backwardMoment(int l) {
        const CNetworkLink& k = link(l);
        const int type = linkType(k.type);
        const int s = k.successor;
        std::int64_t target;
        if (summary(s)) target = isFinishBound(type) ? w(s).minLF : w(s).minLS;
        else target = isFinishBound(type) ? w(s).lf : w(s).ls;
        std::int64_t moment = target;
        if (target != kLow && target != kHigh) moment = early(shift(*k.calendar, target, delayOf(l), true));
        m_backwardMoment[static_cast<std::size_t>(l)] = moment;
        return moment;
    }

    void foldOutgoing(int t) {
        Work& me = w(t);
        const int parent = task(t).parent;
        if (parent >= 0) {
            me.lateFinishBound = w(parent).lateFinishBound;
            me.lateStartBound = w(parent).lateStartBound;
        } else {
            me.lateFinishBound = m_projectFinish;
        }
        m_out.each(t, [&](int l) {
            const std::int64_t moment = backwardMoment(l);
            if (isFinishAnchored(linkType(link(l).type))) me.lateFinishBound = std::min(me.lateFinishBound, moment);
            else me.lateStartBound = std::min(me.lateStartBound, moment);
        });
    }

    void backwardTask(int t) {
        const CNetworkTask& k = task(t);
        const CWorkingCalendar& cal = *k.calendar;
        Work& me = w(t);
        const std::int64_t d = me.duration;
        auto finishFromStart = [&](std::int64_t start) {
            if (start == kLow || start == kHigh || d == 0) return start;
            const std::int64_t f = cal.add(start, d);
            return f == CWorkingCalendar::kNoMoment ? kHigh : f;
        };
        std::int64_t candidate = std::min(me.lateFinishBound, finishFromStart(me.lateStartBound));
        switch (k.constraint) {
            case CTaskConstraintType::StartOnOrBefore:
                if (k.constraintLate != kUnset) candidate = std::min(candidate, finishFromStart(k.constraintLate));
                break;
            case CTaskConstraintType::FinishOnOrBefore:
                if (k.constraintLate != kUnset) candidate = std::min(candidate, k.constraintLate);
                break;
            case CTaskConstraintType::MustStartOn:
                if (constraintDate(k, true) != kUnset) candidate = finishFromStart(constraintDate(k, true));
                break;
            case CTaskConstraintType::MustFinishOn:
                if (constraintDate(k, true) != kUnset) candidate = constraintDate(k, true);
                break;
            default:
                break;
        }
        std::int64_t lf = candidate;
        if (d > 0 && isSet(lf)) lf = early(cal.previousWorkingEnd(lf));
        std::int64_t ls = (d == 0 || !isSet(lf)) ? lf : early(cal.subtract(lf, d));
        if (m_progress && (k.actualStart != kUnset || k.actualFinish != kUnset)) {
            ls = me.es;  // started work cannot move
            if (k.actualFinish != kUnset) lf = me.ef;
        }
        if (!isSet(me.es) || !isSet(me.ef)) ls = lf = kLow;  // no early dates, no late ones
        me.ls = ls;
        me.lf = lf;
    }

    void backwardEntry(int s) {
        Work& me = w(s);
        std::int64_t minLS = kHigh, maxLF = kLow, minLF = kHigh;
        m_children.each(s, [&](int c) {
            const Work& child = w(c);
            const bool sum = summary(c);
            minLS = std::min(minLS, child.ls);
            maxLF = std::max(maxLF, child.lf);
            minLF = std::min(minLF, sum ? child.minLF : child.lf);
        });
        me.minLS = minLS;
        me.minLF = minLF;
        me.maxLF = maxLF;
        me.ls = minLS;
        me.lf = maxLF;
    }

    void backward() {
        for (std::size_t i = m_order.size(); i-- > 0;) {
            const int v = m_order[i];
            if (v >= m_n) {
                foldOutgoing(v - m_n);
            } else if (summary(v)) {
                backwardEntry(v);
            } else {
                foldOutgoing(v);
                backwardTask(v);
            }
        }
    }

    // ---- floats ----
    void floats() {
        m_dates.assign(static_cast<std::size_t>(m_n), CTaskDates{});
        for (int t = 0; t < m_n; ++t) {
            const Work& me = w(t);
            const CWorkingCalendar& cal = *task(t).calendar;
            CTaskDates& out = m_dates[static_cast<std::size_t>(t)];
            out.earlyStart = orUnset(me.es);
            out.earlyFinish = orUnset(me.ef);
            out.lateStart = orUnset(me.ls);
            out.lateFinish = orUnset(me.lf);
            out.rank = me.rank;
            const bool alap = !summary(t) && task(t).constraint == CTaskConstraintType::AsLateAsPossible &&
                              !(m_progress && task(t).actualStart != kUnset);
            out.start = alap ? out.lateStart : out.earlyStart;
            out.finish = alap ? out.lateFinish : out.earlyFinish;
            if (out.earlyStart != kUnset && out.lateStart != kUnset)
                out.startTotalFloat = cal.between(out.earlyStart, out.lateStart);
            if (out.earlyFinish != kUnset && out.lateFinish != kUnset)
                out.finishTotalFloat = cal.between(out.earlyFinish, out.lateFinish);
            if (out.startTotalFloat != kUnset && out.finishTotalFloat != kUnset)
                out.criticalByFloat = std::min(out.startTotalFloat, out.finishTotalFloat) <= 0;
            if (summary(t)) {
                out.freeFloat = out.finishTotalFloat;
                out.backwardFreeFloat = out.startTotalFloat;
                continue;
            }
            if (out.earlyFinish != kUnset) {
                std::int64_t slack = kHigh;
                m_out.each(t, [&](int l) {
                    const int s = link(l).successor;
                    const bool fin = isFinishBound(linkType(link(l).type));
                    const std::int64_t target = summary(s) ? (fin ? w(s).minEF : w(s).es) : (fin ? w(s).ef : w(s).es);
                    const std::int64_t ask = m_forwardMoment[static_cast<std::size_t>(l)];
                    if (isSet(target) && isSet(ask)) slack = std::min(slack, cal.between(ask, target));
                });
                out.freeFloat = std::min(slack, cal.between(out.earlyFinish, m_projectFinish));
            }
            if (out.lateStart != kUnset) {
                std::int64_t slack = kHigh;
                m_in.each(t, [&](int l) {
                    const int p = link(l).predecessor;
                    const bool fin = isFinishAnchored(linkType(link(l).type));
                    const std::int64_t anchor = summary(p) ? (fin ? w(p).maxLF : w(p).minLS) : (fin ? w(p).lf : w(p).ls);
                    const std::int64_t ask = m_backwardMoment[static_cast<std::size_t>(l)];
                    if (isSet(anchor) && isSet(ask)) slack = std::min(slack, cal.between(anchor, ask));
                });
                out.backwardFreeFloat = std::min(slack, cal.between(m_net.projectStart, out.lateStart));
            }
        }
    }

    // ---- the longest path: back from the tasks that finish the project, along driving links ----
    void markPredecessor(int l) {
        const int p = link(l).predecessor;
        m_links[static_cast<std::size_t>(l)].critical = true;
        if (!summary(p)) w(p).onLP = true;
        else if (isFinishAnchored(linkType(link(l).type))) w(p).lpFinish = true;
        else w(p).lpStart = true;
    }

    void longestPath() {
        for (int t = 0; t < m_n; ++t)
            if (!summary(t) && isSet(w(t).ef) && w(t).ef == m_projectFinish) w(t).onLP = true;
        for (std::size_t i = m_order.size(); i-- > 0;) {
            const int v = m_order[i];
            if (v >= m_n) {
                const int s = v - m_n;
                const Work& me = w(s);
                if (!me.lpFinish && !me.lpStart) continue;
                m_children.each(s, [&](int c) {
                    Work& child = w(c);
                    const bool byFinish = me.lpFinish && child.ef == me.maxEF;
                    const bool byStart = me.lpStart && (summary(c) ? child.maxES : child.es) == me.maxES;
                    if (summary(c)) {
                        child.lpFinish = child.lpFinish || byFinish;
                        child.lpStart = child.lpStart || byStart;
                    } else if (byFinish || byStart) {
                        child.onLP = true;
                    }
                });
            } else if (!summary(v) && w(v).onLP) {
                m_in.each(v, [&](int l) {
                    if (m_links[static_cast<std::size_t>(l)].driving) markPredecessor(l);
                });
                const int parent = task(v).parent;
                if (parent >= 0) {  // a link to a summary above that set this task's start
                    if (w(v).byStartLink) markPredecessor(w(parent).startLink);
                    if (w(v).byFinishLink) markPredecessor(w(parent).finishLink);
                }
            }
        }
        for (int t = m_n; t-- > 0;) {
            const int parent = task(t).parent;
            if (w(t).onLP && parent >= 0) w(parent).onLP = true;
        }
    }

    CNetworkSchedule collect() {
        CNetworkSchedule out;
        for (int t = 0; t < m_n; ++t) m_dates[static_cast<std::size_t>(t)].onLongestPath = w(t).onLP;
        out.tasks = std::move(m_dates);
        out.links = std::move(m_links);
        out.projectStart = m_net.projectStart;
        out.projectFinish = m_projectFinish;
        return out;
    }

    const CScheduleNetwork& m_net;
    const bool m_progress;
    const int m_n, m_m;
    Adjacency m_children, m_in, m_out;
    std::vector<int> m_order;
    std::vector<Work> m_work;
    std::vector<CLinkDates> m_links;
    std::vector<CTaskDates> m_dates;
    std::vector<std::int64_t> m_forwardMoment, m_backwardMoment;
    std::int64_t m_projectFinish = kUnset;
};

}  // namespace

CNetworkSchedule scheduleNetwork(const CScheduleNetwork& network, bool withProgress) {
    if (network.tasks.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() / 2) ||
        network.links.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        throw std::invalid_argument("a network too large to schedule");
    return Scheduler(network, withProgress).run();
}
