#include "kelvara/model3d/CTextureDefinition.h"

CTextureDefinition::CTextureDefinition(const CString& name, const CString& definition) {
    initialize();
    setName(CProjectString(name));
    setDefinition(CProjectString(definition));
}

KELVARA_DEFINE_KIND(TextureDefinition)
