#include "kelvara/base/IPosition.h"

void IPosition::initialize(const CString& name) {
    initialize();
    setName(CProjectString(name));
}
