// Index maps over an entity forest, built on demand: from an entity identifier to the entity's
// parent (CMapEntity3DIDToParent) or to the entity itself (CMapEntity3DIDToEntity3D). The maps
// point into the tree they were built from and stay valid only while that tree is not changed;
// copies copy the entries (the pointers, not the entities).
//
// Entries are kept in one vector sorted by identifier (identifier order, as an ordered map
// iterates): building collects every entry in walk order and sorts once, keeping for each
// identifier the entry visited last, as inserting one by one with overwriting would. Walks use an
// explicit stack, so no tree depth exhausts the call stack. Lookups are const and safe from
// several threads once the map is built.
#pragma once

#include <utility>
#include <vector>

#include "kelvara/base/IEntity3D.h"

class CMapEntity3DIDToPointerBase {
public:
    struct Entry {
        CEntity3DID id;
        const IEntity3D* entity;
    };

    virtual ~CMapEntity3DIDToPointerBase() = default;
    virtual void buildMap(const IEntity3DArrayHandle& entities) = 0;

    int GetCount() const noexcept { return static_cast<int>(m_entries.size()); }
    bool IsEmpty() const noexcept { return m_entries.empty(); }
    void RemoveAll() noexcept { m_entries.clear(); }
    // Whether id has an entry (possibly one that maps to no entity, as a top-level entity's parent).
    bool Lookup(const CEntity3DID& id, const IEntity3D*& entity) const;
    // The entries in identifier order.
    const std::vector<Entry>& entries() const noexcept { return m_entries; }

protected:
    CMapEntity3DIDToPointerBase() = default;
    CMapEntity3DIDToPointerBase(const CMapEntity3DIDToPointerBase&) = default;
    CMapEntity3DIDToPointerBase& operator=(const CMapEntity3DIDToPointerBase&) = default;

    // Sets the entry of id (overwriting one that is there).
    void setAt(const CEntity3DID& id, const IEntity3D* entity);
    // A handle on what id maps to: empty for an invalid or null identifier, one not in the map, or
    // one mapped to nothing.
    IEntity3DHandle handleFor(const CEntity3DID& id) const;

    // Bulk building: entries collected in visit order, then sorted once (the last visit wins).
    std::vector<Entry> m_pending;
    void settlePending();

private:
    std::vector<Entry> m_entries;
};

class CMapEntity3DIDToParent : public CMapEntity3DIDToPointerBase {
public:
    CMapEntity3DIDToParent() = default;
    CMapEntity3DIDToParent(const CMapEntity3DIDToParent&) = default;
    CMapEntity3DIDToParent& operator=(const CMapEntity3DIDToParent&) = default;

    // Empties the map, then maps every entity of the forest with a valid, non-null identifier to
    // its parent (null for a top-level one): children first, then subdivision parts when the
    // entity has a subdivision, then the entity itself. A child under two parents maps to the one
    // visited last.
    void buildMap(const IEntity3DArrayHandle& entities) override;
    // Maps e to parent (whatever e's identifier), then adds e's subtree as buildMap does.
    void addEntityToMap(const IEntity3D& e, const IEntity3D* parent, bool flag = false);

    IEntity3DHandle getParent(const CEntity3DID& id) const { return handleFor(id); }
    // The parent's identifier, or the null identifier (all zeros) in every other case.
    const CEntity3DID& getParentID(const CEntity3DID& id) const;

private:
    void addEntitiesToMap(const IEntity3DArrayHandle& entities, const IEntity3D* parent, bool flag);
};

class CMapEntity3DIDToEntity3D : public CMapEntity3DIDToPointerBase {
public:
    // includeSubdivisionParts: whether subdivision parts are indexed beside the children.
    explicit CMapEntity3DIDToEntity3D(bool includeSubdivisionParts = false) : m_includeParts(includeSubdivisionParts) {}
    CMapEntity3DIDToEntity3D(const CMapEntity3DIDToEntity3D&) = default;
    CMapEntity3DIDToEntity3D& operator=(const CMapEntity3DIDToEntity3D&) = default;

    bool includesSubdivisionParts() const noexcept { return m_includeParts; }
    // Empties the map, then maps every entity of the forest (and, with the flag, every
    // subdivision part) to itself, parents before their children.
    void buildMap(const IEntity3DArrayHandle& entities) override;
    // Maps e and its subtree; always true.
    bool addEntityToMap(const IEntity3D& e);

    IEntity3DHandle getEntity3D(const CEntity3DID& id) const { return handleFor(id); }

private:
    void addEntitiesToMap(const IEntity3DArrayHandle& entities);

    bool m_includeParts;
};
