// The texture definitions of a project keyed by name.
#pragma once

#include "kelvara/model3d/CTextureDefinition.h"
#include "kelvara/model3d/NameKeyedMap.h"

class CMapNameToTextureDefinition : public kelvara::detail::CNameKeyedMap<ITextureDefinition, CTextureDefinition> {
public:
    // Record "CMapNameToTextureDefinition" ("CMapNameToString" in files before version 41).
    void Serialize(CKelvaraArchive& ar);
};

inline bool operator==(const CMapNameToTextureDefinition& a, const CMapNameToTextureDefinition& b) { return a.equals(b); }
inline bool operator!=(const CMapNameToTextureDefinition& a, const CMapNameToTextureDefinition& b) { return !a.equals(b); }
