#include "kelvara/base/ITaskReport.h"

void ITaskReport::initialize() {
    getWritableID().generate();
    setRiskID(CRiskID());
    setDate(CProjectDate());
    setDuration(CProjectDuration());
    setType(CTaskReportType(CTaskReportType::Progress));
    setComments(CProjectString());
    removeAllCosts();
}
