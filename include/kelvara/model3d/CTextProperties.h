// The stored text appearance of an entity (see ITextProperties).
#pragma once

#include "kelvara/base/ISubdivisionByUniformSlices.h"
#include "kelvara/framework/Family.h"

class CTextProperties : public ITextProperties {
    KELVARA_OBJECT(TextProperties)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_TextProperties)

public:
    using ITextProperties::setTextAlignmentString;  // the text-pointer forms too
    using ITextProperties::setTextFontString;
    CTextProperties(const wchar_t* font, const wchar_t* alignment) : CTextProperties() {
        setTextFontString(font);
        setTextAlignmentString(alignment);
    }
    explicit CTextProperties(const ITextProperties& other) : CTextProperties() { copyFrom(other); }
    ~CTextProperties() override = default;
};

KELVARA_OBJECT_FAMILY(TextProperties)
