// The base library's arithmetic for baselines: link delay end points and task floats over the
// accessors' answers. A delay end point adds the link accessor's effective delay (elapsed time, as
// the schedule counted it in the delay's calendar); floats are worked time in the task's calendar
// as the calendar accessor counts it, elapsed time when it cannot. A sum or difference that would
// leave the 64-bit range answers unset rather than overflowing.
#include "kelvara/base/ITaskBaselineData.h"

#include "kelvara/base/ITask.h"

#include <cstdint>

namespace {

CProjectDuration difference(const CProjectTime& later, const CProjectTime& earlier) {
    std::int64_t result = 0;
    if (!later.isValid() || !earlier.isValid() ||
        __builtin_sub_overflow(later.getValue(), earlier.getValue(), &result))
        return CProjectDuration();
    return CProjectDuration(result);
}

}  // namespace

CProjectTime ITaskBaselineData::getLinksDelaysEndpoint(const ILink& link, const CProjectTime& start,
                                                       const CProjectTime& finish, const ILinkAccessor& links) {
    const bool fromFinish = link.getType() == CLinkType::FinishToStart || link.getType() == CLinkType::FinishToFinish;
    const CProjectTime& anchor = fromFinish ? finish : start;
    if (!anchor.isValid()) return CProjectTime();
    CProjectDuration delay = links.getEffectiveDelay(link);
    if (!delay.isValid()) {
        const bool ownDelay = link.getDelayType() == CLinkDelayType::Duration && link.getDelay().isValid();
        delay = ownDelay ? link.getDelay() : CProjectDuration(0);
    }
    std::int64_t end = 0;
    if (__builtin_add_overflow(anchor.getValue(), delay.getValue(), &end)) return CProjectTime();
    return CProjectTime(end);
}

void ITaskBaselineData::getFreeTaskFloat(const ITaskAccessor&, const ICalendarAccessor& calendars,
                                         const ICriticalPathAccessor& criticalPath, const ITask& task,
                                         CProjectDuration& upstream, CProjectDuration& downstream) {
    const CTaskID& id = task.getID();
    const auto worked = [&](const CProjectTime& earlier, const CProjectTime& later) {
        if (!earlier.isValid() || !later.isValid()) return CProjectDuration();
        const CProjectDuration inCalendar = calendars.getWorkingTime(task.getDominantCalendarID(), earlier, later);
        return inCalendar.isValid() ? inCalendar : difference(later, earlier);
    };
    upstream = worked(criticalPath.getEarlyStart(id), criticalPath.getLateStart(id));
    downstream = worked(criticalPath.getEarlyFinish(id), criticalPath.getLateFinish(id));
}
