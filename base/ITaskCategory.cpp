#include "kelvara/base/ITaskCategory.h"

void ITaskCategory::clear() {
    setName(CProjectString());
    getWritableID().generate();
}
