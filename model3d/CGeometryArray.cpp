// The geometry bundle: a mask of present kinds and one block of pointers, one per present kind in
// kind order. Adding a kind reallocates the block (at most seventeen pointers); reads never
// allocate. Loading builds a whole bundle aside and swaps it in.
#include <bit>
#include <memory>
#include <utility>
#include <cstring>

#include "kelvara/model3d/CGeometryArray.h"
#include "kelvara/platform/Exceptions.h"

using kelvara::detail::IGeometryArrayPart;

namespace {

// A new empty list of kind k.
IGeometryArrayPart* createPart(int k) {
    switch (k) {
#define KELVARA_GEOMETRY_CREATE_(n, Thing, Plural) \
    case n:                                        \
        return new C##Thing##Array();
        KELVARA_GEOMETRY_KINDS(KELVARA_GEOMETRY_CREATE_)
#undef KELVARA_GEOMETRY_CREATE_
    }
    return nullptr;
}

}  // namespace

// ---- the interface's own operations ----

void IGeometryArray::copyFrom(const IGeometryArray& other) {
    if (&other == this) return;
    for (int k = 0; k < kKindCount; ++k) {
        const IGeometryArrayPart* from = other.part(k);
        if (!from || from->GetSize() == 0) clearPart(k);
        else writablePart(k).copyPart(*from);
    }
}

int IGeometryArray::GetSize() const {
    int total = 0;
    for (int k = 0; k < kKindCount; ++k)
        if (const IGeometryArrayPart* p = part(k)) total += p->GetSize();
    return total;
}

bool IGeometryArray::operator==(const IGeometryArray& other) const {
    if (&other == this) return true;
    for (int k = 0; k < kKindCount; ++k) {
        const IGeometryArrayPart* a = part(k);
        const IGeometryArrayPart* b = other.part(k);
        const int na = a ? a->GetSize() : 0;
        const int nb = b ? b->GetSize() : 0;
        if (na != nb) return false;
        if (na > 0 && !a->equalPart(*b)) return false;
    }
    return true;
}

void IGeometryArray::Serialize(CKelvaraArchive& ar) {
    ar.checkMarkerStart(kRecordName);
    if (ar.IsStoring()) {
        std::uint32_t mask = 0;
        for (int k = 0; k < kKindCount; ++k)
            if (const IGeometryArrayPart* p = part(k); p && p->GetSize() > 0) mask |= 1u << k;
        ar << mask;
        for (int k = 0; k < kKindCount; ++k)
            if ((mask >> k) & 1u) const_cast<IGeometryArrayPart*>(part(k))->serializePart(ar);
    } else {
        std::uint32_t mask = 0;
        ar >> mask;
        if (mask >> kKindCount) ar.fail(CArchiveException::badIndex, "a geometry kind mask with a bit above the last kind");
        std::unique_ptr<IGeometryArray> aside(createEmpty());
        for (int k = 0; k < kKindCount; ++k) {
            if (!((mask >> k) & 1u)) continue;
            IGeometryArrayPart& p = aside->writablePart(k);
            p.serializePart(ar);
            if (p.GetSize() == 0) aside->clearPart(k);  // a kind stored empty stays absent
        }
        swapContent(*aside);
    }
    ar.checkMarkerEnd(kRecordName);
}

int IPolyLine3DArray::AddPointSetAsPolyline(const INonUniqueValueArray<CGraphicalPoint3D>& points) {
    std::unique_ptr<IPolyLine3D> line(createElement());
    line->setPoints(points);
    const int at = GetSize();
    SetSize(at + 1);
    putCreatedElement(line.release(), at);
    return at;
}

// ---- the bundle ----

CGeometryArray::CGeometryArray(CGeometryArray&& other) noexcept
    : IGeometryArray(), m_parts(std::exchange(other.m_parts, nullptr)), m_mask(std::exchange(other.m_mask, 0u)) {}

CGeometryArray& CGeometryArray::operator=(CGeometryArray&& other) noexcept {
    if (this != &other) {
        clearAll();
        m_parts = std::exchange(other.m_parts, nullptr);
        m_mask = std::exchange(other.m_mask, 0u);
    }
    return *this;
}

CGeometryArray::~CGeometryArray() { clearAll(); }

void CGeometryArray::clearAll() noexcept {
    const int n = std::popcount(m_mask);
    for (int s = 0; s < n; ++s) delete m_parts[s];
    delete[] m_parts;
    m_parts = nullptr;
    m_mask = 0;
}

int CGeometryArray::slotOf(int k) const noexcept { return std::popcount(m_mask & ((1u << k) - 1u)); }

const IGeometryArrayPart* CGeometryArray::part(int k) const {
    if (!holdsKind(k)) return nullptr;
    return m_parts[slotOf(k)];
}

IGeometryArrayPart& CGeometryArray::writablePart(int k) {
    if (holdsKind(k)) return *m_parts[slotOf(k)];
    const int n = std::popcount(m_mask);
    const int at = slotOf(k);
    std::unique_ptr<IGeometryArrayPart> fresh(createPart(k));
    auto** block = new IGeometryArrayPart*[static_cast<std::size_t>(n + 1)];
    for (int s = 0; s < at; ++s) block[s] = m_parts[s];
    block[at] = fresh.release();
    for (int s = at; s < n; ++s) block[s + 1] = m_parts[s];
    delete[] m_parts;
    m_parts = block;
    m_mask |= 1u << k;
    return *m_parts[at];
}

void CGeometryArray::clearPart(int k) {
    if (!holdsKind(k)) return;
    const int n = std::popcount(m_mask);
    const int at = slotOf(k);
    delete m_parts[at];
    for (int s = at; s + 1 < n; ++s) m_parts[s] = m_parts[s + 1];
    m_mask &= ~(1u << k);
    if (m_mask == 0) {
        delete[] m_parts;
        m_parts = nullptr;
    }
}

void CGeometryArray::swapContent(IGeometryArray& other) {
    auto& o = static_cast<CGeometryArray&>(other);
    std::swap(m_parts, o.m_parts);
    std::swap(m_mask, o.m_mask);
}

void CGeometryArray::Optimise() {
    for (int k = 0; k < kKindCount; ++k)
        if (const IGeometryArrayPart* p = part(k); p && p->GetSize() == 0) clearPart(k);
}

const CGeometry& CGeometryArray::defaultBefore() {
    static const CGeometry object;
    return object;
}
const CGeometry& CGeometryArray::defaultAfter() {
    static const CGeometry object;
    return object;
}
CGeometry& CGeometryArray::writableDefaultBefore() {
    static CGeometry object;
    return object;
}
CGeometry& CGeometryArray::writableDefaultAfter() {
    static CGeometry object;
    return object;
}

IGeometryHandle CGeometryArray::getConstReference(int i) const {
    if (i < 0) return IGeometryHandle(new CBasicHandle<IGeometry, CGeometry>(&defaultBefore()));
    const int n = std::popcount(m_mask);
    for (int s = 0; s < n; ++s) {
        const int size = m_parts[s]->GetSize();
        if (i < size) return m_parts[s]->getConstGeometryReference(i);
        i -= size;
    }
    return IGeometryHandle(new CBasicHandle<IGeometry, CGeometry>(&defaultAfter()));
}

IGeometryWritableHandle CGeometryArray::getWritableReference(int i) const {
    if (i < 0) return IGeometryWritableHandle(new CWritableBasicHandle<IGeometry, CGeometry>(&writableDefaultBefore()));
    const int n = std::popcount(m_mask);
    for (int s = 0; s < n; ++s) {
        const int size = m_parts[s]->GetSize();
        if (i < size) return m_parts[s]->getWritableGeometryReference(i);
        i -= size;
    }
    return IGeometryWritableHandle(new CWritableBasicHandle<IGeometry, CGeometry>(&writableDefaultAfter()));
}

#define KELVARA_GEOMETRY_ARRAY_DEFINE_(n, Thing, Plural)                                  \
    const I##Thing##Array& CGeometryArray::get##Plural() const {                          \
        static const C##Thing##Array empty;                                               \
        const IGeometryArrayPart* p = part(n);                                            \
        return p ? static_cast<const C##Thing##Array&>(*p) : empty;                       \
    }                                                                                     \
    I##Thing##Array& CGeometryArray::getWritable##Plural() {                              \
        return static_cast<C##Thing##Array&>(writablePart(n));                            \
    }
KELVARA_GEOMETRY_KINDS(KELVARA_GEOMETRY_ARRAY_DEFINE_)
#undef KELVARA_GEOMETRY_ARRAY_DEFINE_
