// The tests every kind of the registry gets, one translation unit per folder so that the folders
// compile in parallel. A kind cannot be added without them: its registry line expands here.
#pragma once

#include "kelvara/AllKinds.h"
#include "property/FieldProperties.h"
#include "property/RandomGeometry.h"
#include "property/RandomMaterials.h"
#include "property/RandomScene.h"
#include "property/RandomSchedule.h"

// KELVARA_KIND_TESTS_IN(folder) expands the property tests of every kind whose concrete class
// lives in folder.
#define KELVARA_KIND_TEST_(Thing, Identifier, Iteration, Role, Folder) KELVARA_KIND_TEST_IN_##Folder(C##Thing)
