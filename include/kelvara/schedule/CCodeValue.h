// The stored form of a code value (see ICodeValue). Its sub-values are held by pointer, created
// empty with the value, so that a value can own a list of its own kind.
#pragma once

#include <memory>

#include "kelvara/base/ICodeValue.h"
#include "kelvara/framework/Family.h"

class CCodeValue : public ICodeValue {
    KELVARA_OBJECT(CodeValue)
    KELVARA_RECORD_MEMBERS_HELD(KELVARA_FIELDS_CodeValue)

public:
    // A new value: white bar, no name or description, no sub-values, a null identifier.
    ~CCodeValue() override;
    void insertSubCodeValue(int index, const ICodeValue& value) override;
    bool removeSubCodeValue(int index) override;
    bool attachSubCodeValue(ICodeValueWritableHandle handle, int index) override;
    ICodeValueWritableHandle detachSubCodeValue(const CCodeValueID& id) override;
};

KELVARA_KIND_FAMILY(CodeValue)

namespace kelvara::detail {

// The value-list operations shared by a code (its values) and a value (its sub-values). owner is
// the value whose list it is (null for a code's list): attaching owner or one of its ancestors
// under it would make the tree a cycle, so that is refused.
void insertCodeValue(CCodeValueArray& values, int index, const ICodeValue& value);
bool removeCodeValue(CCodeValueArray& values, int index);
bool attachCodeValue(CCodeValueArray& values, const ICodeValueWritableHandle& handle, int index,
                     const ICodeValue* owner);
ICodeValueWritableHandle detachCodeValue(CCodeValueArray& values, const CCodeValueID& id);

}  // namespace kelvara::detail
