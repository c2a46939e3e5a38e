// Physically based materials for the renderer: a definition names a material and lists its
// attributes with their types; an instance carries a definition and a value per attribute. Both
// are stored on a plain archive, names and texts as strings only, so a name read back is always
// set: their equality compares the name's text, not whether it is set.
#pragma once

#include <map>
#include <optional>

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"
#include "kelvara/base/Values.h"

// Attribute names (unique) to texts in name order, with one read cursor (mutable: one walk at a
// time per map). The cursor remembers the last name handed out, so changing the map during a walk
// never leaves it dangling.
class CIRayAttributeMap {
public:
    CIRayAttributeMap() = default;
    CIRayAttributeMap(const CIRayAttributeMap& other) : m_entries(other.m_entries) {}
    CIRayAttributeMap& operator=(const CIRayAttributeMap& other) {
        m_entries = other.m_entries;
        m_cursor.reset();
        return *this;
    }

    unsigned int size() const noexcept { return static_cast<unsigned int>(m_entries.size()); }
    void set(const CString& name, const CString& text) { m_entries[name] = text; }  // insert or overwrite
    bool find(const IProjectString& name, CProjectString& text) const;  // text unchanged when absent
    void clear() noexcept;
    void begin() const noexcept { m_cursor.reset(); }
    bool next(CProjectString& name, CProjectString& text) const;  // false after the last

    bool operator==(const CIRayAttributeMap& other) const { return m_entries == other.m_entries; }
    // Count (32-bit unsigned), then each name and text in name order. Loading empties the map first
    // and inserts or overwrites each pair read.
    void Serialize(CArchive& ar);

private:
    std::map<CString, CString> m_entries;
    mutable std::optional<CString> m_cursor;
};

KELVARA_FORWARD(IRayMaterialDefinition)
KELVARA_INTERFACE_FAMILY(IRayMaterialDefinition)

class IIRayMaterialDefinition {
    KELVARA_INTERFACE(IRayMaterialDefinition)

public:
    using Self = IIRayMaterialDefinition;
    virtual ~IIRayMaterialDefinition() = default;

    virtual const CProjectString& getName() const = 0;
    virtual void setName(const IProjectString& name) = 0;
    virtual const CIRayAttributeMap& getAttributes() const = 0;

    void addAttr(const IProjectString& name, const IProjectString& type);  // insert or overwrite
    unsigned int getAttrCount() const { return getAttributes().size(); }
    void beginAttrIterator() const { getAttributes().begin(); }
    bool getNextAttr(CProjectString& name, CProjectString& type) const { return getAttributes().next(name, type); }
    bool findType(CProjectString& type, const IProjectString& name) const { return getAttributes().find(name, type); }

    void copyFrom(const IIRayMaterialDefinition& other);
    bool operator==(const IIRayMaterialDefinition& other) const;
    bool operator!=(const IIRayMaterialDefinition& other) const { return !(*this == other); }
    // The name, then the attributes (see CIRayAttributeMap).
    void Serialize(CArchive& ar);
    void generateIDs() {}  // nothing here has an identity

    template <class V>
    static void forEachField(V&& v) {
        v.value(kelvara::FieldInfo{"Name", "MANUAL", "CProjectString", "{}", 1, 0}, &Self::getName,
                &Self::getWritableName, kelvara::OwnDefaults{});
        v.value(kelvara::FieldInfo{"Attributes", "MANUAL", "CIRayAttributeMap", "{}", 1, 0}, &Self::getAttributes,
                &Self::getWritableAttributes, kelvara::OwnDefaults{});
    }

private:
    virtual CProjectString& getWritableName() = 0;
    virtual CIRayAttributeMap& getWritableAttributes() = 0;
};


KELVARA_FORWARD(IRayMaterialInstance)
KELVARA_INTERFACE_FAMILY(IRayMaterialInstance)

class IIRayMaterialInstance {
    KELVARA_INTERFACE(IRayMaterialInstance)

public:
    using Self = IIRayMaterialInstance;
    virtual ~IIRayMaterialInstance() = default;

    virtual CWrapperHandle<IIRayMaterialDefinition> getMaterialDefinition() const = 0;
    virtual const CIRayAttributeMap& getValues() const = 0;

    unsigned int getAttrValueCount() const { return getValues().size(); }
    void beginAttrValueIterator() const { getValues().begin(); }
    bool getNextAttrValue(CProjectString& name, CProjectString& value) const { return getValues().next(name, value); }
    bool findValue(CProjectString& value, const IProjectString& name) const { return getValues().find(name, value); }
    void addValueAttr(const IProjectString& name, const IProjectString& value);  // insert or overwrite

    void copyFrom(const IIRayMaterialInstance& other);
    bool operator==(const IIRayMaterialInstance& other) const;
    bool operator!=(const IIRayMaterialInstance& other) const { return !(*this == other); }
    // The definition's form, then the values (see CIRayAttributeMap).
    void Serialize(CArchive& ar);
    void generateIDs() {}

    template <class V>
    static void forEachField(V&& v) {
        v.value(kelvara::FieldInfo{"MaterialDefinition", "MANUAL", "IRayMaterialDefinition", "{}", 1, 0},
                &Self::getMaterialDefinition, &Self::getWritableMaterialDefinition, kelvara::OwnDefaults{});
        v.value(kelvara::FieldInfo{"Values", "MANUAL", "CIRayAttributeMap", "{}", 1, 0}, &Self::getValues,
                &Self::getWritableValues, kelvara::OwnDefaults{});
    }

private:
    virtual CWritableWrapperHandle<IIRayMaterialDefinition> getWritableMaterialDefinition() = 0;
    virtual CIRayAttributeMap& getWritableValues() = 0;
};

