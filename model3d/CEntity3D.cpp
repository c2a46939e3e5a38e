// The entity's own behaviour: naming, the identity rule of its transforms, its lazily held child
// lists, geometry adoption and the queries over its subtree.
#include "kelvara/model3d/CEntity3D.h"

#include <vector>

#include "kelvara/framework/IdentifierLists.h"
#include "kelvara/framework/LazyLists.h"
#include "kelvara/framework/Trees.h"

KELVARA_DEFINE_KIND(Entity3D)

namespace {

using LazyEntities = KELVARA_LAZY_HANDLE_(Entity3D);
using LazyUserFieldValues = KELVARA_LAZY_HANDLE_(UserFieldValue);
using LazyNotes = KELVARA_LAZY_HANDLE_(Note);

// Moves every entity of list out onto pending, so that the list's destruction recurses no further.
void moveOut(std::unique_ptr<CEntity3DArray>& list, std::vector<IEntity3D*>& pending) {
    if (!list) return;
    while (list->GetSize() > 0) pending.push_back(list->DetachNoSort(list->GetUpperBound()));
    list.reset();
}

}  // namespace

void CEntityImportedName::Serialize(CKelvaraArchive& ar) {
    bool present = m_text != nullptr;
    if (ar.IsStoring()) {
        ar << present;
        if (present) m_text->Serialize(ar);
        return;
    }
    ar >> present;
    if (!present) {
        m_text.reset();
        return;
    }
    auto text = std::make_unique<CProjectString>();
    text->Serialize(ar);
    m_text = std::move(text);
}

CEntityGeometries::CEntityGeometries(const CEntityGeometries& other) {
    if (!other.empty()) m_array = std::make_unique<CGeometryArray>(*other.get());
}

CEntityGeometries& CEntityGeometries::operator=(const CEntityGeometries& other) {
    if (this == &other) return *this;
    m_array = other.empty() ? nullptr : std::make_unique<CGeometryArray>(*other.get());
    return *this;
}

CEntityGeometries::~CEntityGeometries() = default;

CGeometryArray* CEntityGeometries::get() const noexcept { return static_cast<CGeometryArray*>(m_array.get()); }

void CEntityGeometries::adopt(CGeometryArray* array) noexcept {
    if (array != m_array.get()) m_array.reset(array);
}

bool CEntityGeometries::operator==(const CEntityGeometries& other) const {
    if (empty() || other.empty()) return empty() && other.empty();
    return *m_array == *other.m_array;
}

void CEntityGeometries::Serialize(CKelvaraArchive& ar) {
    bool present = !empty();
    if (ar.IsStoring()) {
        ar << present;
        if (present) m_array->Serialize(ar);
        return;
    }
    ar >> present;
    if (!present) {
        m_array.reset();
        return;
    }
    auto loaded = std::make_unique<CGeometryArray>();
    loaded->Serialize(ar);
    m_array = std::move(loaded);
}

// A deep tree is taken apart level by level onto a work list instead of through nested
// destructors, so no depth can exhaust the stack.
CEntity3D::~CEntity3D() {
    if (!m_SubEntities && !m_SubdivisionParts) return;
    std::vector<IEntity3D*> pending;
    moveOut(m_SubEntities, pending);
    moveOut(m_SubdivisionParts, pending);
    while (!pending.empty()) {
        auto* entity = static_cast<CEntity3D*>(pending.back());
        pending.pop_back();
        moveOut(entity->m_SubEntities, pending);
        moveOut(entity->m_SubdivisionParts, pending);
        delete entity;
    }
}

void CEntity3D::setName(const CString& name) {
    const CProjectString previous = m_Name;
    m_Name = CProjectString(name);
    const CProjectString* imported = m_NameOnImport.get();
    if (imported) {
        if (*imported == m_Name) m_NameOnImport.reset();
    } else if (!(previous == m_Name)) {
        m_NameOnImport.set(previous);
    }
    m_Exposed = CProjectBool(true);
}

const CProjectString& CEntity3D::getNameOnImport() const {
    const CProjectString* imported = m_NameOnImport.get();
    return imported ? *imported : m_Name;
}

void CEntity3D::setNameOnImport(const CString& name) {
    const CProjectString text(name);
    if (text == m_Name) m_NameOnImport.reset();
    else m_NameOnImport.set(text);
}

void CEntity3D::setUnlessIdentity(std::unique_ptr<CGraphicalTransform>& member, const IGraphicalTransform& t) {
    if (t.isIdentityTransform()) {
        member.reset();
        return;
    }
    if (!member) member = std::make_unique<CGraphicalTransform>();
    member->copyFrom(t);
}

// ---- child entities ----

IEntity3DArrayHandle CEntity3D::getSubEntitiesList() const { return IEntity3DArrayHandle(new LazyEntities(&m_SubEntities)); }
IEntity3DArrayHandle CEntity3D::getSubEntities() const {
    return m_SubEntities ? getSubEntitiesList() : IEntity3DArrayHandle();
}

int CEntity3D::addSubEntity(const IEntity3D& entity) {
    const int position = kelvara::detail::allocateList(m_SubEntities).Add(entity);
    kelvara::detail::releaseListIfEmpty(m_SubEntities);
    return position;
}

bool CEntity3D::removeSubEntity(const CEntity3DID& id) {
    if (!m_SubEntities) return false;
    const int position = m_SubEntities->findByID(id);
    if (position < 0) return false;
    // Detached before it is destroyed, so its own subtree goes through the non-recursive release.
    delete m_SubEntities->Detach(position);
    kelvara::detail::releaseListIfEmpty(m_SubEntities);
    return true;
}

void CEntity3D::removeAllSubEntities() {
    std::vector<IEntity3D*> pending;
    moveOut(m_SubEntities, pending);
    for (IEntity3D* entity : pending) delete entity;
}

bool CEntity3D::changeSubEntity(const IEntity3D& entity) {
    return m_SubEntities && m_SubEntities->changeElement(entity);
}

bool CEntity3D::attachSubEntity(IEntity3DWritableHandle h) {
    auto* concrete = dynamic_cast<CEntity3D*>(h.get());
    if (!concrete) return false;
    if (kelvara::detail::inSubtree<IEntity3D>(*concrete, this, &IEntity3D::getSubEntities)) return false;
    CEntity3DArray& list = kelvara::detail::allocateList(m_SubEntities);
    const int before = list.GetSize();
    list.Attach(before, concrete);
    const bool attached = list.GetSize() > before;
    kelvara::detail::releaseListIfEmpty(m_SubEntities);
    return attached;
}

IEntity3DWritableHandle CEntity3D::detachSubEntity(const CEntity3DID& id) {
    if (!m_SubEntities) return IEntity3DWritableHandle();
    IEntity3D* entity = m_SubEntities->Detach(id);
    kelvara::detail::releaseListIfEmpty(m_SubEntities);
    return entity ? entity->getWritableHandle() : IEntity3DWritableHandle();
}

bool CEntity3D::hasEffectiveSubEntities() const {
    return (m_SubEntities && m_SubEntities->GetSize() > 0) || countSubdivisionParts() > 0;
}

IEntity3DArrayHandle CEntity3D::getEffectiveSubEntities() const {
    if (countSubdivisionParts() > 0) return getSubdivisionPartsList();
    return getSubEntities();
}

// ---- geometry ----

CGeometryArray& CEntity3D::safeAllocateGeometries() {
    if (!m_Geometries.get()) m_Geometries.adopt(new CGeometryArray());
    return *m_Geometries.get();
}

// The entity owns g from here on, whatever the answer. The array it already holds is kept as it is:
// releasing it first would leave g dangling.
bool CEntity3D::attachGeometries(IGeometryArray* g) {
    if (!g) return false;
    if (g == m_Geometries.array()) return !g->IsEmpty();
    m_Geometries.reset();
    if (g->IsEmpty()) {
        delete g;
        return false;
    }
    if (auto* stored = dynamic_cast<CGeometryArray*>(g)) {
        m_Geometries.adopt(stored);
        return true;
    }
    std::unique_ptr<IGeometryArray> foreign(g);
    auto copy = std::make_unique<CGeometryArray>();
    copy->copyFrom(*foreign);
    m_Geometries.adopt(copy.release());
    return true;
}

// ---- subdivision parts ----

IEntity3DArrayHandle CEntity3D::getSubdivisionPartsList() const {
    return IEntity3DArrayHandle(new LazyEntities(&m_SubdivisionParts));
}
IEntity3DArrayHandle CEntity3D::getSubdivisionParts() const {
    return m_SubdivisionParts ? getSubdivisionPartsList() : IEntity3DArrayHandle();
}

void CEntity3D::removeAllSubdivisionParts() {
    std::vector<IEntity3D*> pending;
    moveOut(m_SubdivisionParts, pending);
    for (IEntity3D* entity : pending) delete entity;
}

int CEntity3D::countSubdivisionParts() const { return m_SubdivisionParts ? m_SubdivisionParts->GetSize() : 0; }

// ---- user field values ----

IUserFieldValueArrayHandle CEntity3D::getUserFieldValuesList() const {
    return IUserFieldValueArrayHandle(new LazyUserFieldValues(&m_UserFieldValues));
}
IUserFieldValueArrayHandle CEntity3D::getUserFieldValues() const {
    return m_UserFieldValues ? getUserFieldValuesList() : IUserFieldValueArrayHandle();
}

// A refused first value leaves no empty list. The answer is whether the list took the value:
// inserting a field that already has a value takes nothing.
bool CEntity3D::addUserFieldValue(const IUserFieldValue& value, int index) {
    return kelvara::detail::addToLazyList(m_UserFieldValues, value, index) != nullptr;
}

bool CEntity3D::changeUserFieldValue(const IUserFieldValue& value) {
    return kelvara::detail::changeInLazyList(m_UserFieldValues, value);
}

bool CEntity3D::removeUserFieldValue(const CUserFieldID& id) {
    return kelvara::detail::removeFromLazyList(m_UserFieldValues, id);
}

// ---- notes ----

INoteArrayHandle CEntity3D::getNotesList() const { return INoteArrayHandle(new LazyNotes(&m_Notes)); }
INoteArrayHandle CEntity3D::getNotes() const { return m_Notes ? getNotesList() : INoteArrayHandle(); }

// The indexed Add answers null whenever nothing was inserted (an index outside 0..count, an
// identifier already listed), never another note or a shared default one.
INoteHandle CEntity3D::addNote(const INote& note, int index) {
    CNote* added = kelvara::detail::addToLazyList(m_Notes, note, index);
    return added ? added->getHandle() : INoteHandle();
}

bool CEntity3D::changeNote(const INote& note) { return kelvara::detail::changeInLazyList(m_Notes, note); }

bool CEntity3D::removeNote(const CNoteID& id) { return kelvara::detail::removeFromLazyList(m_Notes, id); }

// ---- documents ----

int CEntity3D::addDocumentFileID(const CDocumentFileID& id, int index) {
    return kelvara::detail::placeIdentifier(m_DocumentFileIDs, id, index);
}

bool CEntity3D::removeDocumentFileID(const CDocumentFileID& id) { return m_DocumentFileIDs.Remove(id); }

// ---- renderer material ----

CWrapperHandle<IIRayMaterialInstance> CEntity3D::getPhysicalMaterial() const {
    return m_PhysicalMaterial ? m_PhysicalMaterial->getHandle() : CWrapperHandle<IIRayMaterialInstance>();
}
CWritableWrapperHandle<IIRayMaterialInstance> CEntity3D::getWritablePhysicalMaterial() {
    return m_PhysicalMaterial ? m_PhysicalMaterial->getWritableHandle() : CWritableWrapperHandle<IIRayMaterialInstance>();
}
CWritableWrapperHandle<IIRayMaterialInstance> CEntity3D::allocatePhysicalMaterial() {
    if (!m_PhysicalMaterial) m_PhysicalMaterial = std::make_unique<CIRayMaterialInstance>();
    return m_PhysicalMaterial->getWritableHandle();
}

void CEntity3D::ReplaceEmptyMaterialFromOtherEntity(const IEntity3DHandle& other) {
    if (other.isNull()) return;
    if (!m_TextureMatrix) {
        const IGraphicalTransformHandle matrix = other->getTextureMatrix();
        if (!matrix.isNull()) (*allocateTextureMatrix()).copyFrom(*matrix);
    }
    if (!m_Material) {
        const IGraphicalMaterialHandle material = other->getMaterial();
        if (!material.isNull()) (*allocateMaterial()).copyFrom(*material);
    }
}

// ---- queries of the interface ----

bool IEntity3D::doesEntityContain(const CEntity3DID& id) const {
    std::vector<const IEntity3D*> pending{this};
    while (!pending.empty()) {
        const IEntity3D* entity = pending.back();
        pending.pop_back();
        if (entity->getID() == id) return true;
        for (const IEntity3DArrayHandle& list : {entity->getSubEntities(), entity->getSubdivisionParts()})
            for (int i = 0; i < list.GetSize(); ++i) {
                const IEntity3DHandle child = list[i];
                if (!child.isNull()) pending.push_back(child.get());
            }
    }
    return false;
}
