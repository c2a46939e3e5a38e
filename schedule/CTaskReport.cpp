#include "kelvara/schedule/CTaskReport.h"

KELVARA_DEFINE_KIND(TaskReport, CTaskReportID, false)

ICostArrayHandle CTaskReport::getCosts() const { return ICostArrayHandle(new CCostArrayHandle(&m_Costs)); }
