// A named classification of tasks or resources, with the tree of values it allows. Tasks,
// resources and resource groups refer to the values by identifier.
#pragma once

#include "kelvara/base/ICodeValue.h"
#include "kelvara/base/ScheduleEnumerations.h"


#define KELVARA_FIELDS_Code(F) \
    F(IDENTITY, CCodeID, ID, CCodeID::generated(), 1)                               \
    F(VALUE, CProjectString, Name, {}, 1)                                           \
    F(VALUE, CCodeType, Type, CCodeType::Task, 1)                                   \
    F(VALUE, CCodeCategory, Category, CCodeCategory::UserDefined, 1)                \
    F(VALUE, CProjectInt, MaxValueLength, ICode::kDefaultMaximumValueLength, 1)     \
    F(CHILDREN, CodeValue, CodeValues, {}, 1)

class ICode : public CRecord<ICode> {
    KELVARA_INTERFACE(Code)
    KELVARA_RECORD(ICode, "Code", KELVARA_FIELDS_Code)

public:
    // The longest a value of a new code may be (the project constants' default).
    static constexpr int kDefaultMaximumValueLength = 20;

    // As the sub-value operations of ICodeValue, on the top-level values.
    virtual void insertCodeValue(int index, const ICodeValue& value) = 0;
    virtual bool removeCodeValue(int index) = 0;
    virtual bool attachCodeValue(ICodeValueWritableHandle handle, int index) = 0;
    [[nodiscard]] virtual ICodeValueWritableHandle detachCodeValue(const CCodeValueID& id) = 0;

};

