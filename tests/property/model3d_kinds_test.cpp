// Property tests of every kind in model3d/ except the geometry kinds (see KindTests.h and
// GeometryKinds.h; those are in model3d_geometry_kinds_test.cpp).
#include "property/GeometryKinds.h"

#define KELVARA_MODEL3D_KIND_TESTS_0(C) KELVARA_FIELD_PROPERTY_TESTS(C)
#define KELVARA_MODEL3D_KIND_TESTS_1(C)
#define KELVARA_KIND_TEST_IN_model3d(C) KELVARA_PP_CAT(KELVARA_MODEL3D_KIND_TESTS_, KELVARA_IS_GEOMETRY_KIND(C))(C)
#include "property/KindTests.h"

KELVARA_KINDS(KELVARA_KIND_TEST_)
