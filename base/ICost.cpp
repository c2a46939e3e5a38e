#include "kelvara/base/ICost.h"

void ICost::initialize() {
    getWritableID().generate();
    setDescription(CProjectString());
    setAmount(CProjectDouble(0.0));
    setType(CCostType(CCostType::Other));
}
