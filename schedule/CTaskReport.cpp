#include "kelvara/schedule/CTaskReport.h"

KELVARA_DEFINE_KIND(TaskReport)

