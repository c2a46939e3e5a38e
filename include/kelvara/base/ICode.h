// A named classification of tasks or resources, with the tree of values it allows. Tasks,
// resources and resource groups refer to the values by identifier.
#pragma once

#include "kelvara/base/ICodeValue.h"
#include "kelvara/base/ScheduleEnumerations.h"

KELVARA_FORWARD(Code)

#define KELVARA_CODE_FIELDS(F)                  \
    F(IDENTITY, CCodeID, ID)                    \
    F(VALUE, CProjectString, Name)              \
    F(VALUE, CCodeType, Type)                   \
    F(VALUE, CCodeCategory, Category)           \
    F(VALUE, CProjectInt, MaxValueLength)       \
    F(CHILDREN, CCodeValueArray, CodeValues)

class ICode : public CRecord<ICode> {
    KELVARA_INTERFACE(Code)
    KELVARA_RECORD(ICode, "Code", KELVARA_CODE_FIELDS)

public:
    // The top-level values, each the root of its own subtree.
    virtual ICodeValueArrayHandle getCodeValues() const = 0;
    // As the sub-value operations of ICodeValue, on the top-level values.
    virtual void insertCodeValue(int index, const ICodeValue& value) = 0;
    virtual bool removeCodeValue(int index) = 0;
    virtual bool attachCodeValue(ICodeValueWritableHandle handle, int index) = 0;
    virtual ICodeValueWritableHandle detachCodeValue(const CCodeValueID& id) = 0;

    // Defaults: a fresh identifier, no name, a user-defined task code whose values may be as long
    // as the project's default maximum, and no values.
    void initialize();
};

KELVARA_INTERFACE_ARRAY(Code, CCodeID, false)
