// The concrete headers of every root kind the document holds.
#pragma once

#include "kelvara/model3d/C3DNotation.h"
#include "kelvara/model3d/CBinImage.h"
#include "kelvara/model3d/CCuttingPlane.h"
#include "kelvara/model3d/CGraphicalImage.h"
#include "kelvara/model3d/CPhysicalLight.h"
#include "kelvara/model3d/CSkyBox.h"
#include "kelvara/model3d/CTextureDefinition.h"
#include "kelvara/schedule/CCode.h"
#include "kelvara/schedule/CPosition.h"
#include "kelvara/schedule/CTaskCategory.h"
#include "kelvara/schedule/CTaskState.h"
#include "kelvara/schedule/CUserField.h"
