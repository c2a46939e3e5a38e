// The stored graphical image (see IGraphicalImage). A new one has a null identifier, unset texts
// and sizes, the format Unknown and no bytes.
#pragma once

#include "kelvara/base/IGraphicalImage.h"
#include "kelvara/framework/Family.h"

class CGraphicalImage : public IGraphicalImage {
    KELVARA_OBJECT(GraphicalImage)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_GraphicalImage)

public:
    ~CGraphicalImage() override = default;


private:
    void setData(const unsigned char* bytes, int n) override { m_ImageData.setData(bytes, n); }
};

KELVARA_ROOT_FAMILY(GraphicalImage)
