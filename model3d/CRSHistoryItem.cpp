#include "kelvara/model3d/CRSHistoryItem.h"

KELVARA_DEFINE_KIND(RSHistoryItem)
