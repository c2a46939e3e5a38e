// Reads a project into a schedule network, schedules it twice and works out progress and costs
// (see ProjectSchedule.h). Trees of tasks and resources are walked with explicit stacks.
#include "kelvara/scheduling/ProjectSchedule.h"

#include <algorithm>
#include <cmath>

#include "kelvara/AllKinds.h"
#include "kelvara/scheduling/WorkingCalendar.h"

namespace {

constexpr std::int64_t kHour = 3600LL * 1000;
// A rate priced by the day is charged per working day of this many worked hours.
constexpr std::int64_t kRateDay = 8 * kHour;

enum Category { kEquipment = 0, kHuman = 1, kLocation = 2, kMaterial = 3 };

// Cost lines: labour and subcontracts are people's work, materials and equipment themselves;
// other costs and expenses are charged to the place of work.
Category categoryOfCost(int type) {
    switch (type) {
        case CCostType::Labour:
        case CCostType::Subcontract: return kHuman;
        case CCostType::Material: return kMaterial;
        case CCostType::Equipment: return kEquipment;
        default: return kLocation;
    }
}
Category categoryOfResource(int type) {
    switch (type) {
        case CResourceType::Equipment: return kEquipment;
        case CResourceType::Material: return kMaterial;
        case CResourceType::Space: return kLocation;
        default: return kHuman;
    }
}

std::int64_t valueOr(const CProjectTime& t) { return t.isValid() ? t.getValue() : kUnset; }
std::int64_t valueOr(const CProjectDuration& d) { return d.isValid() ? d.getValue() : kUnset; }
double amountOf(const CProjectDouble& v) { return v.isValid() && std::isfinite(v.getValue()) ? v.getValue() : 0.0; }

template <class Handle>
double sumOfCosts(const Handle& costs) {
    double sum = 0;
    for (int i = 0; i < costs.GetSize(); ++i) sum += amountOf(costs[i]->getAmount());
    return sum;
}

}  // namespace

CProjectSchedule::CProjectSchedule(const CTaskRoot& tasks, const CCalendarRoot& calendars,
                                   const CCompanyRoot& companies, const CScheduleOptions& options) {
    m_calendars = std::make_unique<CCalendarSet>(calendars);
    readTasks(tasks);
    readResources(companies);

    std::int64_t start = kUnset;
    if (options.projectStart.isValid()) {
        start = options.projectStart.getValue();
    } else {
        for (const ITask* t : m_tasks)
            if (t->getPlannedStartTime().isValid() && (start == kUnset || t->getPlannedStartTime().getValue() < start))
                start = t->getPlannedStartTime().getValue();
        if (start == kUnset)
            for (const ITask* t : m_tasks)
                if (t->getActualStartTime().isValid() && (start == kUnset || t->getActualStartTime().getValue() < start))
                    start = t->getActualStartTime().getValue();
        if (start == kUnset) start = 0;
    }
    m_network.projectStart = start;
    m_planned = scheduleNetwork(m_network, false);
    m_current = scheduleNetwork(m_network, true);
    computeCosts();
}

CProjectSchedule::~CProjectSchedule() = default;

void CProjectSchedule::readTasks(const CTaskRoot& tasks) {
    struct Pending {
        const ITask* task;
        int parent;
    };
    std::vector<Pending> pending;
    const CTaskArray& top = tasks.getArray();
    for (int i = top.GetSize(); i-- > 0;) pending.push_back({&top.getConstReference(i), -1});
    while (!pending.empty()) {  // depth first, parents before their sub-tasks, in stored order
        const Pending next = pending.back();
        pending.pop_back();
        const int index = static_cast<int>(m_tasks.size());
        m_tasks.push_back(next.task);
        m_taskIndex.try_emplace(next.task->getID(), index);
        CNetworkTask node;
        node.id = next.task->getID();
        node.name = next.task->getName().getValue().toUtf8();
        node.parent = next.parent;
        m_network.tasks.push_back(std::move(node));
        const ITaskArrayHandle subTasks = next.task->getSubTasks();
        m_isSummary.push_back(subTasks.GetSize() > 0);
        for (int i = subTasks.GetSize(); i-- > 0;) pending.push_back({subTasks[i].get(), index});
    }

    const int n = taskCount();
    m_subtreeEnd.resize(static_cast<std::size_t>(n));
    for (int i = n; i-- > 0;) {
        int& end = m_subtreeEnd[static_cast<std::size_t>(i)];
        end = std::max(end, i + 1);
        const int p = m_network.tasks[static_cast<std::size_t>(i)].parent;
        if (p >= 0) m_subtreeEnd[static_cast<std::size_t>(p)] = std::max(m_subtreeEnd[static_cast<std::size_t>(p)], end);
    }
    for (int i = 0; i < n; ++i) {
        const ITask& t = task(i);
        CNetworkTask& node = m_network.tasks[static_cast<std::size_t>(i)];
        node.calendar = &m_calendars->get(t.getDominantCalendarID());
        const int type = t.getTaskType().getCurrentValue();
        const bool keyDate = type == CTaskType::StartKeydate || type == CTaskType::FinishKeydate;
        node.duration = keyDate ? 0 : std::max<std::int64_t>(0, t.getTaskDuration().isValid() ? t.getTaskDuration().getValue() : 0);
        node.constraint = t.getConstraint().getType().getCurrentValue();
        node.constraintEarly = valueOr(t.getConstraint().getEarlyDate());
        node.constraintLate = valueOr(t.getConstraint().getLateDate());
        node.actualStart = valueOr(t.getActualStartTime());
        node.actualFinish = valueOr(t.getActualFinishTime());
        node.remaining = valueOr(t.getTaskRemainingDuration());
        node.percentComplete = percentComplete(i);

        const ILinkArrayHandle links = t.getUpstreamLinks();
        for (int j = 0; j < links.GetSize(); ++j) {
            const ILink* l = links[j].get();
            const int predecessor = findTask(l->getUpstreamTaskID());
            if (predecessor < 0) {
                ++m_ignoredLinks;
                continue;
            }
            CNetworkLink edge;
            edge.id = l->getID();
            edge.predecessor = predecessor;
            edge.successor = i;
            edge.type = l->getType().getCurrentValue();
            edge.delay = l->getDelay().isValid() ? l->getDelay().getValue() : 0;
            edge.percentDelay = l->getDelayType() == CLinkDelayType::PercentOfPredecessor;
            const CCalendarID& delayCalendar = l->getDelayCalendarID();
            edge.calendar = m_calendars->contains(delayCalendar) ? &m_calendars->get(delayCalendar) : node.calendar;
            m_linkIndex.try_emplace(l->getID(), static_cast<int>(m_links.size()));
            m_links.push_back(l);
            m_network.links.push_back(edge);
        }
    }
    // Downstream links per task, for the accessor's question.
    m_downstreamFirst.assign(static_cast<std::size_t>(n) + 1, 0);
    for (const CNetworkLink& l : m_network.links) ++m_downstreamFirst[static_cast<std::size_t>(l.predecessor) + 1];
    for (int i = 0; i < n; ++i) m_downstreamFirst[static_cast<std::size_t>(i) + 1] += m_downstreamFirst[static_cast<std::size_t>(i)];
    m_downstream.assign(m_network.links.size(), 0);
    std::vector<int> fill(m_downstreamFirst.begin(), m_downstreamFirst.end() - 1);
    for (int l = 0; l < linkCount(); ++l)
        m_downstream[static_cast<std::size_t>(fill[static_cast<std::size_t>(predecessorOf(l))]++)] = l;
}

void CProjectSchedule::readResources(const CCompanyRoot& companies) {
    std::vector<const IResource*> pending;
    const CCompanyArray& list = companies.getArray();
    for (int c = 0; c < list.GetSize(); ++c) {
        const IResourceArrayHandle owned = list.getConstReference(c).getResources();
        for (int i = 0; i < owned.GetSize(); ++i) pending.push_back(owned[i].get());
    }
    while (!pending.empty()) {
        const IResource* resource = pending.back();
        pending.pop_back();
        m_resources.try_emplace(resource->getID(), resource);
        const IResourceArrayHandle subResources = resource->getSubResources();
        for (int i = 0; i < subResources.GetSize(); ++i) pending.push_back(subResources[i].get());
    }
}

int CProjectSchedule::findTask(const CTaskID& id) const {
    const auto found = m_taskIndex.find(id);
    return found == m_taskIndex.end() ? -1 : found->second;
}

int CProjectSchedule::findLink(const CLinkID& id) const {
    const auto found = m_linkIndex.find(id);
    return found == m_linkIndex.end() ? -1 : found->second;
}

std::vector<int> CProjectSchedule::downstreamLinks(int index) const {
    return {m_downstream.begin() + m_downstreamFirst[static_cast<std::size_t>(index)],
            m_downstream.begin() + m_downstreamFirst[static_cast<std::size_t>(index) + 1]};
}

std::vector<int> CProjectSchedule::criticalPath() const {
    std::vector<int> path;
    for (int i = 0; i < taskCount(); ++i)
        if (!isSummary(i) && current(i).onLongestPath) path.push_back(i);
    std::stable_sort(path.begin(), path.end(), [&](int a, int b) {
        if (current(a).earlyStart != current(b).earlyStart) return current(a).earlyStart < current(b).earlyStart;
        return current(a).earlyFinish < current(b).earlyFinish;
    });
    return path;
}

// ---- progress ----

CTaskStatus CProjectSchedule::status(int index) const {
    const ITask& t = task(index);
    if (t.getActualFinishTime().isValid()) return CTaskStatus::Complete;
    if (t.getActualStartTime().isValid()) return CTaskStatus::InProgress;
    return CTaskStatus::NotStarted;
}

double CProjectSchedule::percentComplete(int index) const {
    const ITask& t = task(index);
    double percent = amountOf(t.getManualPercentComplete());
    const int type = t.getProgressType().getCurrentValue();
    if (type == CProgressType::Physical) {
        const double total = amountOf(t.getPhysicalVolume());
        percent = total > 0 ? 100.0 * amountOf(t.getActualPhysicalVolume()) / total : 0.0;
    } else if (type == CProgressType::Duration) {
        const std::int64_t d = m_network.tasks[static_cast<std::size_t>(index)].duration;
        if (t.getActualFinishTime().isValid()) percent = 100.0;
        else if (t.getTaskRemainingDuration().isValid() && d > 0)
            percent = 100.0 * static_cast<double>(d - std::clamp<std::int64_t>(t.getTaskRemainingDuration().getValue(), 0, d)) /
                      static_cast<double>(d);
    }
    return std::clamp(std::isfinite(percent) ? percent : 0.0, 0.0, 100.0);
}

std::int64_t CProjectSchedule::actualDuration(int index) const {
    const ITask& t = task(index);
    if (!t.getActualStartTime().isValid()) return 0;
    if (t.getActualFinishTime().isValid())
        return std::max<std::int64_t>(0, calendarOf(index).between(t.getActualStartTime().getValue(), t.getActualFinishTime().getValue()));
    const std::int64_t d = m_network.tasks[static_cast<std::size_t>(index)].duration;
    const double done = std::round(static_cast<double>(d) * percentComplete(index) / 100.0);
    return done >= static_cast<double>(d) ? d : std::max<std::int64_t>(0, static_cast<std::int64_t>(done));
}

std::int64_t CProjectSchedule::remainingDuration(int index) const {
    const ITask& t = task(index);
    const std::int64_t d = m_network.tasks[static_cast<std::size_t>(index)].duration;
    if (t.getActualFinishTime().isValid()) return 0;
    if (!t.getActualStartTime().isValid()) return d;
    if (t.getTaskRemainingDuration().isValid()) return std::max<std::int64_t>(0, t.getTaskRemainingDuration().getValue());
    return std::max<std::int64_t>(0, d - actualDuration(index));
}

// ---- costs ----

template <class F>
void CProjectSchedule::eachUnder(int index, bool summary, F f) const {
    // Tasks are listed depth first: the ones under index directly follow it.
    const int end = summary ? m_subtreeEnd[static_cast<std::size_t>(index)] : index + 1;
    for (int i = index; i < end; ++i) f(i);
}

double CProjectSchedule::resourceCost(const CResourceID& resource, double quantity, double share,
                                      const CWorkingCalendar& calendar, std::int64_t from, std::int64_t to) const {
    const auto found = m_resources.find(resource);
    if (found == m_resources.end() || from == kUnset || to == kUnset || to < from) return 0.0;
    // The rates in force: each from its effective date (unset: from the beginning) to the next.
    struct Rate {
        std::int64_t from;
        double price;
        bool perDay;
    };
    std::vector<Rate> rates;
    const IResourceRateArrayHandle stored = found->second->getResourceRates();
    for (int i = 0; i < stored.GetSize(); ++i) {
        const IResourceRate& r = *stored[i];
        rates.push_back({r.getEffectiveDate().isValid() ? r.getEffectiveDate().getValue() : kUnset,
                         sumOfCosts(r.getCosts()), r.getUseRatePerDay() != 0});
    }
    if (rates.empty()) return 0.0;
    std::stable_sort(rates.begin(), rates.end(), [](const Rate& a, const Rate& b) { return a.from < b.from; });
    double cost = 0;
    for (std::size_t i = 0; i < rates.size(); ++i) {
        const std::int64_t begin = std::max(from, rates[i].from);
        const std::int64_t end = i + 1 < rates.size() ? std::min(to, rates[i + 1].from) : to;
        if (!rates[i].perDay) {
            // A price per unit, at the rate in force when the work starts.
            if (from >= rates[i].from && (i + 1 == rates.size() || from < rates[i + 1].from))
                cost += rates[i].price * share;
            continue;
        }
        if (end <= begin) continue;
        cost += rates[i].price * static_cast<double>(calendar.between(begin, end)) / static_cast<double>(kRateDay);
    }
    return cost * quantity;
}

void CProjectSchedule::computeCosts() {
    m_costs.assign(m_tasks.size(), Costs{});
    for (int i = 0; i < taskCount(); ++i) {
        const ITask& t = task(i);
        Costs& c = m_costs[static_cast<std::size_t>(i)];
        const double share = percentComplete(i) / 100.0;
        const ICostArrayHandle lines = t.getCosts();
        for (int j = 0; j < lines.GetSize(); ++j) {
            const double amount = amountOf(lines[j]->getAmount());
            const Category k = categoryOfCost(lines[j]->getType().getCurrentValue());
            c.planned[k] += amount;
            c.actual[k] += amount * share;
        }
        // Assignments: charged over the planned dates, and over the work done from the actual
        // start for the actual total.
        const CWorkingCalendar& cal = calendarOf(i);
        const std::int64_t plannedFrom = planned(i).start, plannedTo = planned(i).finish;
        std::int64_t actualFrom = kUnset, actualTo = kUnset;
        if (t.getActualStartTime().isValid()) {
            actualFrom = t.getActualStartTime().getValue();
            actualTo = t.getActualFinishTime().isValid() ? t.getActualFinishTime().getValue()
                                                          : cal.add(actualFrom, actualDuration(i));
            if (actualTo == CWorkingCalendar::kNoMoment) actualTo = kUnset;
        }
        auto charge = [&](const CResourceID& resource, const CProjectDouble& quantity) {
            const double units = quantity.isValid() && std::isfinite(quantity.getValue()) ? quantity.getValue() : 1.0;
            const auto found = m_resources.find(resource);
            if (found == m_resources.end()) return;
            const Category k = categoryOfResource(found->second->getType().getCurrentValue());
            c.planned[k] += resourceCost(resource, units, 1.0, cal, plannedFrom, plannedTo);
            c.actual[k] += resourceCost(resource, units, share, cal, actualFrom, actualTo);
        };
        const IAssignedResourceArrayHandle assigned = t.getAssignedResources();
        for (int j = 0; j < assigned.GetSize(); ++j)
            charge(assigned[j]->getResourceID(), assigned[j]->getParameters().getQuantity());
        const IAssignedResourceGroupArrayHandle groups = t.getAssignedResourceGroups();
        for (int j = 0; j < groups.GetSize(); ++j) {
            const CAssignedResourceParametersArray& members = groups[j]->getParameters();
            for (int m = 0; m < members.GetSize(); ++m) {
                const CAssignedResourceParameters& member = members.getConstReference(m);
                charge(member.getResourceID(), member.getQuantity());
            }
        }
        // Assigned risks: their costs, weighted by the risk's percentage when it is given as one;
        // mitigated (and closed) risks apart from the others.
        const IAssignedRiskArrayHandle risks = t.getAssignedRisks();
        for (int j = 0; j < risks.GetSize(); ++j) {
            const IAssignedRisk& r = *risks[j];
            double amount = sumOfCosts(r.getCosts());
            if (r.getValueMode() == CRiskValueMode::Percent) amount *= amountOf(r.getValuePercent()) / 100.0;
            const bool mitigated = r.getStatus() == CRiskStatus::Mitigated || r.getStatus() == CRiskStatus::Closed;
            (mitigated ? c.mitigatedRisk : c.unmitigatedRisk) += amount;
        }
    }
    // Sums over the listing, so that a summary's costs are one difference.
    m_costSums.assign(m_costs.size() + 1, Costs{});
    for (std::size_t i = 0; i < m_costs.size(); ++i) {
        Costs& next = m_costSums[i + 1];
        const Costs &before = m_costSums[i], &own = m_costs[i];
        for (int k = 0; k < 4; ++k) {
            next.planned[k] = before.planned[k] + own.planned[k];
            next.actual[k] = before.actual[k] + own.actual[k];
        }
        next.mitigatedRisk = before.mitigatedRisk + own.mitigatedRisk;
        next.unmitigatedRisk = before.unmitigatedRisk + own.unmitigatedRisk;
    }
}

CProjectSchedule::Costs CProjectSchedule::costsOf(int index, bool summary) const {
    if (!summary) return m_costs[static_cast<std::size_t>(index)];
    const Costs& to = m_costSums[static_cast<std::size_t>(m_subtreeEnd[static_cast<std::size_t>(index)])];
    const Costs& from = m_costSums[static_cast<std::size_t>(index)];
    Costs out;
    for (int k = 0; k < 4; ++k) {
        out.planned[k] = to.planned[k] - from.planned[k];
        out.actual[k] = to.actual[k] - from.actual[k];
    }
    out.mitigatedRisk = to.mitigatedRisk - from.mitigatedRisk;
    out.unmitigatedRisk = to.unmitigatedRisk - from.unmitigatedRisk;
    return out;
}

CTaskCostAmounts CProjectSchedule::costs(int index, int total, bool summary) const {
    const Costs c = costsOf(index, summary);
    const double* sum = total == CCostTotalType::Actual ? c.actual : c.planned;
    CTaskCostAmounts out;
    out.equipment = sum[kEquipment];
    out.human = sum[kHuman];
    out.location = sum[kLocation];
    out.material = sum[kMaterial];
    return out;
}

double CProjectSchedule::riskCost(int index, bool mitigated, bool summary) const {
    const Costs c = costsOf(index, summary);
    return mitigated ? c.mitigatedRisk : c.unmitigatedRisk;
}

double CProjectSchedule::reportCost(int index, std::int64_t date, bool summary) const {
    double sum = 0;
    eachUnder(index, summary, [&](int i) {
        const ITaskReportArrayHandle reports = task(i).getTaskReports();
        for (int j = 0; j < reports.GetSize(); ++j) {
            const ITaskReport& r = *reports[j];
            if (date != kUnset && (!r.getDate().isValid() || r.getDate().getValue() > date)) continue;
            sum += sumOfCosts(r.getCosts());
        }
    });
    return sum;
}
