// Property tests of every kind in people/ (see KindTests.h).
#define KELVARA_KIND_TEST_IN_people(C) KELVARA_FIELD_PROPERTY_TESTS(C)
#include "property/KindTests.h"

KELVARA_KINDS(KELVARA_KIND_TEST_)
