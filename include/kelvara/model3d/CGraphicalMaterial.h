// The stored display material (see IGraphicalMaterial): the colour-definition buffer and, created
// on first write, the identifiers of the textures it uses.
#pragma once

#include <memory>

#include "kelvara/base/IGraphicalMaterial.h"
#include "kelvara/framework/Family.h"

class CGraphicalMaterial : public IGraphicalMaterial {
    KELVARA_OBJECT(GraphicalMaterial)

public:
    explicit CGraphicalMaterial(const char* colorDefinition);
    // The diffuse colour and the transparency; the ambient colour follows the diffuse one when
    // ambientFromDiffuse is true.
    CGraphicalMaterial(const CProjectColorRGB& diffuse, float transparency, bool ambientFromDiffuse);
    // The diffuse and specular colours; the ambient colour as above.
    CGraphicalMaterial(const CProjectColorRGB& diffuse, const CProjectColorRGB& specular, bool ambientFromDiffuse);
    CGraphicalMaterial(const CProjectColorRGB& ambient, const CProjectColorRGB& diffuse, const CProjectColorRGB& specular,
                       const CProjectColorRGB& emissive, float transparency);
    ~CGraphicalMaterial() override = default;

    const CGraphicalMaterialBuffer& getBuffer() const override { return m_buffer; }
    const CTextureDefinitionIDArray& getTextureDefinitionIDArray() const override;
    void setTextureDefinitionIDArray(const IIDPointerArray<CTextureDefinitionID>& ids) override;
    void clearTextureDefinitionIDArray() override { m_textureDefinitionIDs.reset(); }

protected:
    char* replaceFragmentInBuffer(int start, int oldLength, int newLength) override {
        return m_buffer.replaceFragment(start, oldLength, newLength);
    }
    CTextureDefinitionIDArray& getWritableTextureDefinitionIDArray() override;  // creates it when absent

private:
    CGraphicalMaterialBuffer& getWritableBuffer() override { return m_buffer; }

    CGraphicalMaterialBuffer m_buffer;
    std::unique_ptr<CTextureDefinitionIDArray> m_textureDefinitionIDs;
};

KELVARA_OBJECT_FAMILY(GraphicalMaterial)
