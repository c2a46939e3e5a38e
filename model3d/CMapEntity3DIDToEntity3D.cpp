// The index maps' walks (with an explicit stack) and their sorted storage.
#include "kelvara/model3d/CMapEntity3DIDToEntity3D.h"

#include <algorithm>

#include "kelvara/model3d/CEntity3D.h"

namespace {

using Entry = CMapEntity3DIDToPointerBase::Entry;

bool keyLess(const CIDBase& a, const CIDBase& b) noexcept {
    const auto ah = a.orderKeyHigh(), bh = b.orderKeyHigh();
    return ah != bh ? ah < bh : a.orderKeyLow() < b.orderKeyLow();
}

bool usable(const CEntity3DID& id) noexcept { return id.isValid() && !id.isNULL(); }

// Where a walk stands in one list: the element at index, and how far its visit has gone
// (0: nothing done, 1: children done, 2: subdivision parts done).
struct Frame {
    IEntity3DArrayHandle list;
    int index;
    const IEntity3D* parent;
    int stage;
    const IEntity3D* current;
};

// Visits every element of the lists below (and including) start, depth first in list order.
// onElement(e, parent, stage) is called at stage 0 (before e's children) and at stage 2 (after
// them and after its subdivision parts); parts(e) says whether e's subdivision parts are walked.
template <class OnElement, class Parts>
void walk(const IEntity3DArrayHandle& start, const IEntity3D* parent, OnElement onElement, Parts parts) {
    std::vector<Frame> frames;
    frames.push_back({start, 0, parent, 0, nullptr});
    while (!frames.empty()) {
        const std::size_t top = frames.size() - 1;
        Frame& f = frames[top];
        if (f.index >= f.list.GetSize()) {
            frames.pop_back();
            continue;
        }
        if (f.stage == 0) {
            const IEntity3DHandle element = f.list[f.index];
            f.current = element.get();
            if (!f.current) {
                ++f.index;
                continue;
            }
            onElement(*f.current, f.parent, 0);
            f.stage = 1;
            IEntity3DArrayHandle children = f.current->getSubEntities();
            if (children.GetSize() > 0) frames.push_back({std::move(children), 0, frames[top].current, 0, nullptr});
            continue;
        }
        if (f.stage == 1) {
            f.stage = 2;
            if (parts(*f.current)) {
                IEntity3DArrayHandle list = f.current->getSubdivisionParts();
                if (list.GetSize() > 0) frames.push_back({std::move(list), 0, frames[top].current, 0, nullptr});
            }
            continue;
        }
        onElement(*f.current, f.parent, 2);
        ++f.index;
        f.stage = 0;
    }
}

}  // namespace

bool CMapEntity3DIDToPointerBase::Lookup(const CEntity3DID& id, const IEntity3D*& entity) const {
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), id,
                                     [](const Entry& e, const CEntity3DID& key) { return keyLess(e.id, key); });
    if (at == m_entries.end() || at->id != id) return false;
    entity = at->entity;
    return true;
}

void CMapEntity3DIDToPointerBase::setAt(const CEntity3DID& id, const IEntity3D* entity) {
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), id,
                                     [](const Entry& e, const CEntity3DID& key) { return keyLess(e.id, key); });
    if (at != m_entries.end() && at->id == id) at->entity = entity;
    else m_entries.insert(at, Entry{id, entity});
}

// The pending entries follow the stored ones in visit order; for each identifier the last one
// visited stays.
void CMapEntity3DIDToPointerBase::settlePending() {
    if (m_pending.empty()) return;
    if (m_pending.size() < 16 && !m_entries.empty()) {
        for (const Entry& e : m_pending) setAt(e.id, e.entity);
        m_pending.clear();
        return;
    }
    std::vector<Entry> all;
    all.reserve(m_entries.size() + m_pending.size());
    all.insert(all.end(), m_entries.begin(), m_entries.end());
    all.insert(all.end(), m_pending.begin(), m_pending.end());
    m_pending.clear();
    m_pending.shrink_to_fit();
    std::stable_sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) { return keyLess(a.id, b.id); });
    std::size_t out = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i + 1 < all.size() && all[i + 1].id == all[i].id) continue;  // a later visit follows
        all[out++] = all[i];
    }
    all.resize(out);
    all.shrink_to_fit();
    m_entries.swap(all);
}

IEntity3DHandle CMapEntity3DIDToPointerBase::handleFor(const CEntity3DID& id) const {
    const IEntity3D* entity = nullptr;
    if (!usable(id) || !Lookup(id, entity) || !entity) return IEntity3DHandle();
    return entity->getHandle();
}

// ---- parents ----

void CMapEntity3DIDToParent::buildMap(const IEntity3DArrayHandle& entities) {
    RemoveAll();
    addEntitiesToMap(entities, nullptr, false);
}

void CMapEntity3DIDToParent::addEntitiesToMap(const IEntity3DArrayHandle& entities, const IEntity3D* parent, bool) {
    walk(
        entities, parent,
        [this](const IEntity3D& e, const IEntity3D* p, int stage) {
            if (stage == 2 && usable(e.getID())) m_pending.push_back({e.getID(), p});
        },
        [](const IEntity3D& e) { return e.hasSubdivision(); });
    settlePending();
}

void CMapEntity3DIDToParent::addEntityToMap(const IEntity3D& e, const IEntity3D* parent, bool flag) {
    m_pending.push_back({e.getID(), parent});
    settlePending();
    addEntitiesToMap(e.getSubEntities(), &e, flag);
    if (e.hasSubdivision()) addEntitiesToMap(e.getSubdivisionParts(), &e, flag);
}

const CEntity3DID& CMapEntity3DIDToParent::getParentID(const CEntity3DID& id) const {
    const IEntity3D* parent = nullptr;
    if (!usable(id) || !Lookup(id, parent) || !parent) return CEntity3DID::getNullID();
    return parent->getID();
}

// ---- entities ----

void CMapEntity3DIDToEntity3D::buildMap(const IEntity3DArrayHandle& entities) {
    RemoveAll();
    addEntitiesToMap(entities);
}

void CMapEntity3DIDToEntity3D::addEntitiesToMap(const IEntity3DArrayHandle& entities) {
    walk(
        entities, nullptr,
        [this](const IEntity3D& e, const IEntity3D*, int stage) {
            if (stage == 0) m_pending.push_back({e.getID(), &e});
        },
        [this](const IEntity3D&) { return m_includeParts; });
    settlePending();
}

bool CMapEntity3DIDToEntity3D::addEntityToMap(const IEntity3D& e) {
    m_pending.push_back({e.getID(), &e});
    settlePending();
    addEntitiesToMap(e.getSubEntities());
    if (m_includeParts) addEntitiesToMap(e.getSubdivisionParts());
    return true;
}
