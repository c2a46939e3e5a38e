// The stored renderer material definition and instance (see IIRayMaterial.h).
#pragma once

#include "kelvara/base/IIRayMaterial.h"
#include "kelvara/framework/Family.h"

class CIRayMaterialDefinition : public IIRayMaterialDefinition {
    KELVARA_OBJECT(IRayMaterialDefinition)

public:
    ~CIRayMaterialDefinition() override = default;

    const CProjectString& getName() const override { return m_name; }
    void setName(const IProjectString& name) override { m_name = name; }
    const CIRayAttributeMap& getAttributes() const override { return m_attributes; }

private:
    CProjectString& getWritableName() override { return m_name; }
    CIRayAttributeMap& getWritableAttributes() override { return m_attributes; }

    CProjectString m_name;
    CIRayAttributeMap m_attributes;  // name to type
};

KELVARA_OBJECT_FAMILY_AS(IRayMaterialDefinition)

class CIRayMaterialInstance : public IIRayMaterialInstance {
    KELVARA_OBJECT(IRayMaterialInstance)

public:
    explicit CIRayMaterialInstance(const CIRayMaterialDefinition& definition) { m_definition.copyFrom(definition); }
    ~CIRayMaterialInstance() override = default;

    CWrapperHandle<IIRayMaterialDefinition> getMaterialDefinition() const override { return m_definition.getHandle(); }
    const CIRayAttributeMap& getValues() const override { return m_values; }

private:
    CWritableWrapperHandle<IIRayMaterialDefinition> getWritableMaterialDefinition() override { return m_definition.getWritableHandle(); }
    CIRayAttributeMap& getWritableValues() override { return m_values; }

    CIRayMaterialDefinition m_definition;
    CIRayAttributeMap m_values;  // name to value
};

KELVARA_OBJECT_FAMILY_AS(IRayMaterialInstance)
