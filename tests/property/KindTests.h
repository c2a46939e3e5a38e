// The tests every kind of the registry gets, one translation unit per folder so that the folders
// compile in parallel. A kind cannot be added without them: its registry line expands here.
#pragma once

#include "kelvara/AllKinds.h"
#include "property/FieldProperties.h"
#include "property/RandomAnimation.h"
#include "property/RandomEntities.h"
#include "property/RandomGeometry.h"
#include "property/RandomMaterials.h"
#include "property/RandomPrimitives.h"
#include "property/RandomScene.h"
#include "property/RandomSchedule.h"

// KELVARA_KIND_TESTS_IN(folder) expands the property tests of every kind whose concrete class
// lives in folder.
// A folder's translation unit defines KELVARA_KIND_TEST_IN_<its folder> before including this
// header; every other folder expands to nothing there.
#define KELVARA_KIND_TEST_(Thing, Identifier, Iteration, Role, Folder) KELVARA_KIND_TEST_IN_##Folder(C##Thing)
#ifndef KELVARA_KIND_TEST_IN_schedule
#define KELVARA_KIND_TEST_IN_schedule(C)
#endif
#ifndef KELVARA_KIND_TEST_IN_model3d
#define KELVARA_KIND_TEST_IN_model3d(C)
#endif
#ifndef KELVARA_KIND_TEST_IN_people
#define KELVARA_KIND_TEST_IN_people(C)
#endif
#ifndef KELVARA_KIND_TEST_IN_filters
#define KELVARA_KIND_TEST_IN_filters(C)
#endif
#ifndef KELVARA_KIND_TEST_IN_sync
#define KELVARA_KIND_TEST_IN_sync(C)
#endif
#ifndef KELVARA_KIND_TEST_IN_presentation
#define KELVARA_KIND_TEST_IN_presentation(C)
#endif
