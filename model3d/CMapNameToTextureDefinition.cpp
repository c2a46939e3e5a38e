#include "kelvara/model3d/CMapNameToTextureDefinition.h"

void CMapNameToTextureDefinition::Serialize(CKelvaraArchive& ar) {
    serialize(ar, "CMapNameToTextureDefinition", "CMapNameToString", "texture definitions");
}
