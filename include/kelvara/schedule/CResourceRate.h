// The stored resource rate (see IResourceRate).
#pragma once

#include "kelvara/base/IResourceRate.h"
#include "kelvara/framework/Family.h"
#include "kelvara/schedule/CCost.h"

class CResourceRate : public IResourceRate {
    KELVARA_OBJECT(ResourceRate)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_ResourceRate)

public:
    ~CResourceRate() override = default;

    int addCost(const ICost& cost, int index) override;
    bool changeCost(const ICost& cost) override;
    bool removeCost(const CCostID& id) override;
    void removeAllCosts() override { m_Costs.RemoveAll(); }
};

KELVARA_KIND_FAMILY(ResourceRate)
