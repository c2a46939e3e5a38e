#include "kelvara/schedule/CPosition.h"

KELVARA_DEFINE_KIND(Position)
