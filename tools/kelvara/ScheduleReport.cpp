// The schedule report: moments in UTC to the minute, floats in working hours of each task's
// calendar. Tasks are listed as the task tree is walked, indented by depth.
#include "ScheduleReport.h"

#include <string>

#include <fmt/format.h>

#include "kelvara/AllKinds.h"
#include "kelvara/document/CProjectDocument.h"
#include "kelvara/scheduling/ProjectSchedule.h"

namespace {

std::string moment(std::int64_t ms) {
    if (ms == kUnset) return "-";
    const std::int64_t msPerDay = 86'400'000;
    std::int64_t days = ms / msPerDay, inDay = ms % msPerDay;
    if (inDay < 0) inDay += msPerDay, --days;
    // Civil date from a day count (proleptic Gregorian).
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}", y, m, d, inDay / 3'600'000, inDay / 60'000 % 60);
}

std::string hours(std::int64_t ms) {
    if (ms == kUnset) return "-";
    return fmt::format("{:.1f}", static_cast<double>(ms) / 3'600'000.0);
}

}  // namespace

void printSchedule(const CProjectDocument& project, std::FILE* out) {
    const CProjectSchedule schedule(project);
    std::fprintf(out, "%s\n", fmt::format("tasks {}  links {}  project start {}  finish {}  (planned finish {})",
                                          schedule.taskCount(), schedule.linkCount(), moment(schedule.projectStart()),
                                          moment(schedule.projectFinish()), moment(schedule.plannedFinish()))
                                  .c_str());
    if (schedule.ignoredLinks() > 0)
        std::fprintf(out, "%d link(s) name a predecessor the project does not hold and were left out\n",
                     schedule.ignoredLinks());
    const std::vector<int> path = schedule.criticalPath();
    std::fprintf(out, "critical path (%zu tasks):\n", path.size());
    for (int i : path)
        std::fprintf(out, "%s\n", fmt::format("  {:<8} {:<40} {} .. {}", schedule.task(i).getTaskCode().getValue().toUtf8(),
                                              schedule.task(i).getName().getValue().toUtf8(),
                                              moment(schedule.current(i).earlyStart), moment(schedule.current(i).earlyFinish))
                                      .c_str());
    std::fprintf(out, "%s\n", fmt::format("{:<48} {:<16} {:<16} {:<16} {:<16} {:>8} {:>8} {:>4}  {}", "task", "early start",
                                          "early finish", "late start", "late finish", "float h", "free h", "rank", "")
                                  .c_str());
    std::vector<int> depth(static_cast<std::size_t>(schedule.taskCount()), 0);
    for (int i = 0; i < schedule.taskCount(); ++i) {
        const int p = schedule.parent(i);
        if (p >= 0) depth[static_cast<std::size_t>(i)] = depth[static_cast<std::size_t>(p)] + 1;
        const CTaskDates& d = schedule.current(i);
        const std::string name = std::string(static_cast<std::size_t>(2 * std::min(depth[static_cast<std::size_t>(i)], 10)), ' ') +
                                 schedule.task(i).getName().getValue().toUtf8();
        std::fprintf(out, "%s\n", fmt::format("{:<48} {:<16} {:<16} {:<16} {:<16} {:>8} {:>8} {:>4}  {}", name,
                                              moment(d.earlyStart), moment(d.earlyFinish), moment(d.lateStart),
                                              moment(d.lateFinish), hours(d.finishTotalFloat), hours(d.freeFloat), d.rank,
                                              d.onLongestPath ? "critical" : "")
                                      .c_str());
    }
}
