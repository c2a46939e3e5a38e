// A texture that materials refer to by identifier: its name, its definition text, the object it
// was derived from and what it was called when imported.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"



#define KELVARA_FIELDS_TextureDefinition(F) \
    F(IDENTITY, CTextureDefinitionID, ID, {}, 1)     \
    F(VALUE, CProjectString, Name, {}, 1)            \
    F(VALUE, CProjectString, Definition, {}, 1)      \
    F(VALUE, CIDBase, SourceID, {}, 1)               \
    F(VALUE, CProjectString, NameOnImport, {}, 1)    \
    F(VALUE, CEntity3DID, ImportedEntityID, {}, 1)

class ITextureDefinition : public CRecord<ITextureDefinition> {
    KELVARA_INTERFACE(TextureDefinition)
    KELVARA_RECORD(ITextureDefinition, "TextureDefinition", KELVARA_FIELDS_TextureDefinition)
};

