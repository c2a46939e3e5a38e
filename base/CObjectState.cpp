#include "kelvara/base/CObjectState.h"

#include "kelvara/base/CIDBase.h"

const _GUID& CObjectState::getObjectStateGUID() const { return CIDBase::getNullGUID(); }
