#include "kelvara/base/ICode.h"

#include "kelvara/framework/CProjectConstants.h"

void ICode::initialize() {
    getWritableID().generate();
    setName(CProjectString());
    setType(CCodeType(CCodeType::Task));
    setCategory(CCodeCategory(CCodeCategory::UserDefined));
    setMaxValueLength(CProjectInt(CProjectConstants::getDefaultMaximumCodeValueLength()));
    getCodeValues().copyFrom(ICodeValueArrayHandle());
}
