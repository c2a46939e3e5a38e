// What a resource costs from a date on: its use rate per day and its cost lines. A resource keeps
// its rates over time in a list; a new rate has a fresh identifier, no date, use rate 0 and no
// costs.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_ResourceRate(F)                                    \
    F(IDENTITY, CResourceRateID, ID, CResourceRateID::generated(), 1)     \
    F(CHILDREN, Cost, Costs, {}, 1)                                       \
    F(PLAIN, CProjectInt, UseRatePerDay, CProjectInt(0), 1)               \
    F(VALUE, CProjectDate, EffectiveDate, {}, 1)

class IResourceRate : public CRecord<IResourceRate> {
    KELVARA_INTERFACE(ResourceRate)
    KELVARA_RECORD(IResourceRate, "ResourceRate", KELVARA_FIELDS_ResourceRate)

public:
    int numberOfCosts() const { return getCosts().GetSize(); }
    // A copy of cost: index -1 appends, any other index inserts there. The new position, or -1
    // when nothing was stored (a cost with that identifier is present, or the index lies outside
    // 0 .. count).
    virtual int addCost(const ICost& cost, int index) = 0;
    // Copies cost onto the stored cost with its identifier; false when there is none.
    virtual bool changeCost(const ICost& cost) = 0;
    virtual bool removeCost(const CCostID& id) = 0;
    virtual void removeAllCosts() = 0;
};
