// The stored texture definition (see ITextureDefinition). A new one has null identifiers and
// unset texts.
#pragma once

#include "kelvara/base/ITextureDefinition.h"
#include "kelvara/framework/Family.h"

class CTextureDefinition : public ITextureDefinition {
    KELVARA_OBJECT(TextureDefinition)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_TextureDefinition)

public:
    CTextureDefinition(const CString& name, const CString& definition);
    ~CTextureDefinition() override = default;

};

KELVARA_ROOT_FAMILY(TextureDefinition)
