// A project's schedule: its tasks and links read into a network, scheduled twice (the plan,
// without progress, and the current schedule, with it), with progress and costs per task. The
// schedule is a snapshot: it keeps pointers to the project's tasks and links and reads nothing
// from the project after construction except through them.
//
// REQUIRES: the project outlives the schedule and its tasks are not changed while it is used.
// Thread safety: a built schedule is immutable; any number of threads may read it at once.
//
// What is read from each task (everything else is computed):
//   - its dominant calendar (an unknown or null one: the fallback calendar of CCalendarSet);
//   - its duration (TaskDuration, worked time in that calendar; unset or negative is 0, and key
//     dates have none);
//   - its constraint, its upstream links (a link whose predecessor is not among the project's
//     tasks is left out and counted in ignoredLinks());
//   - progress: actual start and finish, remaining duration, and the percent complete its
//     progress type names (see percentComplete);
//   - costs: its cost lines, its resource and group assignments, assigned risks and reports.
// The project starts at the options' start, else at the earliest planned start of any task, else
// at the earliest actual start, else at 1970-01-01.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "kelvara/base/IDHash.h"
#include "kelvara/base/IProjectAccessor.h"
#include "kelvara/scheduling/CalendarSet.h"
#include "kelvara/scheduling/ScheduleNetwork.h"

class CCalendarRoot;
class CCompanyRoot;
class CTaskRoot;
class ILink;
class ITask;
class IResource;

struct CScheduleOptions {
    CProjectTime projectStart;  // unset: from the tasks (see above)
};

class CProjectSchedule {
public:
    // Schedules the project held by the three roots (tasks, calendars, and the companies whose
    // resources assignments name). Throws CScheduleCycleError when links form a cycle.
    CProjectSchedule(const CTaskRoot& tasks, const CCalendarRoot& calendars, const CCompanyRoot& companies,
                     const CScheduleOptions& options = {});
    // The same over anything holding those roots, a project document above all: the engine reads
    // a project through its roots and needs nothing of the document class.
    template <class Project>
    explicit CProjectSchedule(const Project& project, const CScheduleOptions& options = {})
        : CProjectSchedule(project.getTaskRoot(), project.getCalendarRoot(), project.getCompanyRoot(), options) {}
    CProjectSchedule(const CProjectSchedule&) = delete;
    CProjectSchedule& operator=(const CProjectSchedule&) = delete;
    ~CProjectSchedule();

    // ---- tasks: indexes 0 .. taskCount()-1 in a walk of the task tree, parents first ----
    [[nodiscard]] int taskCount() const noexcept { return static_cast<int>(m_tasks.size()); }
    [[nodiscard]] int findTask(const CTaskID& id) const;  // -1 when absent
    const ITask& task(int index) const { return *m_tasks[static_cast<std::size_t>(index)]; }
    int parent(int index) const { return m_network.tasks[static_cast<std::size_t>(index)].parent; }
    bool isSummary(int index) const { return m_isSummary[static_cast<std::size_t>(index)]; }
    const CWorkingCalendar& calendarOf(int index) const { return *m_network.tasks[static_cast<std::size_t>(index)].calendar; }
    // The current schedule (with progress) and the plan (without).
    const CTaskDates& current(int index) const { return m_current.tasks[static_cast<std::size_t>(index)]; }
    const CTaskDates& planned(int index) const { return m_planned.tasks[static_cast<std::size_t>(index)]; }
    std::int64_t projectStart() const noexcept { return m_current.projectStart; }
    std::int64_t projectFinish() const noexcept { return m_current.projectFinish; }
    std::int64_t plannedFinish() const noexcept { return m_planned.projectFinish; }
    // The tasks without sub-tasks on the longest path, by early start.
    [[nodiscard]] std::vector<int> criticalPath() const;

    // ---- links: indexes 0 .. linkCount()-1 ----
    [[nodiscard]] int linkCount() const noexcept { return static_cast<int>(m_links.size()); }
    [[nodiscard]] int findLink(const CLinkID& id) const;  // -1 when absent
    const ILink& link(int index) const { return *m_links[static_cast<std::size_t>(index)]; }
    int predecessorOf(int link) const { return m_network.links[static_cast<std::size_t>(link)].predecessor; }
    int successorOf(int link) const { return m_network.links[static_cast<std::size_t>(link)].successor; }
    const CLinkDates& linkDates(int index) const { return m_current.links[static_cast<std::size_t>(index)]; }
    [[nodiscard]] std::vector<int> downstreamLinks(int task) const;
    int ignoredLinks() const noexcept { return m_ignoredLinks; }

    // ---- progress (worked time in the task's calendar) ----
    // Complete with an actual finish, in progress with an actual start, else not started.
    [[nodiscard]] CTaskStatus status(int index) const;
    // By the progress type: Manual the stored manual percent; Physical actual over total volume;
    // Duration 100 when finished, else the share of the duration done by the remaining duration
    // (the stored manual percent without one). Within 0..100.
    [[nodiscard]] double percentComplete(int index) const;
    [[nodiscard]] std::int64_t actualDuration(int index) const;     // work done
    [[nodiscard]] std::int64_t remainingDuration(int index) const;  // work left

    // ---- costs ----
    // Amounts by category for one total: Planned (and Total) counts every cost line and the
    // assignments over the planned dates; Actual the cost lines times the percent complete and the
    // assignments over the work done. An assignment charges its quantity (1 when unset) of the
    // resource at the resource's rates in force on each date: a rate with a use per day prices a
    // working day of 8 worked hours; one without prices a unit (materials), once, at the rate in
    // force at the start (times the percent complete for the actual total). Categories: resources
    // by type (labour human, equipment, material, space location); cost lines by type (labour and
    // subcontract human, material, equipment, other and expense location).
    // summary: the task and everything under it.
    [[nodiscard]] CTaskCostAmounts costs(int index, int total, bool summary) const;
    [[nodiscard]] double riskCost(int index, bool mitigated, bool summary) const;
    // The costs of the task's reports dated up to date (kUnset: all).
    [[nodiscard]] double reportCost(int index, std::int64_t date, bool summary) const;

    const CCalendarSet& calendars() const noexcept { return *m_calendars; }

    // implementation details follow
private:
    struct Costs {
        double planned[4] = {};  // equipment, human, location, material
        double actual[4] = {};
        double mitigatedRisk = 0, unmitigatedRisk = 0;
    };
    void readTasks(const CTaskRoot& tasks);
    void readResources(const CCompanyRoot& companies);
    void computeCosts();
    double resourceCost(const CResourceID& resource, double quantity, double share, const CWorkingCalendar& calendar,
                        std::int64_t from, std::int64_t to) const;
    Costs costsOf(int index, bool summary) const;
    template <class F>
    void eachUnder(int index, bool summary, F f) const;

    std::unique_ptr<CCalendarSet> m_calendars;
    std::vector<const ITask*> m_tasks;
    std::vector<const ILink*> m_links;
    std::vector<bool> m_isSummary;
    std::unordered_map<CTaskID, int, CIDHash> m_taskIndex;
    std::unordered_map<CLinkID, int, CIDHash> m_linkIndex;
    std::unordered_map<CResourceID, const IResource*, CIDHash> m_resources;
    std::vector<int> m_downstreamFirst, m_downstream;
    CScheduleNetwork m_network;
    CNetworkSchedule m_current, m_planned;
    std::vector<Costs> m_costs;
    std::vector<Costs> m_costSums;  // m_costSums[i]: the costs of the tasks listed before i
    std::vector<int> m_subtreeEnd;  // the tasks under i are listed from i + 1 to m_subtreeEnd[i] - 1
    int m_ignoredLinks = 0;
};
