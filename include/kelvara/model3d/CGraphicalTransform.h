// The stored placement transform (see IGraphicalTransform) and its array.
#pragma once

#include "kelvara/base/IGraphicalTransform.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/GraphicalPointerArray.h"

class CGraphicalTransform : public IGraphicalTransform {
    KELVARA_OBJECT(GraphicalTransform)

public:
    explicit CGraphicalTransform(const float* matrix);   // 16 floats; null gives the identity
    ~CGraphicalTransform() override = default;

    const float* getMatrix() const override { return m_Elements.data(); }
    void setMatrix(const float* matrix) override;
    void setToIdentity() override { m_Elements.setIdentity(); }
    float* getMatrix() override { return m_Elements.data(); }
    const CGraphicalTransform& getIdentityTransform() const override;
    void swapRows(int i, int j) override;
    const CGraphicalTransformMatrix& getElements() const override { return m_Elements; }

    void setAsScale(const CGraphicalVector3D& scale);
    void setAsTranslation(const CGraphicalVector3D& translation);
    // Rotations by an angle in degrees about the axis named.
    void setAsRotation_X(float degrees);
    void setAsRotation_Y(float degrees);
    void setAsRotation_Z(float degrees);
    // The inverse by cofactors in single precision; a determinant of exactly zero gives the
    // identity, any other (however small) the scaled adjugate. This transform is not changed.
    CGraphicalTransform getInverse() const;

private:
    void setAsRotationIn(int i, int j, float degrees);
    CGraphicalTransformMatrix& getWritableElements() override { return m_Elements; }

    CGraphicalTransformMatrix m_Elements;
};

KELVARA_OBJECT_FAMILY(GraphicalTransform)

// a × b: the identity when either gives no matrix.
CGraphicalTransform operator*(const IGraphicalTransform& a, const IGraphicalTransform& b);

class CGraphicalTransformArray
    : public kelvara::detail::CGraphicalPointerArray<IGraphicalTransformArray, IGraphicalTransform, CGraphicalTransform> {
public:
    CGraphicalTransformArray() = default;
    CGraphicalTransformArray(const CGraphicalTransformArray&) = default;
    CGraphicalTransformArray& operator=(const CGraphicalTransformArray&) = default;
    ~CGraphicalTransformArray() override = default;
};
