#include "kelvara/model3d/CGraphicalMaterial.h"

CGraphicalMaterial::CGraphicalMaterial(const char* colorDefinition) { setColorDefinition(colorDefinition); }

CGraphicalMaterial::CGraphicalMaterial(const CProjectColorRGB& diffuse, float transparency, bool ambientFromDiffuse) {
    if (ambientFromDiffuse) setColor(Ambient, diffuse);
    setColor(Diffuse, diffuse);
    setFloat(Transparency, transparency);
}

CGraphicalMaterial::CGraphicalMaterial(const CProjectColorRGB& diffuse, const CProjectColorRGB& specular,
                                       bool ambientFromDiffuse) {
    if (ambientFromDiffuse) setColor(Ambient, diffuse);
    setColor(Diffuse, diffuse);
    setColor(Specular, specular);
}

CGraphicalMaterial::CGraphicalMaterial(const CProjectColorRGB& ambient, const CProjectColorRGB& diffuse,
                                       const CProjectColorRGB& specular, const CProjectColorRGB& emissive,
                                       float transparency) {
    setColor(Ambient, ambient);
    setColor(Diffuse, diffuse);
    setColor(Specular, specular);
    setColor(Emissive, emissive);
    setFloat(Transparency, transparency);
}

const CTextureDefinitionIDArray& CGraphicalMaterial::getTextureDefinitionIDArray() const {
    static const CTextureDefinitionIDArray empty;
    return m_textureDefinitionIDs ? *m_textureDefinitionIDs : empty;
}

void CGraphicalMaterial::setTextureDefinitionIDArray(const IIDPointerArray<CTextureDefinitionID>& ids) {
    if (&ids == m_textureDefinitionIDs.get()) return;
    getWritableTextureDefinitionIDArray().Copy(ids);
}

CTextureDefinitionIDArray& CGraphicalMaterial::getWritableTextureDefinitionIDArray() {
    if (!m_textureDefinitionIDs) m_textureDefinitionIDs = std::make_unique<CTextureDefinitionIDArray>();
    return *m_textureDefinitionIDs;
}
