#include "kelvara/schedule/CCost.h"

KELVARA_DEFINE_KIND(Cost)
