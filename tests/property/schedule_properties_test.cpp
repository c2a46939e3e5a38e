#include "property/FieldProperties.h"
#include "kelvara/schedule/CLink.h"

KELVARA_FIELD_PROPERTY_TESTS(CLink)
