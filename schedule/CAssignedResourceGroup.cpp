#include "kelvara/schedule/CAssignedResourceGroup.h"

KELVARA_DEFINE_KIND(AssignedResourceGroup)
