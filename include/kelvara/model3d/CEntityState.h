// The display override of one entity at one moment, computed from the schedule and the profiles:
// a placement transform, locked colour and transparency, and animated parts (a transparency that
// changes while a task runs, a cutting plane, a key placing it along a path). Each part is optional and a new state has none.
// The locked and the animated parts live in two blocks that exist only while they hold something:
// clearing a block's last member deletes the block.
//
// Archive form (no record of its own, it is stored inside its owner's record): a presence flag
// then the transform's record; a presence flag then the locked block (flag and colour, flag and
// transparency lock); a presence flag then the dynamic block (flag and dynamic transparency, flag
// and cutting plane, flag and path key record). Loading a false flag clears that part.
#pragma once

#include <memory>

#include "kelvara/base/Geometry.h"
#include "kelvara/base/IEntityAppearance.h"
#include "kelvara/base/IGraphicalTransform.h"
#include "kelvara/framework/PlainArrays.h"
#include "kelvara/model3d/CGraphicalTransform.h"
#include "kelvara/model3d/CPathKey.h"
#include "kelvara/platform/CString.h"

class CEntityState {
public:
    // The locked colour and transparency: they replace the entity's own while present.
    class CLockedAttributes {
    public:
        CLockedAttributes() = default;
        CLockedAttributes(const CLockedAttributes& other);
        CLockedAttributes& operator=(const CLockedAttributes& other);

        bool empty() const noexcept { return !ColorLock && !TransparencyLock; }
        bool operator==(const CLockedAttributes& other) const;
        void Serialize(CKelvaraArchive& ar);

        std::unique_ptr<CProjectColorRGB> ColorLock;
        std::unique_ptr<CProjectInt> TransparencyLock;
    };

    // The parts that change while the schedule plays.
    class CDynamicAttributes {
    public:
        CDynamicAttributes() = default;
        CDynamicAttributes(const CDynamicAttributes& other);
        CDynamicAttributes& operator=(const CDynamicAttributes& other);

        bool empty() const noexcept { return !DynamicTransparency && !CuttingPlane && !PathKey; }
        bool operator==(const CDynamicAttributes& other) const;
        void Serialize(CKelvaraArchive& ar);

        std::unique_ptr<CProjectInt> DynamicTransparency;
        std::unique_ptr<CPlane> CuttingPlane;
        std::unique_ptr<CPathKey> PathKey;
    };

    CEntityState() = default;
    CEntityState(const CEntityState& other) { copy(other); }
    CEntityState& operator=(const CEntityState& other) {
        copy(other);
        return *this;
    }
    ~CEntityState() = default;

    // The parts, null when absent.
    const CGraphicalTransform* getTransform() const noexcept { return m_transform.get(); }
    const CProjectColorRGB* getColorLock() const noexcept { return m_locked ? m_locked->ColorLock.get() : nullptr; }
    const CProjectInt* getTransparencyLock() const noexcept {
        return m_locked ? m_locked->TransparencyLock.get() : nullptr;
    }
    const CProjectInt* getDynamicTransparency() const noexcept {
        return m_dynamic ? m_dynamic->DynamicTransparency.get() : nullptr;
    }
    const CPlane* getCuttingPlane() const noexcept { return m_dynamic ? m_dynamic->CuttingPlane.get() : nullptr; }
    const CPathKey* getPathKey() const noexcept { return m_dynamic ? m_dynamic->PathKey.get() : nullptr; }

    bool empty() const noexcept { return !m_transform && !m_locked && !m_dynamic; }
    bool UseOriginalColor() const noexcept { return getColorLock() == nullptr; }
    bool UseOriginalTransparency() const noexcept { return !getTransparencyLock() && !getDynamicTransparency(); }
    // True when a transform is present (the opposite sense of the two above).
    bool UseOriginalTransform() const noexcept { return m_transform != nullptr; }

    // Each setter creates the part (and its block) when absent and stores a copy.
    void setTransform(const IGraphicalTransform& transform);
    void setColorLock(const CProjectColorRGB& color);
    // A value that is unset, below 0 or above 100 clears the lock instead; 0 and 100 are stored.
    void setTransparencyLock(const CProjectInt& transparency);
    // As setTransparencyLock, for the animated transparency.
    void setDynamicTransparency(const CProjectInt& transparency);
    void setCuttingPlane(const CPlane& plane);
    void setPathKey(const IPathKey& key);

    void clearTransform() noexcept { m_transform.reset(); }
    void clearColorLock() noexcept;
    void clearTransparencyLock() noexcept;
    void clearDynamicTransparency() noexcept;
    void clearCuttingPlane() noexcept;
    void clearPathKey() noexcept;
    void clear() noexcept;

    // The locks from an appearance: its colour unless it keeps the original colour, its start
    // transparency unless it keeps the original transparency (each lock cleared otherwise). The
    // animated transparency is left as it is.
    void setColorByAppearance(const IEntityAppearance& appearance);
    // As above, then the animated transparency: the appearance's transparency at fraction when it
    // fades and does not keep the original transparency, otherwise cleared, so that an animated
    // transparency left from an earlier moment never overrides the new lock.
    void setColorByAppearance(const IEntityAppearance& appearance, double fraction);

    // The grey the entity lets through: the transparency lock, overridden by the animated
    // transparency when present, 0 without either; as a fraction of 100.
    void GetEffectiveTransparencyColor(CProjectColorRGB& color) const;

    // A short key of the locks: "r_g_b_t" with the colour lock's channels times 255 (truncated,
    // low 8 bits) and the transparency lock (low 8 bits), "-" for each absent lock ("r_g_b_-",
    // "-_-_-_t", "-_-_-_-"), then "_dt" when an animated transparency is present.
    CStringA toString() const;

    void copy(const CEntityState& other);
    // Same parts present, and each present part equal (the transform by its record's equality,
    // NaN equal to NaN in every number).
    bool equal(const CEntityState& other) const;
    bool operator==(const CEntityState& other) const { return equal(other); }
    bool operator!=(const CEntityState& other) const { return !equal(other); }

    // A block whose flag is set but whose members are all absent on loading is dropped.
    void Serialize(CKelvaraArchive& ar);

private:
    CLockedAttributes& locked();
    CDynamicAttributes& dynamic();
    void dropEmptyBlocks() noexcept;

    std::unique_ptr<CGraphicalTransform> m_transform;
    std::unique_ptr<CLockedAttributes> m_locked;
    std::unique_ptr<CDynamicAttributes> m_dynamic;
};

// Entity states in the caller's order, duplicates allowed. Archive form (no record of its own): the
// count (32-bit), then each state. Loading empties the array first and reads every state into a
// new one; the states are taken over once all have been read.
class CEntityStateArray : public CNonUniquePointerArray<CEntityState> {
public:
    CEntityStateArray() = default;
    CEntityStateArray(const CEntityStateArray&) = default;
    CEntityStateArray& operator=(const CEntityStateArray&) = default;
    ~CEntityStateArray() override = default;

    void Serialize(CKelvaraArchive& ar) override;
};
