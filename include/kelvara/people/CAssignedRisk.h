// The stored form of a risk applied to a task (see IAssignedRisk).
#pragma once

#include "kelvara/base/IAssignedRisk.h"
#include "kelvara/framework/Family.h"
#include "kelvara/schedule/CCost.h"

class CAssignedRisk : public IAssignedRisk {
    KELVARA_OBJECT(AssignedRisk)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_AssignedRisk)

public:
    CAssignedRisk(const CRiskID& risk, const CRiskValueMode& mode) { initialize(risk, mode); }
    ~CAssignedRisk() override = default;

    bool addCost(const ICost& cost) override;
    bool removeCost(const CCostID& id) override;
    void removeAllCosts() override { m_Costs.reset(); }

protected:
    CCostArray& allocateCosts() { return kelvara::detail::allocateList(m_Costs); }
};

KELVARA_KIND_FAMILY(AssignedRisk)
