// Property tests of the geometry kinds of model3d/ (see KindTests.h and GeometryKinds.h).
#include "property/GeometryKinds.h"

#define KELVARA_GEOMETRY_KIND_TESTS_0(C)
#define KELVARA_GEOMETRY_KIND_TESTS_1(C) KELVARA_FIELD_PROPERTY_TESTS(C)
#define KELVARA_KIND_TEST_IN_model3d(C) KELVARA_PP_CAT(KELVARA_GEOMETRY_KIND_TESTS_, KELVARA_IS_GEOMETRY_KIND(C))(C)
#include "property/KindTests.h"

KELVARA_KINDS(KELVARA_KIND_TEST_)
