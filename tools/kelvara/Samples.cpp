#include "Samples.h"

#include <random>

namespace {

CTaskID taskNumber(std::mt19937_64& rng) {
    CTaskID id;
    id.generate();
    (void)rng;
    return id;
}

}  // namespace

CLinkArray buildSampleLinks(int count) {
    std::mt19937_64 rng(42);
    CLinkArray links;
    CCalendarID calendar;
    calendar.generate();
    for (int i = 0; i < count; ++i) {
        CLink link(taskNumber(rng), CLinkType(static_cast<int>(rng() % 4)));
        link.setDelay(CProjectDuration(static_cast<std::int64_t>(rng() % 5) * 3600000));
        if (i % 3 == 0) link.setDelayCalendarID(calendar);
        link.setStatus(CLinkStatus(static_cast<int>(rng() % 3)));
        links.Add(link);
    }
    return links;
}

void buildSampleProject(CProjectDocument& document, int scale) {
    (void)document;
    (void)scale;
}
