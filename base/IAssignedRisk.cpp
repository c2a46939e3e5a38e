#include "kelvara/base/IAssignedRisk.h"

void IAssignedRisk::initialize(const CRiskID& risk, const CRiskValueMode& mode) {
    initialize();
    setRiskID(risk);
    setValueMode(mode);
}
