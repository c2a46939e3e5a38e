// A risk of the project's risk tree: a description, how its value is given, and the risks under
// it. The child list exists only while the risk has children (getSubRisks() answers a null handle
// otherwise).
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/PeopleEnumerations.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_Risk(F)                                              \
    F(IDENTITY, CRiskID, ID, CRiskID::generated(), 1)                       \
    F(VALUE, CProjectString, Description, {}, 1)                            \
    F(VALUE, CRiskValueMode, ValueMode, CRiskValueMode::Percent, 1)         \
    F(LAZY, Risk, SubRisks, {}, 1)

class IRisk : public CRecord<IRisk> {
    KELVARA_INTERFACE(Risk)
    KELVARA_RECORD(IRisk, "Risk", KELVARA_FIELDS_Risk)

public:
    // Adds a copy as child at index (a negative index appends) and answers its handle; a null
    // handle, with nothing added, when index is above the child count or a child has the risk's
    // identifier.
    virtual IRiskHandle addSubRisk(const IRisk& risk, int index) = 0;
    // Adds the copy under the risk with identifier parent: this risk or, depth first in child
    // order, the first risk under it that accepts it. A null handle when none did.
    virtual IRiskHandle addSubRisk(const IRisk& risk, const CRiskID& parent, int index) = 0;
    // Removes the child with identifier id; with recursive, the first risk with that identifier
    // anywhere under this one (depth first, in child order). False when nothing was removed.
    virtual bool removeSubRisk(const CRiskID& id, bool recursive) = 0;
    virtual void removeAllSubRisks() = 0;
};
