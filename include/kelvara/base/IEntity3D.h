// One object of the 3D model: a named node that may carry a placement, a material, text and line
// appearance, geometry, a subdivision into slices with the parts it yields, child entities, user
// field values, notes, attached documents and a renderer material. The model is a forest of them.
//
// Storage rules every operation keeps:
// - An absent transform or texture matrix is the identity: the setters never store an identity.
// - The imported name is held only while it differs from the name.
// - The child lists (sub-entities, subdivision parts, user field values, notes) exist only while
//   they hold something: every operation that leaves one empty releases it, and the getters answer
//   a null handle while there is none.
// - Entity trees are stored one level per two records (the entity and its list), so an archive
//   refuses a tree deeper than half its record depth limit, on storing and on loading alike.
#pragma once

#include <memory>

#include "kelvara/base/IGeometryArray.h"
#include "kelvara/base/IGraphicalMaterial.h"
#include "kelvara/base/IGraphicalTransform.h"
#include "kelvara/base/IIRayMaterial.h"
#include "kelvara/base/INote.h"
#include "kelvara/base/ISubdivisionByUniformSlices.h"
#include "kelvara/base/IUserFieldValue.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

// The name an entity had when it was imported, held only while it differs from the current name.
// Stored as a presence flag, then the text when present; equal when both are absent or both hold
// equal texts.
class CEntityImportedName {
public:
    CEntityImportedName() = default;
    CEntityImportedName(const CEntityImportedName& other)
        : m_text(other.m_text ? std::make_unique<CProjectString>(*other.m_text) : nullptr) {}
    CEntityImportedName& operator=(const CEntityImportedName& other) {
        if (this != &other) m_text = other.m_text ? std::make_unique<CProjectString>(*other.m_text) : nullptr;
        return *this;
    }
    CEntityImportedName(CEntityImportedName&&) noexcept = default;
    CEntityImportedName& operator=(CEntityImportedName&&) noexcept = default;

    const CProjectString* get() const noexcept { return m_text.get(); }
    void set(const CProjectString& text) {
        if (m_text) *m_text = text;
        else m_text = std::make_unique<CProjectString>(text);
    }
    void reset() noexcept { m_text.reset(); }

    bool operator==(const CEntityImportedName& other) const {
        if (!m_text || !other.m_text) return !m_text && !other.m_text;
        return *m_text == *other.m_text;
    }
    void Serialize(CKelvaraArchive& ar);

private:
    std::unique_ptr<CProjectString> m_text;
};

// The entity's own geometry as one stored value: absent, or one CGeometryArray it owns. Absent
// and empty are one state for copies and equality: a copy of an empty array is absent, and an
// empty array is stored as absent (a presence flag, then the array's record). Its operations are
// defined beside the entity, where the array's class is known.
class CGeometryArray;

class CEntityGeometries {
public:
    CEntityGeometries() = default;
    CEntityGeometries(const CEntityGeometries& other);
    CEntityGeometries& operator=(const CEntityGeometries& other);
    CEntityGeometries(CEntityGeometries&&) noexcept = default;
    CEntityGeometries& operator=(CEntityGeometries&&) noexcept = default;
    ~CEntityGeometries();

    CGeometryArray* get() const noexcept;
    const IGeometryArray* array() const noexcept { return m_array.get(); }
    // Takes array over (null clears); the previous array is released unless it is the same one.
    void adopt(CGeometryArray* array) noexcept;
    void reset() noexcept { m_array.reset(); }
    bool empty() const { return !m_array || m_array->IsEmpty(); }

    bool operator==(const CEntityGeometries& other) const;
    void Serialize(CKelvaraArchive& ar);

private:
    std::unique_ptr<IGeometryArray> m_array;
};

class IEntity3D : public CRecord<IEntity3D> {
    KELVARA_INTERFACE(Entity3D)

public:
    using Self = IEntity3D;
    static constexpr const char* kRecordName = "Entity3D";
    // Entity trees nest one level per two records (the entity and its list of children).
    static constexpr int kMaxTreeDepth = CKelvaraArchive::kMaxDepth / 2;

    // ---- identity and names ----
    virtual const CEntity3DID& getID() const = 0;
    virtual void setID(const CEntity3DID& id) = 0;
    virtual const CProjectString& getName() const = 0;
    // Sets the name and marks the entity exposed. The first rename of an entity without an
    // imported name remembers the previous name as the imported one; renaming back to the
    // imported name forgets it.
    virtual void setName(const CString& name) = 0;
    // The imported name, or the name when none is held.
    virtual const CProjectString& getNameOnImport() const = 0;
    // The imported name, or null when none is held.
    virtual const CProjectString* getExactNameOnImport() const = 0;
    // Holds name as the imported name, or holds none when name equals the current name. The
    // exposed flag is left alone.
    virtual void setNameOnImport(const CString& name) = 0;
    virtual const CProjectBool& getExposed() const = 0;
    virtual void setExposed(const CProjectBool& exposed) = 0;

    // ---- placement and appearance (an empty handle while absent) ----
    virtual IGraphicalTransformHandle getTransform() const = 0;
    virtual void setTransform(const IGraphicalTransform& transform) = 0;  // an identity clears
    virtual void clearTransform() = 0;
    virtual IGraphicalTransformHandle getTransformOnImport() const = 0;
    virtual void setTransformOnImport(const IGraphicalTransform& transform) = 0;  // always stored
    virtual void clearTransformOnImport() = 0;
    virtual IGraphicalTransformHandle getTextureMatrix() const = 0;
    virtual void setTextureMatrix(const IGraphicalTransform& matrix) = 0;  // an identity clears
    virtual void clearTextureMatrix() = 0;
    virtual IGraphicalMaterialHandle getMaterial() const = 0;
    virtual void setMaterial(const IGraphicalMaterial& material) = 0;
    virtual void clearMaterial() = 0;
    virtual ITextPropertiesHandle getTextProperties() const = 0;
    virtual void setTextProperties(const ITextProperties& properties) = 0;
    virtual void clearTextProperties() = 0;
    virtual ILinePropertiesHandle getLineProperties() const = 0;
    virtual void setLineProperties(const ILineProperties& properties) = 0;
    virtual void clearLineProperties() = 0;

    // ---- child entities ----
    // Copies h's elements in (repeated identifiers dropped); an empty or null h releases the list.
    // A handle on this entity's own list changes nothing.
    virtual void setSubEntities(const IEntity3DArrayHandle& h) = 0;
    virtual IEntity3DArrayHandle getSubEntities() const = 0;
    // Appends a copy and answers its position; -1 (nothing added) for an identifier already listed.
    virtual int addSubEntity(const IEntity3D& entity) = 0;
    virtual bool removeSubEntity(const CEntity3DID& id) = 0;
    virtual void removeAllSubEntities() = 0;
    // Copies entity onto the child with its identifier; false when there is none.
    virtual bool changeSubEntity(const IEntity3D& entity) = 0;
    // Takes over the object h holds (no copy), appended. False when refused: an empty handle, an
    // object that is not a CEntity3D, an identifier already listed, or this entity or one above it
    // (a cycle). A refused object stays the caller's.
    virtual bool attachSubEntity(IEntity3DWritableHandle h) = 0;
    // Takes the child out without destroying it; the caller owns it (delete it, or attach it
    // elsewhere). An empty handle when there is no such child.
    [[nodiscard]] virtual IEntity3DWritableHandle detachSubEntity(const CEntity3DID& id) = 0;
    // Children or subdivision parts to show.
    virtual bool hasEffectiveSubEntities() const = 0;
    // The subdivision parts when there are any, else the children (a null handle when neither).
    virtual IEntity3DArrayHandle getEffectiveSubEntities() const = 0;

    // ---- geometry ----
    // The geometry shown for this entity: its own geometry when it holds any, else null.
    const IGeometryArray* getEffectiveGeometries() const {
        const CEntityGeometries& held = getStoredGeometries();
        return held.empty() ? nullptr : held.array();
    }
    bool hasEffectiveGeometries() const { return getEffectiveGeometries() != nullptr; }
    virtual const CGeometryArray* getGeometries() const = 0;        // null while absent
    virtual CGeometryArray* getWritableGeometries() = 0;            // null while absent
    // The geometry array, created empty when absent; never replaces one that is held.
    virtual CGeometryArray& safeAllocateGeometries() = 0;
    // Replaces the geometry with g and takes ownership of g whatever the answer. A CGeometryArray
    // is adopted itself, another implementation is copied and released. An empty g is released
    // and leaves no geometry: the answer is false, as for a null g (which changes nothing). g the
    // array already held is kept as it is.
    virtual bool attachGeometries(IGeometryArray* g) = 0;
    virtual void clearGeometries() = 0;

    // ---- subdivision ----
    virtual ISubdivisionByUniformSlicesHandle getSubdivision() const = 0;
    virtual void setSubdivision(const ISubdivisionByUniformSlices& subdivision) = 0;
    virtual void clearSubdivision() = 0;
    bool hasSubdivision() const { return !getSubdivision().isNull(); }
    virtual ISubPartIndexHandle getSubPartIndex() const = 0;
    virtual void setSubPartIndex(const ISubPartIndex& index) = 0;
    virtual void clearSubPartIndex() = 0;
    bool hasSubPartIndex() const { return !getSubPartIndex().isNull(); }
    virtual IEntity3DArrayHandle getSubdivisionParts() const = 0;
    virtual void setSubdivisionParts(const IEntity3DArrayHandle& h) = 0;  // as setSubEntities
    virtual void removeAllSubdivisionParts() = 0;
    virtual int countSubdivisionParts() const = 0;
    bool hasSubdivisionParts() const { return countSubdivisionParts() > 0; }

    // ---- user field values (keyed by their field) ----
    virtual IUserFieldValueArrayHandle getUserFieldValues() const = 0;
    virtual void setUserFieldValues(const IUserFieldValueArrayHandle& h) = 0;
    // Adds a copy at index (-1 appends). False whenever nothing was added: another negative
    // index, an index above the count, or a field that already has a value here.
    virtual bool addUserFieldValue(const IUserFieldValue& value, int index) = 0;
    virtual bool changeUserFieldValue(const IUserFieldValue& value) = 0;
    virtual bool removeUserFieldValue(const CUserFieldID& id) = 0;
    virtual void removeAllUserFieldValues() = 0;
    int numberOfUserFieldValues() const { return getUserFieldValues().GetSize(); }

    // ---- notes ----
    virtual INoteArrayHandle getNotes() const = 0;
    virtual void setNotes(const INoteArrayHandle& h) = 0;
    // Adds a copy at index (-1 appends) and answers the stored note; an empty handle whenever
    // nothing was added (an index outside 0..count, an identifier already listed).
    virtual INoteHandle addNote(const INote& note, int index) = 0;
    virtual bool changeNote(const INote& note) = 0;
    virtual bool removeNote(const CNoteID& id) = 0;
    virtual void removeAllNotes() = 0;
    int numberOfNotes() const { return getNotes().GetSize(); }

    // ---- attached documents ----
    virtual const CDocumentFileIDArray& getDocumentFileIDs() const = 0;
    // Inserts id at index when 0 <= index <= count, else appends, and answers its position; -1,
    // with nothing inserted, when id is already attached.
    virtual int addDocumentFileID(const CDocumentFileID& id, int index) = 0;
    virtual bool removeDocumentFileID(const CDocumentFileID& id) = 0;
    virtual void removeAllDocumentFileIDs() = 0;
    // Whether id names this entity or any entity under it (children and subdivision parts, at any
    // depth). Walks without recursion.
    bool doesEntityContain(const CEntity3DID& id) const;

    // ---- renderer material ----
    virtual CWrapperHandle<IIRayMaterialInstance> getPhysicalMaterial() const = 0;
    virtual CWritableWrapperHandle<IIRayMaterialInstance> getWritablePhysicalMaterial() = 0;
    // Creates the instance when absent (keeps one that is held) and answers it.
    virtual CWritableWrapperHandle<IIRayMaterialInstance> allocatePhysicalMaterial() = 0;
    virtual void clearPhysicalMaterial() = 0;
    // A copy of *material, or no instance for null.
    void setPhysicalMaterial(const IIRayMaterialInstance* material) {
        if (!material) clearPhysicalMaterial();
        else (*allocatePhysicalMaterial()).copyFrom(*material);
    }

    // The stored fields, in stored order. The archive writes each child entity as its own record
    // inside its list's record.
    template <class V>
    static void forEachField(V&& v) {
        using kelvara::FieldInfo;
        using kelvara::OwnDefaults;
        v.value(FieldInfo{"ID", "IDENTITY", "CEntity3DID", "{}", 1, kelvara::kIdentityField}, &Self::getID,
                &Self::getWritableID, OwnDefaults{});
        v.value(FieldInfo{"Name", "MANUAL", "CProjectString", "{}", 1, 0}, &Self::getName, &Self::getWritableName,
                OwnDefaults{});
        v.value(FieldInfo{"NameOnImport", "MANUAL", "CEntityImportedName", "{}", 1, 0}, &Self::getStoredNameOnImport,
                &Self::getWritableNameOnImport, OwnDefaults{});
        v.value(FieldInfo{"Exposed", "VALUE", "CProjectBool", "false", 1, 0}, &Self::getExposed,
                &Self::getWritableExposed, OwnDefaults{});
        v.optional(FieldInfo{"Transform", "OPTIONAL", "GraphicalTransform", "{}", 1, 0}, &Self::getTransform,
                   &Self::allocateTransform, &Self::clearTransform);
        v.optional(FieldInfo{"TransformOnImport", "OPTIONAL", "GraphicalTransform", "{}", 1, 0},
                   &Self::getTransformOnImport, &Self::allocateTransformOnImport, &Self::clearTransformOnImport);
        v.optional(FieldInfo{"TextureMatrix", "OPTIONAL", "GraphicalTransform", "{}", 1, 0}, &Self::getTextureMatrix,
                   &Self::allocateTextureMatrix, &Self::clearTextureMatrix);
        v.optional(FieldInfo{"Material", "OPTIONAL", "GraphicalMaterial", "{}", 1, 0}, &Self::getMaterial,
                   &Self::allocateMaterial, &Self::clearMaterial);
        v.optional(FieldInfo{"TextProperties", "OPTIONAL", "TextProperties", "{}", 1, 0}, &Self::getTextProperties,
                   &Self::allocateTextProperties, &Self::clearTextProperties);
        v.optional(FieldInfo{"LineProperties", "OPTIONAL", "LineProperties", "{}", 1, 0}, &Self::getLineProperties,
                   &Self::allocateLineProperties, &Self::clearLineProperties);
        v.children(FieldInfo{"SubEntities", "LAZY", "Entity3D", "{}", 1, 0}, &Self::getSubEntitiesList);
        v.value(FieldInfo{"Geometries", "MANUAL", "CEntityGeometries", "{}", 1, 0}, &Self::getStoredGeometries,
                &Self::getWritableStoredGeometries, OwnDefaults{});
        v.optional(FieldInfo{"Subdivision", "OPTIONAL", "SubdivisionByUniformSlices", "{}", 1, 0},
                   &Self::getSubdivision, &Self::allocateSubdivision, &Self::clearSubdivision);
        v.optional(FieldInfo{"SubPartIndex", "OPTIONAL", "SubPartIndex", "{}", 1, 0}, &Self::getSubPartIndex,
                   &Self::allocateSubPartIndex, &Self::clearSubPartIndex);
        v.children(FieldInfo{"SubdivisionParts", "LAZY", "Entity3D", "{}", 1, 0}, &Self::getSubdivisionPartsList);
        v.children(FieldInfo{"UserFieldValues", "LAZY", "UserFieldValue", "{}", 1, 0}, &Self::getUserFieldValuesList);
        v.children(FieldInfo{"Notes", "LAZY", "Note", "{}", 1, 0}, &Self::getNotesList);
        v.value(FieldInfo{"DocumentFileIDs", "READONLY", "CDocumentFileIDArray", "{}", 1, 0},
                &Self::getDocumentFileIDs, &Self::getWritableDocumentFileIDs, OwnDefaults{});
        v.optional(FieldInfo{"PhysicalMaterial", "OPTIONAL", "IRayMaterialInstance", "{}", 1, 0},
                   &Self::getPhysicalMaterial, &Self::allocatePhysicalMaterial, &Self::clearPhysicalMaterial);
    }

protected:
    // Writable accessors of the optional members: an empty handle while absent, never allocating.
    virtual IGraphicalTransformWritableHandle getWritableTransform() = 0;
    virtual IGraphicalTransformWritableHandle getWritableTransformOnImport() = 0;
    virtual IGraphicalTransformWritableHandle getWritableTextureMatrix() = 0;
    virtual IGraphicalMaterialWritableHandle getWritableMaterial() = 0;
    virtual ITextPropertiesWritableHandle getWritableTextProperties() = 0;
    virtual ILinePropertiesWritableHandle getWritableLineProperties() = 0;
    virtual ISubdivisionByUniformSlicesWritableHandle getWritableSubdivision() = 0;
    virtual ISubPartIndexWritableHandle getWritableSubPartIndex() = 0;

    // Allocators: the member, created at its defaults when absent (one that is held is kept).
    virtual IGraphicalTransformWritableHandle allocateTransform() = 0;
    virtual IGraphicalTransformWritableHandle allocateTransformOnImport() = 0;
    virtual IGraphicalTransformWritableHandle allocateTextureMatrix() = 0;
    virtual IGraphicalMaterialWritableHandle allocateMaterial() = 0;
    virtual ITextPropertiesWritableHandle allocateTextProperties() = 0;
    virtual ILinePropertiesWritableHandle allocateLineProperties() = 0;
    virtual ISubdivisionByUniformSlicesWritableHandle allocateSubdivision() = 0;
    virtual ISubPartIndexWritableHandle allocateSubPartIndex() = 0;

    virtual CEntity3DID& getWritableID() = 0;
    virtual CProjectString& getWritableName() = 0;
    virtual CProjectBool& getWritableExposed() = 0;
    virtual CDocumentFileIDArray& getWritableDocumentFileIDs() = 0;

private:
    virtual const CEntityImportedName& getStoredNameOnImport() const = 0;
    virtual CEntityImportedName& getWritableNameOnImport() = 0;
    virtual const CEntityGeometries& getStoredGeometries() const = 0;
    virtual CEntityGeometries& getWritableStoredGeometries() = 0;
    // Handles that create the list on write and release it when a write leaves it empty.
    virtual IEntity3DArrayHandle getSubEntitiesList() const = 0;
    virtual IEntity3DArrayHandle getSubdivisionPartsList() const = 0;
    virtual IUserFieldValueArrayHandle getUserFieldValuesList() const = 0;
    virtual INoteArrayHandle getNotesList() const = 0;
};
