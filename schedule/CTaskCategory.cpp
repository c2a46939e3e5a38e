#include "kelvara/schedule/CTaskCategory.h"

KELVARA_DEFINE_KIND(TaskCategory)
