// The stored 3D entity (see IEntity3D). A new entity is empty: a null identifier, no name, not
// exposed, every optional member absent and every child list absent.
//
// Trees are destroyed without recursion, so an entity tree built in memory deeper than any archive
// would hold is still released safely.
#pragma once

#include <memory>

#include "kelvara/base/IEntity3D.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CGeometryArray.h"
#include "kelvara/model3d/CGraphicalMaterial.h"
#include "kelvara/model3d/CGraphicalTransform.h"
#include "kelvara/model3d/CIRayMaterial.h"
#include "kelvara/model3d/CLineProperties.h"
#include "kelvara/model3d/CSubPartIndex.h"
#include "kelvara/model3d/CSubdivisionByUniformSlices.h"
#include "kelvara/model3d/CTextProperties.h"
#include "kelvara/people/CNote.h"
#include "kelvara/schedule/CUserFieldValue.h"

namespace kelvara::detail {

// Handles on an owned optional member: empty while it is absent; the allocating form creates it.
template <class C>
auto handleOn(const std::unique_ptr<C>& member) {
    using Handle = decltype(std::declval<const C&>().getHandle());
    return member ? member->getHandle() : Handle();
}
template <class C>
auto writableOn(const std::unique_ptr<C>& member) {
    using Handle = decltype(std::declval<C&>().getWritableHandle());
    return member ? member->getWritableHandle() : Handle();
}
template <class C>
auto allocateOn(std::unique_ptr<C>& member) {
    if (!member) member = std::make_unique<C>();
    return member->getWritableHandle();
}

}  // namespace kelvara::detail

class CEntity3D : public IEntity3D {
    KELVARA_OBJECT(Entity3D)

public:
    ~CEntity3D() override;

    const CEntity3DID& getID() const override { return m_ID; }
    void setID(const CEntity3DID& id) override { m_ID = id; }
    const CProjectString& getName() const override { return m_Name; }
    void setName(const CString& name) override;
    const CProjectString& getNameOnImport() const override;
    const CProjectString* getExactNameOnImport() const override { return m_NameOnImport.get(); }
    void setNameOnImport(const CString& name) override;
    const CProjectBool& getExposed() const override { return m_Exposed; }
    void setExposed(const CProjectBool& exposed) override { m_Exposed = exposed; }

    IGraphicalTransformHandle getTransform() const override { return kelvara::detail::handleOn(m_Transform); }
    void setTransform(const IGraphicalTransform& transform) override { setUnlessIdentity(m_Transform, transform); }
    void clearTransform() override { m_Transform.reset(); }
    IGraphicalTransformHandle getTransformOnImport() const override { return kelvara::detail::handleOn(m_TransformOnImport); }
    void setTransformOnImport(const IGraphicalTransform& transform) override { (*allocateTransformOnImport()).copyFrom(transform); }
    void clearTransformOnImport() override { m_TransformOnImport.reset(); }
    IGraphicalTransformHandle getTextureMatrix() const override { return kelvara::detail::handleOn(m_TextureMatrix); }
    void setTextureMatrix(const IGraphicalTransform& matrix) override { setUnlessIdentity(m_TextureMatrix, matrix); }
    void clearTextureMatrix() override { m_TextureMatrix.reset(); }
    IGraphicalMaterialHandle getMaterial() const override { return kelvara::detail::handleOn(m_Material); }
    void setMaterial(const IGraphicalMaterial& material) override { (*allocateMaterial()).copyFrom(material); }
    void clearMaterial() override { m_Material.reset(); }
    ITextPropertiesHandle getTextProperties() const override { return kelvara::detail::handleOn(m_TextProperties); }
    void setTextProperties(const ITextProperties& properties) override { (*allocateTextProperties()).copyFrom(properties); }
    void clearTextProperties() override { m_TextProperties.reset(); }
    ILinePropertiesHandle getLineProperties() const override { return kelvara::detail::handleOn(m_LineProperties); }
    void setLineProperties(const ILineProperties& properties) override { (*allocateLineProperties()).copyFrom(properties); }
    void clearLineProperties() override { m_LineProperties.reset(); }

    void setSubEntities(const IEntity3DArrayHandle& h) override { getSubEntitiesList().copyFrom(h); }
    IEntity3DArrayHandle getSubEntities() const override;
    int addSubEntity(const IEntity3D& entity) override;
    bool removeSubEntity(const CEntity3DID& id) override;
    void removeAllSubEntities() override;
    bool changeSubEntity(const IEntity3D& entity) override;
    bool attachSubEntity(IEntity3DWritableHandle h) override;
    [[nodiscard]] IEntity3DWritableHandle detachSubEntity(const CEntity3DID& id) override;
    bool hasEffectiveSubEntities() const override;
    IEntity3DArrayHandle getEffectiveSubEntities() const override;

    const CGeometryArray* getGeometries() const override { return m_Geometries.get(); }
    CGeometryArray* getWritableGeometries() override { return m_Geometries.get(); }
    CGeometryArray& safeAllocateGeometries() override;
    bool attachGeometries(IGeometryArray* g) override;
    void clearGeometries() override { m_Geometries.reset(); }

    ISubdivisionByUniformSlicesHandle getSubdivision() const override { return kelvara::detail::handleOn(m_Subdivision); }
    void setSubdivision(const ISubdivisionByUniformSlices& subdivision) override {
        (*allocateSubdivision()).copyFrom(subdivision);
    }
    void clearSubdivision() override { m_Subdivision.reset(); }
    ISubPartIndexHandle getSubPartIndex() const override { return kelvara::detail::handleOn(m_SubPartIndex); }
    void setSubPartIndex(const ISubPartIndex& index) override { (*allocateSubPartIndex()).copyFrom(index); }
    void clearSubPartIndex() override { m_SubPartIndex.reset(); }
    IEntity3DArrayHandle getSubdivisionParts() const override;
    void setSubdivisionParts(const IEntity3DArrayHandle& h) override { getSubdivisionPartsList().copyFrom(h); }
    void removeAllSubdivisionParts() override;
    int countSubdivisionParts() const override;

    IUserFieldValueArrayHandle getUserFieldValues() const override;
    void setUserFieldValues(const IUserFieldValueArrayHandle& h) override { getUserFieldValuesList().copyFrom(h); }
    bool addUserFieldValue(const IUserFieldValue& value, int index) override;
    bool changeUserFieldValue(const IUserFieldValue& value) override;
    bool removeUserFieldValue(const CUserFieldID& id) override;
    void removeAllUserFieldValues() override { m_UserFieldValues.reset(); }

    INoteArrayHandle getNotes() const override;
    void setNotes(const INoteArrayHandle& h) override { getNotesList().copyFrom(h); }
    INoteHandle addNote(const INote& note, int index) override;
    bool changeNote(const INote& note) override;
    bool removeNote(const CNoteID& id) override;
    void removeAllNotes() override { m_Notes.reset(); }

    const CDocumentFileIDArray& getDocumentFileIDs() const override { return m_DocumentFileIDs; }
    int addDocumentFileID(const CDocumentFileID& id, int index) override;
    bool removeDocumentFileID(const CDocumentFileID& id) override;
    void removeAllDocumentFileIDs() override { m_DocumentFileIDs.RemoveAll(); }

    CWrapperHandle<IIRayMaterialInstance> getPhysicalMaterial() const override;
    CWritableWrapperHandle<IIRayMaterialInstance> getWritablePhysicalMaterial() override;
    CWritableWrapperHandle<IIRayMaterialInstance> allocatePhysicalMaterial() override;
    void clearPhysicalMaterial() override { m_PhysicalMaterial.reset(); }

    // Takes other's texture matrix and material where this entity has none; an empty handle, or
    // members this entity holds, change nothing.
    void ReplaceEmptyMaterialFromOtherEntity(const IEntity3DHandle& other);

protected:
    IGraphicalTransformWritableHandle getWritableTransform() override { return kelvara::detail::writableOn(m_Transform); }
    IGraphicalTransformWritableHandle getWritableTransformOnImport() override { return kelvara::detail::writableOn(m_TransformOnImport); }
    IGraphicalTransformWritableHandle getWritableTextureMatrix() override { return kelvara::detail::writableOn(m_TextureMatrix); }
    IGraphicalMaterialWritableHandle getWritableMaterial() override { return kelvara::detail::writableOn(m_Material); }
    ITextPropertiesWritableHandle getWritableTextProperties() override { return kelvara::detail::writableOn(m_TextProperties); }
    ILinePropertiesWritableHandle getWritableLineProperties() override { return kelvara::detail::writableOn(m_LineProperties); }
    ISubdivisionByUniformSlicesWritableHandle getWritableSubdivision() override {
        return kelvara::detail::writableOn(m_Subdivision);
    }
    ISubPartIndexWritableHandle getWritableSubPartIndex() override { return kelvara::detail::writableOn(m_SubPartIndex); }

    IGraphicalTransformWritableHandle allocateTransform() override { return kelvara::detail::allocateOn(m_Transform); }
    IGraphicalTransformWritableHandle allocateTransformOnImport() override { return kelvara::detail::allocateOn(m_TransformOnImport); }
    IGraphicalTransformWritableHandle allocateTextureMatrix() override { return kelvara::detail::allocateOn(m_TextureMatrix); }
    IGraphicalMaterialWritableHandle allocateMaterial() override { return kelvara::detail::allocateOn(m_Material); }
    ITextPropertiesWritableHandle allocateTextProperties() override { return kelvara::detail::allocateOn(m_TextProperties); }
    ILinePropertiesWritableHandle allocateLineProperties() override { return kelvara::detail::allocateOn(m_LineProperties); }
    ISubdivisionByUniformSlicesWritableHandle allocateSubdivision() override {
        return kelvara::detail::allocateOn(m_Subdivision);
    }
    ISubPartIndexWritableHandle allocateSubPartIndex() override { return kelvara::detail::allocateOn(m_SubPartIndex); }

    CEntity3DID& getWritableID() override { return m_ID; }
    CProjectString& getWritableName() override { return m_Name; }
    CProjectBool& getWritableExposed() override { return m_Exposed; }
    CDocumentFileIDArray& getWritableDocumentFileIDs() override { return m_DocumentFileIDs; }

private:
    const CEntityImportedName& getStoredNameOnImport() const override { return m_NameOnImport; }
    CEntityImportedName& getWritableNameOnImport() override { return m_NameOnImport; }
    const CEntityGeometries& getStoredGeometries() const override { return m_Geometries; }
    CEntityGeometries& getWritableStoredGeometries() override { return m_Geometries; }
    IEntity3DArrayHandle getSubEntitiesList() const override;
    IEntity3DArrayHandle getSubdivisionPartsList() const override;
    IUserFieldValueArrayHandle getUserFieldValuesList() const override;
    INoteArrayHandle getNotesList() const override;

    static void setUnlessIdentity(std::unique_ptr<CGraphicalTransform>& member, const IGraphicalTransform& t);

    CEntity3DID m_ID;
    CProjectString m_Name;
    CEntityImportedName m_NameOnImport;
    CProjectBool m_Exposed;
    std::unique_ptr<CGraphicalTransform> m_Transform;
    std::unique_ptr<CGraphicalTransform> m_TransformOnImport;
    std::unique_ptr<CGraphicalTransform> m_TextureMatrix;
    std::unique_ptr<CGraphicalMaterial> m_Material;
    std::unique_ptr<CTextProperties> m_TextProperties;
    std::unique_ptr<CLineProperties> m_LineProperties;
    std::unique_ptr<CEntity3DArray> m_SubEntities;
    CEntityGeometries m_Geometries;
    std::unique_ptr<CSubdivisionByUniformSlices> m_Subdivision;
    std::unique_ptr<CSubPartIndex> m_SubPartIndex;
    std::unique_ptr<CEntity3DArray> m_SubdivisionParts;
    std::unique_ptr<CUserFieldValueArray> m_UserFieldValues;
    std::unique_ptr<CNoteArray> m_Notes;
    CDocumentFileIDArray m_DocumentFileIDs;
    std::unique_ptr<CIRayMaterialInstance> m_PhysicalMaterial;
};

KELVARA_ROOT_FAMILY(Entity3D)
