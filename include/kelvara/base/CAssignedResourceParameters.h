// How one resource is used by an assignment: the resource, how many units of it are used and how
// many units a day it works at. A group assignment keeps one record per member resource in a
// CAssignedResourceParametersArray, keyed by the resource's identifier; a resource assignment
// holds one record.
//
// Record (unframed): the resource identifier (16 bytes), the quantity, the units per day (each a
// value: flag byte, double).
#pragma once

#include "kelvara/base/Identifiers.h"
#include "kelvara/base/KeyedPointerArray.h"
#include "kelvara/base/Values.h"

class CAssignedResourceParameters {
public:
    static constexpr std::size_t kMinStoredBytes = 16 + 9 + 9;

    CAssignedResourceParameters() = default;
    explicit CAssignedResourceParameters(const CResourceID& resource, const CProjectDouble& quantity = {},
                                         const CProjectDouble& unitsPerDay = {})
        : m_resourceID(resource), m_quantity(quantity), m_unitsPerDay(unitsPerDay) {}

    const CResourceID& getResourceID() const noexcept { return m_resourceID; }
    const CProjectDouble& getQuantity() const noexcept { return m_quantity; }
    const CProjectDouble& getUnitsPerDay() const noexcept { return m_unitsPerDay; }
    void setResourceID(const CResourceID& id) { m_resourceID = id; }
    void setQuantity(double quantity) { m_quantity = quantity; }
    void setUnitsPerDay(double units) { m_unitsPerDay = units; }

    bool operator==(const CAssignedResourceParameters&) const = default;
    void Serialize(CKelvaraArchive& ar);

private:
    CResourceID m_resourceID;
    CProjectDouble m_quantity;
    CProjectDouble m_unitsPerDay;
};

namespace kelvara::detail {
struct ResourceParametersKey {
    static const CResourceID& keyOf(const CAssignedResourceParameters& p) { return p.getResourceID(); }
    static bool less(const CResourceID& a, const CResourceID& b) { return a < b; }
};
}  // namespace kelvara::detail

// A group assignment's per-resource parameters, keyed by resource (see CKeyedPointerArray).
class CAssignedResourceParametersArray
    : public CKeyedPointerArray<CAssignedResourceParameters, CResourceID, kelvara::detail::ResourceParametersKey> {
public:
    using CKeyedPointerArray::CKeyedPointerArray;
    using CKeyedPointerArray::operator=;
};
