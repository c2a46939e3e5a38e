// Property tests of every kind in schedule/ (see KindTests.h).
#include "property/KindTests.h"

#define KELVARA_KIND_TEST_IN_schedule(C) KELVARA_FIELD_PROPERTY_TESTS(C)
#define KELVARA_KIND_TEST_IN_model3d(C)
KELVARA_KINDS(KELVARA_KIND_TEST_)
