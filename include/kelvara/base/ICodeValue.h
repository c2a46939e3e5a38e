// One allowed value of a code: a name, a description and a bar colour, with the values nested
// under it. A value owns its sub-values; attach and detach move whole subtrees without copying.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_CodeValue(F) \
    F(IDENTITY, CCodeValueID, ID, {}, 1)                                            \
    F(VALUE, CProjectColorRGB, BarColor, (CProjectColorRGB(1.0f, 1.0f, 1.0f)), 1)   \
    F(VALUE, CProjectString, Name, {}, 1)                                           \
    F(VALUE, CProjectString, Description, {}, 1)                                    \
    F(CHILDREN, CodeValue, SubCodeValues, {}, 1)

class ICodeValue : public CRecord<ICodeValue> {
    KELVARA_INTERFACE(CodeValue)
    KELVARA_RECORD(ICodeValue, "CodeValue", KELVARA_FIELDS_CodeValue)

public:
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
    [[nodiscard]] virtual ICodeValueWritableHandle detachSubCodeValue(const CCodeValueID& id) = 0;
};

