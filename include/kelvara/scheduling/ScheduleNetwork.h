// The critical-path computation over a network of tasks and links, apart from where the tasks are
// stored: CProjectSchedule (ProjectSchedule.h) fills a CScheduleNetwork from a project's tasks;
// tests and benchmarks may fill one directly.
//
// Moments and durations are milliseconds (CProjectTime's and CProjectDuration's tick); a duration
// is worked time in the calendar it is counted in. kUnset stands for a value the network lacks
// and for a result that cannot be computed (a calendar whose working time runs out).
//
// The model:
//   - A task with sub-tasks is a summary task: its own duration, constraint and progress are not
//     scheduled; its dates span its sub-tasks (earliest start, latest finish of each pair).
//   - A link joins its predecessor's start (SS, SF) or finish (FS, FF) to its successor's start
//     (FS, SS) or finish (FF, SF), shifted by its delay counted in the link's calendar (a negative
//     delay moves earlier). A percentage delay is that share of the predecessor's duration, in
//     hundredths of a percent (10000 is the whole duration). A link from a summary task acts as a
//     link from every task under it, a link to a summary task as a link to every task under it.
//   - Every task starts no earlier than the project start. A task with work starts at a working
//     moment of its calendar and finishes when its work is done (add); a task without work (a
//     milestone) takes the moment its predecessors give.
//   - Constraints: StartOnOrAfter and FinishOnOrAfter bound the early dates by the constraint's
//     early date; StartOnOrBefore and FinishOnOrBefore bound the late dates by its late date;
//     MustStartOn and MustFinishOn fix both the early and the late dates at the early date (the
//     late date when the early one is unset), whatever the links say; AsLateAsPossible keeps the
//     computed dates and schedules the task at its late dates. A constraint without its date is
//     ignored.
//   - The backward pass starts from the project finish, the latest early finish of all tasks.
//   - With progress, a task's actual start fixes its start and its actual finish its finish; a
//     started task without an actual finish finishes when its done work (its duration times the
//     percent complete) and its remaining duration are worked from its actual start.
// Cycles among links (through summary tasks too) are refused with CScheduleCycleError, which
// names the tasks on one cycle; nothing recurses, so a million tasks in a chain are fine.
#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "kelvara/base/Enumerations.h"
#include "kelvara/base/Identifiers.h"
#include "kelvara/base/ScheduleEnumerations.h"

class CWorkingCalendar;

inline constexpr std::int64_t kUnset = std::numeric_limits<std::int64_t>::min();

struct CNetworkTask {
    CTaskID id;
    std::string name;                            // for messages
    int parent = -1;                             // index of the task above, -1 at the top
    const CWorkingCalendar* calendar = nullptr;  // REQUIRES: set
    std::int64_t duration = 0;                   // worked milliseconds, >= 0
    int constraint = CTaskConstraintType::None;  // a CTaskConstraintType value; unknown ones: none
    std::int64_t constraintEarly = kUnset;
    std::int64_t constraintLate = kUnset;
    // Progress: actual dates, the remaining duration and the percent complete (0..100).
    std::int64_t actualStart = kUnset;
    std::int64_t actualFinish = kUnset;
    std::int64_t remaining = kUnset;
    double percentComplete = 0.0;
};

struct CNetworkLink {
    CLinkID id;
    int predecessor = -1;  // task indexes
    int successor = -1;
    int type = CLinkType::FinishToStart;  // a CLinkType value; unknown ones: finish to start
    std::int64_t delay = 0;       // milliseconds of work, or hundredths of a percent
    bool percentDelay = false;
    const CWorkingCalendar* calendar = nullptr;  // the delay's; REQUIRES: set
};

struct CScheduleNetwork {
    std::vector<CNetworkTask> tasks;  // REQUIRES: a parent comes before its sub-tasks
    std::vector<CNetworkLink> links;
    std::int64_t projectStart = 0;
};

// One task's results. Floats are worked time in the task's calendar.
struct CTaskDates {
    std::int64_t earlyStart = kUnset, earlyFinish = kUnset;
    std::int64_t lateStart = kUnset, lateFinish = kUnset;
    // Where the task is scheduled: its early dates, its late dates when as late as possible, and
    // its actual dates where it has them.
    std::int64_t start = kUnset, finish = kUnset;
    std::int64_t startTotalFloat = kUnset;   // late start - early start (upstream total float)
    std::int64_t finishTotalFloat = kUnset;  // late finish - early finish (downstream total float)
    std::int64_t freeFloat = kUnset;         // delay possible without moving a successor's early dates
    std::int64_t backwardFreeFloat = kUnset; // advance possible without moving a predecessor's late dates
    int rank = 0;                            // 1 + the highest rank among its predecessors
    bool criticalByFloat = false;            // a total float of zero or less
    bool onLongestPath = false;              // on a chain of driving links ending at the project finish
};

struct CLinkDates {
    std::int64_t effectiveDelay = kUnset;  // elapsed time the delay added to its anchor
    bool driving = false;                  // it set its successor's early dates
    bool critical = false;                 // driving, towards a task on the longest path
};

struct CNetworkSchedule {
    std::vector<CTaskDates> tasks;  // parallel to the network's tasks
    std::vector<CLinkDates> links;  // parallel to the network's links
    std::int64_t projectStart = kUnset;
    std::int64_t projectFinish = kUnset;
};

class CScheduleCycleError : public std::runtime_error {
public:
    CScheduleCycleError(const std::string& message, std::vector<int> tasks)
        : std::runtime_error(message), m_tasks(std::move(tasks)) {}
    // The indexes of the tasks on the cycle, in link order, the first not repeated at the end.
    const std::vector<int>& tasks() const noexcept { return m_tasks; }

private:
    std::vector<int> m_tasks;
};

// Schedules the network; progress is applied only when withProgress is true.
// Throws CScheduleCycleError on a cycle and std::invalid_argument on an index out of range.
[[nodiscard]] CNetworkSchedule scheduleNetwork(const CScheduleNetwork& network, bool withProgress);
