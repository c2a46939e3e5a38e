// The stored binary image (see IBinImage). A new one has a fresh identifier, an unset path, width 0
// and no bytes.
#pragma once

#include "kelvara/base/IBinImage.h"

class CBinImage : public IBinImage {
    KELVARA_OBJECT(BinImage)
    KELVARA_RECORD_MEMBERS(KELVARA_BINIMAGE_STORED_FIELDS)

public:
    CBinImage();
    ~CBinImage() override = default;

    const CBinImageContent& getContent() const override { return m_Content; }

private:
    CBinImageContent& getWritableContent() override { return m_Content; }

    CBinImageContent m_Content;
};

KELVARA_ROOT_FAMILY(BinImage, CBinImageID, false)
