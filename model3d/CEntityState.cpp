#include "kelvara/model3d/CEntityState.h"

#include <string>
#include <vector>

namespace {

template <class T>
std::unique_ptr<T> copyOf(const std::unique_ptr<T>& part) {
    return part ? std::make_unique<T>(*part) : nullptr;
}

template <class T>
bool samePart(const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) {
    return a ? (b && *a == *b) : !b;
}

// A presence flag, then the part's own form. Loading a false flag clears the part; a true one
// creates it when absent and reads into it.
template <class T>
void serializePart(CKelvaraArchive& ar, std::unique_ptr<T>& part) {
    bool present = part != nullptr;
    if (ar.IsStoring()) {
        ar << present;
        if (present) part->Serialize(ar);
        return;
    }
    ar >> present;
    if (!present) {
        part.reset();
        return;
    }
    if (!part) part = std::make_unique<T>();
    part->Serialize(ar);
}

bool isPercentage(const CProjectInt& value) {
    return value.isValid() && value.getValue() >= 0 && value.getValue() <= 100;
}

unsigned lowByte(int value) { return static_cast<unsigned>(value) & 0xFFu; }

}  // namespace

// ---- Blocks ----

CEntityState::CLockedAttributes::CLockedAttributes(const CLockedAttributes& other)
    : ColorLock(copyOf(other.ColorLock)), TransparencyLock(copyOf(other.TransparencyLock)) {}

CEntityState::CLockedAttributes& CEntityState::CLockedAttributes::operator=(const CLockedAttributes& other) {
    if (this != &other) {
        ColorLock = copyOf(other.ColorLock);
        TransparencyLock = copyOf(other.TransparencyLock);
    }
    return *this;
}

bool CEntityState::CLockedAttributes::operator==(const CLockedAttributes& other) const {
    return samePart(ColorLock, other.ColorLock) && samePart(TransparencyLock, other.TransparencyLock);
}

void CEntityState::CLockedAttributes::Serialize(CKelvaraArchive& ar) {
    serializePart(ar, ColorLock);
    serializePart(ar, TransparencyLock);
}

CEntityState::CDynamicAttributes::CDynamicAttributes(const CDynamicAttributes& other)
    : DynamicTransparency(copyOf(other.DynamicTransparency)),
      CuttingPlane(copyOf(other.CuttingPlane)),
      PathKey(copyOf(other.PathKey)) {}

CEntityState::CDynamicAttributes& CEntityState::CDynamicAttributes::operator=(const CDynamicAttributes& other) {
    if (this != &other) {
        DynamicTransparency = copyOf(other.DynamicTransparency);
        CuttingPlane = copyOf(other.CuttingPlane);
        PathKey = copyOf(other.PathKey);
    }
    return *this;
}

bool CEntityState::CDynamicAttributes::operator==(const CDynamicAttributes& other) const {
    return samePart(DynamicTransparency, other.DynamicTransparency) && samePart(CuttingPlane, other.CuttingPlane) &&
           samePart(PathKey, other.PathKey);
}

void CEntityState::CDynamicAttributes::Serialize(CKelvaraArchive& ar) {
    serializePart(ar, DynamicTransparency);
    serializePart(ar, CuttingPlane);
    serializePart(ar, PathKey);
}

// ---- Parts ----

CEntityState::CLockedAttributes& CEntityState::locked() {
    if (!m_locked) m_locked = std::make_unique<CLockedAttributes>();
    return *m_locked;
}

CEntityState::CDynamicAttributes& CEntityState::dynamic() {
    if (!m_dynamic) m_dynamic = std::make_unique<CDynamicAttributes>();
    return *m_dynamic;
}

void CEntityState::dropEmptyBlocks() noexcept {
    if (m_locked && m_locked->empty()) m_locked.reset();
    if (m_dynamic && m_dynamic->empty()) m_dynamic.reset();
}

// A copy is made before anything is replaced, so a value read from this very state is safe.
void CEntityState::setTransform(const IGraphicalTransform& transform) {
    auto fresh = std::make_unique<CGraphicalTransform>();
    fresh->copyFrom(transform);
    m_transform = std::move(fresh);
}

void CEntityState::setColorLock(const CProjectColorRGB& color) {
    locked().ColorLock = std::make_unique<CProjectColorRGB>(color);
}

void CEntityState::setTransparencyLock(const CProjectInt& transparency) {
    if (!isPercentage(transparency)) {
        clearTransparencyLock();
        return;
    }
    locked().TransparencyLock = std::make_unique<CProjectInt>(transparency);
}

void CEntityState::setDynamicTransparency(const CProjectInt& transparency) {
    if (!isPercentage(transparency)) {
        clearDynamicTransparency();
        return;
    }
    dynamic().DynamicTransparency = std::make_unique<CProjectInt>(transparency);
}

void CEntityState::setCuttingPlane(const CPlane& plane) { dynamic().CuttingPlane = std::make_unique<CPlane>(plane); }

void CEntityState::setPathKey(const IPathKey& key) {
    auto copy = std::make_unique<CPathKey>();  // made first: key may be this state's own
    copy->copyFrom(key);
    dynamic().PathKey = std::move(copy);
}

void CEntityState::clearColorLock() noexcept {
    if (m_locked) m_locked->ColorLock.reset();
    dropEmptyBlocks();
}

void CEntityState::clearTransparencyLock() noexcept {
    if (m_locked) m_locked->TransparencyLock.reset();
    dropEmptyBlocks();
}

void CEntityState::clearDynamicTransparency() noexcept {
    if (m_dynamic) m_dynamic->DynamicTransparency.reset();
    dropEmptyBlocks();
}

void CEntityState::clearCuttingPlane() noexcept {
    if (m_dynamic) m_dynamic->CuttingPlane.reset();
    dropEmptyBlocks();
}

void CEntityState::clearPathKey() noexcept {
    if (m_dynamic) m_dynamic->PathKey.reset();
    dropEmptyBlocks();
}

void CEntityState::clear() noexcept {
    m_transform.reset();
    m_locked.reset();
    m_dynamic.reset();
}

// ---- Appearance ----

void CEntityState::setColorByAppearance(const IEntityAppearance& appearance) {
    if (appearance.getUseOriginalColor().getValue()) clearColorLock();
    else setColorLock(appearance.getColor());
    if (appearance.getUseOriginalTransparency().getValue()) clearTransparencyLock();
    else setTransparencyLock(CProjectInt(appearance.getTransparency(0.0)));
}

void CEntityState::setColorByAppearance(const IEntityAppearance& appearance, double fraction) {
    setColorByAppearance(appearance);
    if (!appearance.getUseOriginalTransparency().getValue() && appearance.needTransparencyInterpolation())
        setDynamicTransparency(CProjectInt(appearance.getTransparency(fraction)));
    else
        clearDynamicTransparency();
}

void CEntityState::GetEffectiveTransparencyColor(CProjectColorRGB& color) const {
    int transparency = 0;
    if (const CProjectInt* lock = getTransparencyLock()) transparency = lock->getValue();
    if (const CProjectInt* animated = getDynamicTransparency()) transparency = animated->getValue();
    color = CProjectColorRGB::getTransmissionColor(transparency * 0.01);
}

CStringA CEntityState::toString() const {
    std::string key;
    const CProjectColorRGB* color = getColorLock();
    const CProjectInt* transparency = getTransparencyLock();
    if (color) {
        key = std::to_string(lowByte(color->redInt())) + "_" + std::to_string(lowByte(color->greenInt())) + "_" +
              std::to_string(lowByte(color->blueInt())) + "_";
    } else {
        key = "-_-_-_";
    }
    key += transparency ? std::to_string(lowByte(transparency->getValue())) : std::string("-");
    if (getDynamicTransparency()) key += "_dt";
    return CStringA(std::move(key));
}

// ---- Copy, equality, archive ----

void CEntityState::copy(const CEntityState& other) {
    if (this == &other) return;
    std::unique_ptr<CGraphicalTransform> transform;
    if (other.m_transform) transform = std::make_unique<CGraphicalTransform>(*other.m_transform);
    auto lockedBlock = copyOf(other.m_locked);
    auto dynamicBlock = copyOf(other.m_dynamic);
    m_transform = std::move(transform);
    m_locked = std::move(lockedBlock);
    m_dynamic = std::move(dynamicBlock);
}

bool CEntityState::equal(const CEntityState& other) const {
    if (m_transform ? !(other.m_transform && static_cast<const IGraphicalTransform&>(*m_transform) ==
                                                 static_cast<const IGraphicalTransform&>(*other.m_transform))
                    : other.m_transform != nullptr)
        return false;
    return samePart(m_locked, other.m_locked) && samePart(m_dynamic, other.m_dynamic);
}

void CEntityState::Serialize(CKelvaraArchive& ar) {
    serializePart(ar, m_transform);
    serializePart(ar, m_locked);
    serializePart(ar, m_dynamic);
    if (ar.IsLoading()) dropEmptyBlocks();
}

void CEntityStateArray::Serialize(CKelvaraArchive& ar) {
    if (ar.IsStoring()) {
        ar << GetSize();
        for (int i = 0; i < GetSize(); ++i) getWritableReference(i).Serialize(ar);
        return;
    }
    RemoveAll();
    // Every state stores at least its three presence flags.
    const int count = ar.readCount("entity states", 3);
    std::vector<std::unique_ptr<CEntityState>> loaded;
    loaded.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        loaded.push_back(std::make_unique<CEntityState>());
        loaded.back()->Serialize(ar);
    }
    for (auto& state : loaded) Attach(state.release(), GetSize());
}
