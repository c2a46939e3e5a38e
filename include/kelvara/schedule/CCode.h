// The stored form of a code (see ICode); the project's codes live in a CCodeRoot.
#pragma once

#include "kelvara/base/ICode.h"
#include "kelvara/framework/Family.h"
#include "kelvara/schedule/CCodeValue.h"

class CCode : public ICode {
    KELVARA_OBJECT(Code)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Code)

public:
    ~CCode() override = default;

    void insertCodeValue(int index, const ICodeValue& value) override;
    bool removeCodeValue(int index) override;
    bool attachCodeValue(ICodeValueWritableHandle handle, int index) override;
    ICodeValueWritableHandle detachCodeValue(const CCodeValueID& id) override;
};

KELVARA_ROOT_FAMILY(Code)
