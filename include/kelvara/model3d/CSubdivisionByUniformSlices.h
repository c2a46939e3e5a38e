// The stored subdivision of an entity into slices (see ISubdivisionByUniformSlices); its cutting
// polylines are a polyline geometry list held by value.
#pragma once

#include "kelvara/base/ISubdivisionByUniformSlices.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CGeometryArray.h"
#include "kelvara/model3d/CGraphicalTransform.h"

class CSubdivisionByUniformSlices : public ISubdivisionByUniformSlices {
    KELVARA_OBJECT(SubdivisionByUniformSlices)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_SubdivisionByUniformSlices)

public:
    ~CSubdivisionByUniformSlices() override = default;

    const IPolyLine3DArray& getPolylines() const override { return m_Polylines; }
    IPolyLine3DArray& getWritablePolylines() override { return m_Polylines; }

private:
    CPolyLine3DArray m_Polylines;
};

KELVARA_OBJECT_FAMILY(SubdivisionByUniformSlices)
