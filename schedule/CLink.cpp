#include "kelvara/schedule/CLink.h"

KELVARA_DEFINE_KIND(Link)
