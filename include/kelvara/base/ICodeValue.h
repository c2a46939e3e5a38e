// One allowed value of a code: a name, a description and a bar colour, with the values nested
// under it. A value owns its sub-values; attach and detach move whole subtrees without copying.
#pragma once

#include "kelvara/framework/Family.h"

KELVARA_FORWARD(CodeValue)

#define KELVARA_CODE_VALUE_FIELDS(F)            \
    F(IDENTITY, CCodeValueID, ID)               \
    F(VALUE, CProjectColorRGB, BarColor)        \
    F(VALUE, CProjectString, Name)              \
    F(VALUE, CProjectString, Description)       \
    F(CHILDREN, CCodeValueArray, SubCodeValues)

class ICodeValue : public CRecord<ICodeValue> {
    KELVARA_INTERFACE(CodeValue)
    KELVARA_RECORD(ICodeValue, "CodeValue", KELVARA_CODE_VALUE_FIELDS)

public:
    // The sub-values (every value has a sub-value list, empty at first).
    virtual ICodeValueArrayHandle getSubCodeValues() const = 0;
    // Inserts a copy at index (a negative index appends); nothing when the identifier is present
    // among the sub-values or index is above their count.
    virtual void insertSubCodeValue(int index, const ICodeValue& value) = 0;
    virtual bool removeSubCodeValue(int index) = 0;
    // Takes over the object the handle refers to (one the caller owns, e.g. from a detach) without
    // copying; a negative index appends. False when refused: a null handle, an index above the
    // count, an identifier already present, or a value that would become its own descendant. A
    // refused object stays the caller's.
    virtual bool attachSubCodeValue(ICodeValueWritableHandle handle, int index) = 0;
    // Takes the sub-value out without destroying it; the caller owns it. Empty when absent.
    virtual ICodeValueWritableHandle detachSubCodeValue(const CCodeValueID& id) = 0;
};

KELVARA_INTERFACE_ARRAY(CodeValue, CCodeValueID, false)
