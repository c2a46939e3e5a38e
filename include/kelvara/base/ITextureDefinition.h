// A texture that materials refer to by identifier: its name, its definition text, the object it
// was derived from and what it was called when imported.
#pragma once

#include "kelvara/framework/Family.h"

KELVARA_FORWARD(TextureDefinition)

#define KELVARA_TEXTUREDEFINITION_STORED_FIELDS(F) \
    F(IDENTITY, CTextureDefinitionID, ID)          \
    F(VALUE, CProjectString, Name)                 \
    F(VALUE, CProjectString, Definition)           \
    F(VALUE, CIDBase, SourceID)                    \
    F(VALUE, CProjectString, NameOnImport)

#define KELVARA_TEXTUREDEFINITION_FIELDS(F)     \
    KELVARA_TEXTUREDEFINITION_STORED_FIELDS(F) \
    F(VALUE, CEntity3DID, ImportedEntityID)

class ITextureDefinition : public CRecord<ITextureDefinition> {
    KELVARA_INTERFACE(TextureDefinition)
    KELVARA_RECORD(ITextureDefinition, "TextureDefinition", KELVARA_TEXTUREDEFINITION_FIELDS)
};

KELVARA_INTERFACE_ARRAY(TextureDefinition, CTextureDefinitionID, false)
