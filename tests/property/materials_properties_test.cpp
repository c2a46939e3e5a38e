#include "property/FieldProperties.h"
#include "property/RandomMaterials.h"

#include "kelvara/model3d/CBinImage.h"
#include "kelvara/model3d/CCuttingPlane.h"
#include "kelvara/model3d/CGraphicalImage.h"
#include "kelvara/model3d/CGraphicalMaterial.h"
#include "kelvara/model3d/CGraphicalTransform.h"
#include "kelvara/model3d/CSkyBox.h"
#include "kelvara/model3d/CTextureDefinition.h"
#include "kelvara/model3d/CViewpointCuttingPlane.h"

KELVARA_FIELD_PROPERTY_TESTS(CGraphicalTransform)
KELVARA_FIELD_PROPERTY_TESTS(CGraphicalMaterial)
KELVARA_FIELD_PROPERTY_TESTS(CTextureDefinition)
KELVARA_FIELD_PROPERTY_TESTS(CGraphicalImage)
KELVARA_FIELD_PROPERTY_TESTS(CBinImage)
KELVARA_FIELD_PROPERTY_TESTS(CCubeMap)
KELVARA_FIELD_PROPERTY_TESTS(CSkyBox)
KELVARA_FIELD_PROPERTY_TESTS(CCuttingPlane)
KELVARA_FIELD_PROPERTY_TESTS(CViewpointCuttingPlane)
