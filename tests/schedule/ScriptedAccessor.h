// A project accessor whose answers each test sets: tasks are registered (their links give the
// downstream links and the link lookups), and every number is taken from per-task answers that
// start unset. Cost answers tell the plain and the summary variants apart, so a test sees which
// was asked.
#pragma once

#include <map>
#include <vector>

#include "kelvara/base/IProjectAccessor.h"
#include "kelvara/base/ITask.h"

namespace kelvara::test {

struct ScriptedTask {
    const ITask* task = nullptr;
    CTaskID parent;
    CProjectDouble remainingVolume, actualVolume, percentComplete;
    CProjectTime plannedStart, plannedFinish, start, finish, actualStart, actualFinish, estimatedFinish;
    CProjectDuration plannedDuration, duration, actualDuration, remainingDuration;
    // Critical-path answers.
    CProjectTime earlyStart, earlyFinish, lateStart, lateFinish, cpPlannedStart, cpPlannedFinish;
    CProjectDuration cpPlannedDuration, upstreamTotalFloat, downstreamTotalFloat, upstreamFloat, downstreamFloat;
    CProjectInt rank;
    bool criticalByFloat = false, onLongestPath = false;
    // Costs by total type (index 1 planned, 2 actual); the summary variants answer ten times as much.
    double costBase = 0.0;
};

class ScriptedAccessor : public IProjectAccessor,
                         private ITaskAccessor,
                         private ICalendarAccessor,
                         private ICriticalPathAccessor,
                         private ILinkAccessor,
                         private IFloatAccessor {
public:
    ScriptedTask& add(const ITask& task) {
        ScriptedTask& answers = m_tasks[task.getID()];
        answers.task = &task;
        return answers;
    }
    ScriptedTask& at(const CTaskID& id) { return m_tasks[id]; }
    void forget(const CTaskID& id) { m_tasks.erase(id); }
    std::map<CLinkID, CProjectDuration> effectiveDelays;
    std::vector<CLinkID> criticalLinks;
    // Every question asked, "task" or "summary" cost questions counted apart.
    mutable int plainCostQuestions = 0, summaryCostQuestions = 0;
    mutable CProjectTime lastReportDate{7};

    const ITaskAccessor& getTaskAccessor() const override { return *this; }
    const ICalendarAccessor& getCalendarAccessor() const override { return *this; }
    const ICriticalPathAccessor& getCriticalPathAccessor() const override { return *this; }
    const ILinkAccessor& getLinkAccessor() const override { return *this; }
    const IFloatAccessor& getFloatAccessor() const override { return *this; }

private:
    const ScriptedTask& of(const CTaskID& id) const {
        static const ScriptedTask none;
        const auto found = m_tasks.find(id);
        return found == m_tasks.end() ? none : found->second;
    }

    // Tasks.
    ITaskHandle getTask(const CTaskID& id) const override {
        const ITask* task = of(id).task;
        return task ? task->getHandle() : ITaskHandle();
    }
    ITaskHandle getParentTask(const CTaskID& id) const override { return getTask(of(id).parent); }
    CLinkIDArray getDownstreamLinkIDs(const CTaskID& id) const override {
        CLinkIDArray out;
        for (const auto& [key, answers] : m_tasks) {
            if (!answers.task) continue;
            const ILinkArrayHandle links = answers.task->getUpstreamLinks();
            for (int i = 0; i < links.GetSize(); ++i)
                if (links[i]->getUpstreamTaskID() == id) out.Add(links[i]->getID());
        }
        return out;
    }
    CProjectDouble getRemainingPhysicalVolume(const CTaskID& id) const override { return of(id).remainingVolume; }
    CProjectDouble getActualPhysicalVolume(const CTaskID& id) const override { return of(id).actualVolume; }
    CProjectTime getPlannedStart(const CTaskID& id) const override { return of(id).plannedStart; }
    CProjectTime getPlannedFinish(const CTaskID& id) const override { return of(id).plannedFinish; }
    CProjectDuration getPlannedDuration(const CTaskID& id) const override { return of(id).plannedDuration; }
    CProjectTime getStart(const CTaskID& id) const override { return of(id).start; }
    CProjectTime getFinish(const CTaskID& id) const override { return of(id).finish; }
    CProjectDuration getDuration(const CTaskID& id) const override { return of(id).duration; }
    CProjectTime getActualStart(const CTaskID& id) const override { return of(id).actualStart; }
    CProjectTime getActualFinish(const CTaskID& id) const override { return of(id).actualFinish; }
    CProjectTime getEstimatedFinish(const CTaskID& id) const override { return of(id).estimatedFinish; }
    CProjectDuration getActualDuration(const CTaskID& id) const override { return of(id).actualDuration; }
    CProjectDuration getRemainingDuration(const CTaskID& id) const override { return of(id).remainingDuration; }
    CProjectDouble getPercentComplete(const CTaskID& id) const override { return of(id).percentComplete; }

    double cost(const CTaskID& id, const CCostTotalType& total, bool summary, double kind) const {
        (summary ? summaryCostQuestions : plainCostQuestions)++;
        return (of(id).costBase + kind + 10.0 * total.getCurrentValue()) * (summary ? 10.0 : 1.0);
    }
    CTaskCostAmounts amounts(const CTaskID& id, const CCostTotalType& total, bool summary) const {
        return {cost(id, total, summary, 1), cost(id, total, summary, 2), cost(id, total, summary, 3),
                cost(id, total, summary, 4)};
    }
    CTaskCostAmounts getTaskCosts(const CTaskID& id, const CCostTotalType& total) const override {
        return amounts(id, total, false);
    }
    CTaskCostAmounts getSummaryTaskCosts(const CTaskID& id, const CCostTotalType& total) const override {
        return amounts(id, total, true);
    }
    CProjectDouble getTaskRiskCost(const CTaskID& id, const CCostTotalType& total, bool mitigated) const override {
        return cost(id, total, false, mitigated ? 5 : 6);
    }
    CProjectDouble getSummaryTaskRiskCost(const CTaskID& id, const CCostTotalType& total, bool mitigated) const override {
        return cost(id, total, true, mitigated ? 5 : 6);
    }
    CProjectDouble getTaskTotalCost(const CTaskID& id, const CCostTotalType& total) const override {
        return cost(id, total, false, 7);
    }
    CProjectDouble getSummaryTaskTotalCost(const CTaskID& id, const CCostTotalType& total) const override {
        return cost(id, total, true, 7);
    }
    CProjectDouble getTaskReportCost(const CTaskID& id, const CCostTotalType& total, const CProjectTime& date) const override {
        lastReportDate = date;
        return cost(id, total, false, 8);
    }
    CProjectDouble getSummaryTaskReportCost(const CTaskID& id, const CCostTotalType& total,
                                            const CProjectTime& date) const override {
        lastReportDate = date;
        return cost(id, total, true, 8);
    }

    // Calendars: elapsed time; unset where it leaves the 64-bit range.
    CProjectDuration getWorkingTime(const CCalendarID&, const CProjectTime& from, const CProjectTime& to) const override {
        std::int64_t elapsed = 0;
        if (__builtin_sub_overflow(to.getValue(), from.getValue(), &elapsed)) return CProjectDuration();
        return CProjectDuration(elapsed);
    }

    // Critical path.
    CProjectTime getEarlyStart(const CTaskID& id) const override { return of(id).earlyStart; }
    CProjectTime getEarlyFinish(const CTaskID& id) const override { return of(id).earlyFinish; }
    CProjectTime getLateStart(const CTaskID& id) const override { return of(id).lateStart; }
    CProjectTime getLateFinish(const CTaskID& id) const override { return of(id).lateFinish; }
    CProjectDuration getUpstreamTotalFloat(const CTaskID& id) const override { return of(id).upstreamTotalFloat; }
    CProjectDuration getDownstreamTotalFloat(const CTaskID& id) const override { return of(id).downstreamTotalFloat; }
    CProjectInt getScheduleRank(const CTaskID& id) const override { return of(id).rank; }
    bool isCriticalByFloat(const CTaskID& id) const override { return of(id).criticalByFloat; }
    bool isOnLongestPath(const CTaskID& id) const override { return of(id).onLongestPath; }
    bool isLinkCritical(const CLinkID& link) const override {
        for (const CLinkID& id : criticalLinks)
            if (id == link) return true;
        return false;
    }
    CProjectTime getAnalysisPlannedStart(const CTaskID& id) const override { return of(id).cpPlannedStart; }
    CProjectTime getAnalysisPlannedFinish(const CTaskID& id) const override { return of(id).cpPlannedFinish; }
    CProjectDuration getAnalysisPlannedDuration(const CTaskID& id) const override { return of(id).cpPlannedDuration; }

    // Links.
    ILinkHandle getLink(const CLinkID& id) const override {
        for (const auto& [key, answers] : m_tasks) {
            if (!answers.task) continue;
            const ILinkHandle link = answers.task->getUpstreamLinks().find(id);
            if (!link.isNull()) return link;
        }
        return ILinkHandle();
    }
    CTaskID getSuccessorTaskID(const CLinkID& id) const override {
        for (const auto& [key, answers] : m_tasks)
            if (answers.task && answers.task->getUpstreamLinks().findByID(id) >= 0) return key;
        return CTaskID();
    }
    CProjectDuration getEffectiveDelay(const ILink& link) const override {
        const auto found = effectiveDelays.find(link.getID());
        return found == effectiveDelays.end() ? CProjectDuration() : found->second;
    }

    // Floats.
    CProjectDuration getUpstreamFloat(const CTaskID& id) const override { return of(id).upstreamFloat; }
    CProjectDuration getDownstreamFloat(const CTaskID& id) const override { return of(id).downstreamFloat; }

    std::map<CTaskID, ScriptedTask> m_tasks;
};

}  // namespace kelvara::test
