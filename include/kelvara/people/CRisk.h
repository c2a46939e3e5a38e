// The stored form of a risk (see IRisk). A new risk has a fresh identifier, no description, value
// mode Percent and no children.
#pragma once

#include "kelvara/base/IRisk.h"
#include "kelvara/framework/Family.h"

class CRisk : public IRisk {
    KELVARA_OBJECT(Risk)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Risk)

public:
    ~CRisk() override;

    IRiskHandle addSubRisk(const IRisk& risk, int index) override;
    IRiskHandle addSubRisk(const IRisk& risk, const CRiskID& parent, int index) override;
    bool removeSubRisk(const CRiskID& id, bool recursive) override;
    void removeAllSubRisks() override;

protected:
    CRiskArray& allocateSubRisks();
};

KELVARA_ROOT_FAMILY(Risk)
