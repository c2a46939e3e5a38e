// The stored texture definition (see ITextureDefinition). A new one has null identifiers and
// unset texts.
#pragma once

#include "kelvara/base/ITextureDefinition.h"

class CTextureDefinition : public ITextureDefinition {
    KELVARA_OBJECT(TextureDefinition)
    KELVARA_RECORD_MEMBERS(KELVARA_TEXTUREDEFINITION_STORED_FIELDS)

public:
    CTextureDefinition() = default;
    CTextureDefinition(const CString& name, const CString& definition);
    ~CTextureDefinition() override = default;

    const CEntity3DID& getImportedEntityID() const override { return m_ImportedEntityID; }
    void setImportedEntityID(const CEntity3DID& id) override { m_ImportedEntityID = id; }
    CEntity3DID& getWritableImportedEntityID() override { return m_ImportedEntityID; }

private:
    CEntity3DID m_ImportedEntityID;
};

KELVARA_ROOT_FAMILY(TextureDefinition, CTextureDefinitionID, false)
