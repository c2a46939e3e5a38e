// Sample schedule: a tower block's work-breakdown tree (site works, foundations, a frame and an
// envelope per floor, fit-out per floor, handover) with finish-to-start links, start-to-start links
// with delays, durations in working days of the site calendar, costs, comments, assigned risks and
// code values. The scheduling engine dates it: the planned dates are its plan, the first
// activities are done or under way at those dates, and the contract baseline is recorded from the
// engine's current schedule.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "Samples.h"
#include "kelvara/scheduling/ProjectSchedule.h"
#include "kelvara/scheduling/ProjectScheduleAccessor.h"

namespace {

constexpr std::int64_t kDay = 24LL * 3600 * 1000;
constexpr std::int64_t kWorkDay = 9LL * 3600 * 1000;  // the site calendar's working day
constexpr std::int64_t kStart = 1799046000000LL;     // Monday 2027-01-04 07:00 UTC

CString text(const std::wstring& s) { return CString(s.c_str()); }
std::wstring floorName(int floor) { return L"Level " + std::to_wstring(floor + 1); }

// Builds tasks bottom-up: leaves carry durations, links, costs; the dates come from a forward pass
// over the links as the tasks are made (predecessors are always made first).
class ScheduleBuilder {
public:
    ScheduleBuilder(const CCalendarID& calendar, std::vector<CCodeValueID> phases, std::vector<CRiskID> risks,
                    std::vector<CTaskStateID> states, std::vector<CResourceID> resources,
                    std::vector<CResourceGroupID> groups)
        : m_calendar(calendar),
          m_phases(std::move(phases)),
          m_risks(std::move(risks)),
          m_states(std::move(states)),
          m_resources(std::move(resources)),
          m_groups(std::move(groups)) {}

    struct Pred {
        CTaskID task;
        CLinkType type = CLinkType::FinishToStart;
        int delayDays = 0;
    };

    CTask leaf(const std::wstring& name, int days, const std::vector<Pred>& preds, int phase, double cost) {
        CTask t;
        t.setID(CTaskID::generated());
        t.setName(text(name));
        t.setTaskCode(text(L"T" + std::to_wstring(1000 + m_count)));
        if (!m_calendar.isNULL()) t.setDominantCalendarID(m_calendar);
        std::int64_t start = kStart;
        for (const Pred& p : preds) {
            CLink link(p.task, p.type);
            link.setDelay(CProjectDuration(p.delayDays * kWorkDay));
            if (!m_calendar.isNULL()) link.setDelayCalendarID(m_calendar);
            t.addUpstreamLink(link, -1);
            const auto& [ps, pf] = m_dates.at(p.task);
            const std::int64_t anchor = p.type == CLinkType::StartToStart ? ps : pf;
            start = std::max(start, anchor + p.delayDays * kDay);
        }
        const std::int64_t finish = start + days * kDay;
        m_dates[t.getID()] = {start, finish};
        t.setPlannedStartTime(CProjectTime(start));
        t.setExpectedFinishTime(CProjectTime(finish));
        t.setTaskDuration(CProjectDuration(days * kWorkDay));
        t.setMinimalDuration(CProjectDuration(std::max(1, days - 1) * kWorkDay));
        t.setMaximalDuration(CProjectDuration((days + 2) * kWorkDay));
        t.setPhysicalVolume(cost / 100.0);
        t.setPhysicalVolumeUnit(CResourceUnitType(CResourceUnitType::CubicMetre));
        t.setProgressType(CProgressType(CProgressType::Physical));
        if (phase < static_cast<int>(m_phases.size())) t.addCodeValue(m_phases[static_cast<std::size_t>(phase)]);

        CCost material;
        material.setDescription(CProjectString(L"Materials"));
        material.setAmount(CProjectDouble(cost * 0.6));
        material.setType(CCostType(CCostType::Material));
        t.addCost(material, -1);
        CCost labour;
        labour.setDescription(CProjectString(L"Labour"));
        labour.setAmount(CProjectDouble(cost * 0.4));
        labour.setType(CCostType(CCostType::Labour));
        t.addCost(labour, -1);

        // Progress (applied once the engine has dated the plan): the first tasks are done, the
        // next few under way.
        if (m_count < 10) m_progress.emplace_back(t.getID(), m_count < 6 ? CTaskStatus::Complete : CTaskStatus::InProgress);
        // One crew, plant item or material per activity; every third activity moves its objects
        // in over the second half of the task.
        if (!m_resources.empty()) {
            CAssignedResource assignment;
            assignment.setResourceID(m_resources[static_cast<std::size_t>(m_count) % m_resources.size()]);
            if (m_count % 3 == 0) {
                assignment.setMotionSimulationStart(0.5);
                assignment.setMotionSimulationBasedOnPercentComplete(true);
            }
            (void)t.addAssignedResource(assignment, -1);
        }
        // Every eleventh activity also calls on a pool of resources rather than a named one.
        if (!m_groups.empty() && m_count % 11 == 4) {
            CAssignedResourceGroup pool;
            pool.setGroupID(m_groups[static_cast<std::size_t>(m_count / 11) % m_groups.size()]);
            (void)t.addAssignedResourceGroup(pool, -1);
        }
        if (m_count % 23 == 5) t.setComments(L"Check the method statement before starting.");
        if (m_count % 17 == 3 && !m_risks.empty()) {
            CAssignedRisk risk(m_risks[static_cast<std::size_t>(m_count) % m_risks.size()], CRiskValueMode::Percent);
            risk.setValuePercent(10.0 + m_count % 5);
            risk.setWeight(CRiskWeight(CRiskWeight::High));
            (void)t.addAssignedRisk(risk, -1);
            (void)t.setRiskType(CRiskType(CRiskType::Threat));
        }
        ++m_count;
        return t;
    }

    CTask summary(const std::wstring& name, const std::vector<CTask>& children, int phase) {
        CTask t;
        t.setID(CTaskID::generated());
        t.setName(text(name));
        t.setTaskCode(text(L"S" + std::to_wstring(100 + m_summaries++)));
        if (!m_calendar.isNULL()) t.setDominantCalendarID(m_calendar);
        if (phase < static_cast<int>(m_phases.size())) t.addCodeValue(m_phases[static_cast<std::size_t>(phase)]);
        std::int64_t start = INT64_MAX, finish = INT64_MIN;
        for (const CTask& child : children) {
            (void)t.addSubTask(child);
            const auto& [s, f] = m_dates.at(child.getID());
            start = std::min(start, s);
            finish = std::max(finish, f);
        }
        m_dates[t.getID()] = {start, finish};
        t.setPlannedStartTime(CProjectTime(start));
        t.setExpectedFinishTime(CProjectTime(finish));
        t.setTaskDuration(CProjectDuration(finish - start));
        return t;
    }

    int count() const { return m_count; }

    // Dates every task at the plan's dates and records the intended progress: a finished activity
    // ran exactly as planned; one under way started on time and is 40 percent done.
    void applyPlan(CTaskArray& roots, const CProjectSchedule& plan) const {
        std::vector<ITask*> pending;
        for (int i = 0; i < roots.GetSize(); ++i) pending.push_back(&roots.getWritableReference(i));
        while (!pending.empty()) {
            ITask& t = *pending.back();
            pending.pop_back();
            const int index = plan.findTask(t.getID());
            if (index >= 0) {
                t.setPlannedStartTime(CProjectTime(plan.planned(index).start));
                t.setExpectedFinishTime(CProjectTime(plan.planned(index).finish));
            }
            const ITaskArrayHandle subTasks = t.getSubTasks();
            for (int i = 0; i < subTasks.GetSize(); ++i) pending.push_back(subTasks.getWritableReference(i).get());
            for (const auto& [id, status] : m_progress) {
                if (id != t.getID() || index < 0) continue;
                if (status.getCurrentValue() < static_cast<int>(m_states.size()))
                    t.setStatus(m_states[static_cast<std::size_t>(status.getCurrentValue())], status);
                t.setActualStartTime(CProjectTime(plan.planned(index).start));
                if (status == CTaskStatus::Complete) {
                    t.setActualFinishTime(CProjectTime(plan.planned(index).finish));
                    t.setManualPercentComplete(100);
                    t.setActualPhysicalVolume(t.getPhysicalVolume());
                } else {
                    t.setManualPercentComplete(40);
                    t.setActualPhysicalVolume(t.getPhysicalVolume().getValue() * 0.4);
                }
            }
        }
    }

private:
    CCalendarID m_calendar;
    std::vector<CCodeValueID> m_phases;
    std::vector<CRiskID> m_risks;
    std::vector<CTaskStateID> m_states;
    std::vector<CResourceID> m_resources;
    std::vector<CResourceGroupID> m_groups;
    std::map<CTaskID, std::pair<std::int64_t, std::int64_t>> m_dates;
    std::vector<std::pair<CTaskID, CTaskStatus>> m_progress;
    int m_count = 0;
    int m_summaries = 0;
};

std::vector<CCodeValueID> phaseValues(CProjectDocument& document) {
    std::vector<CCodeValueID> out;
    const CCodeArray& codes = document.getCodeRoot().getArray();
    if (codes.GetSize() == 0) return out;
    const ICodeValueArrayHandle values = codes.getConstReference(0).getCodeValues();
    for (int i = 0; i < values.GetSize(); ++i) out.push_back(values[i]->getID());
    return out;
}

}  // namespace

void addSampleSchedule(CProjectDocument& document, int scale, const CCalendarID& calendar,
                       const std::vector<CResourceID>& resources, bool recordBaseline) {
    std::vector<CRiskID> risks;
    const CRiskArray& riskList = document.getRiskRoot().getArray();
    for (int i = 0; i < riskList.GetSize(); ++i) risks.push_back(riskList.getConstReference(i).getID());
    std::vector<CTaskStateID> states(4);
    const CTaskStateArray& stateList = document.getTaskStateRoot().getArray();
    for (int i = 0; i < stateList.GetSize(); ++i) {
        const int status = stateList.getConstReference(i).getStatus().getCurrentValue();
        if (status >= 0 && status < 4 && states[static_cast<std::size_t>(status)].isNULL())
            states[static_cast<std::size_t>(status)] = stateList.getConstReference(i).getID();
    }
    std::vector<CCodeValueID> phases = phaseValues(document);
    std::vector<CResourceGroupID> groups;
    const CResourceGroupArray& groupList = document.getResourceGroupRoot().getArray();
    for (int i = 0; i < groupList.GetSize(); ++i) groups.push_back(groupList.getConstReference(i).getID());
    ScheduleBuilder b(calendar, phases, risks, states, resources, groups);
    using P = ScheduleBuilder::Pred;
    const CLinkType SS = CLinkType::StartToStart;
    CTaskArray& roots = document.getTaskRoot().getArray();

    for (int s = 0; s < scale; ++s) {
        const std::wstring block = scale > 1 ? L" (block " + std::to_wstring(s + 1) + L")" : L"";
        // Site works.
        std::vector<CTask> site;
        for (const wchar_t* name : {L"Site set-up", L"Hoarding", L"Site clearance", L"Temporary services",
                                    L"Setting out", L"Bulk excavation", L"Crane base", L"Tower crane erection"}) {
            std::vector<P> preds;
            if (!site.empty()) preds.push_back({site.back().getID()});
            site.push_back(b.leaf(name + block, 3 + static_cast<int>(site.size() % 3), preds, 0, 8000));
        }
        // Foundations.
        std::vector<CTask> foundations;
        for (const wchar_t* name : {L"Piling mat", L"Piling", L"Pile testing", L"Pile caps excavation",
                                    L"Blinding", L"Pile caps rebar", L"Pile caps pour", L"Ground beams",
                                    L"Drainage below slab", L"Ground floor slab"}) {
            std::vector<P> preds{{foundations.empty() ? site.back().getID() : foundations.back().getID()}};
            if (foundations.size() == 4) preds.push_back({foundations[2].getID(), SS, 2});
            foundations.push_back(b.leaf(name + block, 4 + static_cast<int>(foundations.size() % 4), preds, 1, 25000));
        }
        const int floors = 10;
        // Frame, floor by floor: each floor's columns follow the slab below after two days' curing.
        std::vector<CTask> frame;
        std::vector<CTaskID> slabs;
        for (int f = 0; f < floors; ++f) {
            std::vector<CTask> level;
            const CTaskID below = slabs.empty() ? foundations.back().getID() : slabs.back();
            level.push_back(b.leaf(floorName(f) + L" columns" + block, 3, {{below, CLinkType::FinishToStart, 2}}, 2, 18000));
            level.push_back(b.leaf(floorName(f) + L" slab formwork" + block, 4, {{level.back().getID()}}, 2, 12000));
            level.push_back(b.leaf(floorName(f) + L" slab rebar" + block, 3,
                                   {{level.back().getID()}, {level[0].getID(), SS, 2}}, 2, 15000));
            level.push_back(b.leaf(floorName(f) + L" slab pour" + block, 1, {{level.back().getID()}}, 2, 20000));
            slabs.push_back(level.back().getID());
            frame.push_back(b.summary(floorName(f) + L" frame" + block, level, 2));
        }
        // Envelope: cladding starts a week after each slab is poured; the roof follows the top slab.
        std::vector<CTask> envelope;
        std::vector<CTaskID> windows;
        for (int f = 0; f < floors; ++f) {
            envelope.push_back(b.leaf(floorName(f) + L" cladding" + block, 5, {{slabs[static_cast<std::size_t>(f)], SS, 7}}, 2, 30000));
            envelope.push_back(b.leaf(floorName(f) + L" windows" + block, 3, {{envelope.back().getID()}}, 2, 22000));
            windows.push_back(envelope.back().getID());
        }
        for (const wchar_t* name : {L"Roof structure", L"Roof insulation", L"Roof membrane", L"Roof plant"}) {
            const CTaskID prev = envelope.size() > static_cast<std::size_t>(2 * floors) ? envelope.back().getID() : slabs.back();
            envelope.push_back(b.leaf(name + block, 4, {{prev}}, 2, 16000));
        }
        // Fit-out per floor, starting three days after the floor is weathertight.
        std::vector<CTask> fitOut;
        std::vector<CTaskID> snags;
        for (int f = 0; f < floors; ++f) {
            std::vector<CTask> level;
            for (const wchar_t* name : {L"partitions", L"MEP first fix", L"plastering", L"MEP second fix",
                                        L"ceilings", L"flooring", L"decoration", L"snagging"}) {
                std::vector<P> preds;
                if (level.empty()) preds.push_back({windows[static_cast<std::size_t>(f)], SS, 3});
                else preds.push_back({level.back().getID()});
                level.push_back(b.leaf(floorName(f) + L" " + name + block, 2 + static_cast<int>(level.size() % 3), preds, 3, 9000));
            }
            snags.push_back(level.back().getID());
            fitOut.push_back(b.summary(floorName(f) + L" fit-out" + block, level, 3));
        }
        // Handover once every floor is snagged.
        std::vector<CTask> handover;
        std::vector<P> allFloors;
        for (const CTaskID& id : snags) allFloors.push_back({id});
        handover.push_back(b.leaf(L"Commissioning" + block, 10, allFloors, 3, 40000));
        handover.push_back(b.leaf(L"Building control inspection" + block, 2, {{handover.back().getID()}}, 3, 2000));
        handover.push_back(b.leaf(L"Practical completion" + block, 1, {{handover.back().getID()}}, 3, 1000));

        roots.Add(b.summary(L"Site works" + block, site, 0));
        roots.Add(b.summary(L"Foundations" + block, foundations, 1));
        roots.Add(b.summary(L"Frame" + block, frame, 2));
        roots.Add(b.summary(L"Envelope" + block, envelope, 2));
        roots.Add(b.summary(L"Fit-out" + block, fitOut, 3));
        roots.Add(b.summary(L"Handover" + block, handover, 3));
    }

    // The engine dates the plan; progress goes in at the plan's dates; the contract baseline is
    // recorded from the current schedule.
    b.applyPlan(roots, CProjectSchedule(document));
    if (!recordBaseline) return;
    const CProjectSchedule schedule(document);
    const CProjectScheduleAccessor accessor(schedule);
    CProjectBaseline baseline;
    baseline.setName(CString(L"Contract baseline"));
    baseline.setColor(CProjectColorRGB(0.2f, 0.4f, 0.9f));
    baseline.setCreationTime(CProjectTime(kStart - 7 * kDay));
    baseline.setOriginatingUser(CString(L"Planner"));
    for (int i = 0; i < schedule.taskCount(); ++i) baseline.baselineTask(schedule.task(i), &accessor, false);
    document.getProjectBaselineRoot().getArray().Add(baseline);
}
