#include "property/FieldProperties.h"
#include "property/RandomScene.h"
#include "kelvara/model3d/C3DNotation.h"
#include "kelvara/model3d/C3DWorldSettings.h"
#include "kelvara/model3d/CCameraMarker.h"
#include "kelvara/model3d/CIraySettings.h"
#include "kelvara/model3d/CPhysicalLight.h"
#include "kelvara/model3d/CTurnableAnimation.h"
#include "kelvara/model3d/CViewpointCamera.h"
#include "kelvara/schedule/CPosition.h"

KELVARA_FIELD_PROPERTY_TESTS(C3DWorldSettings)
KELVARA_FIELD_PROPERTY_TESTS(CIraySettings)
KELVARA_FIELD_PROPERTY_TESTS(CPhysicalLight)
KELVARA_FIELD_PROPERTY_TESTS(CViewpointCamera)
KELVARA_FIELD_PROPERTY_TESTS(C3DNotation)
KELVARA_FIELD_PROPERTY_TESTS(CCameraMarker)
KELVARA_FIELD_PROPERTY_TESTS(CTurnableAnimation)
KELVARA_FIELD_PROPERTY_TESTS(CPosition)
