#include "kelvara/schedule/CCodeValue.h"

#include "kelvara/framework/Trees.h"

KELVARA_DEFINE_KIND(CodeValue)

CCodeValue::~CCodeValue() = default;

void CCodeValue::insertSubCodeValue(int index, const ICodeValue& value) {
    kelvara::detail::insertCodeValue(*m_SubCodeValues, index, value);
}

bool CCodeValue::removeSubCodeValue(int index) {
    return kelvara::detail::removeCodeValue(*m_SubCodeValues, index);
}

bool CCodeValue::attachSubCodeValue(ICodeValueWritableHandle handle, int index) {
    return kelvara::detail::attachCodeValue(*m_SubCodeValues, handle, index, this);
}

ICodeValueWritableHandle CCodeValue::detachSubCodeValue(const CCodeValueID& id) {
    return kelvara::detail::detachCodeValue(*m_SubCodeValues, id);
}

namespace kelvara::detail {
void insertCodeValue(CCodeValueArray& values, int index, const ICodeValue& value) {
    values.InsertAt(index < 0 ? values.GetSize() : index, value);
}

bool removeCodeValue(CCodeValueArray& values, int index) {
    if (index < 0 || index >= values.GetSize()) return false;
    values.RemoveAt(index);
    return true;
}

bool attachCodeValue(CCodeValueArray& values, const ICodeValueWritableHandle& handle, int index,
                     const ICodeValue* owner) {
    auto* value = dynamic_cast<CCodeValue*>(handle.get());
    if (!value) return false;
    if (owner && kelvara::detail::inSubtree<ICodeValue>(*value, owner, &ICodeValue::getSubCodeValues)) return false;
    // The array refuses silently (index out of range, identifier present); only a grown array
    // has taken the object.
    const int before = values.GetSize();
    values.Attach(index < 0 ? before : index, value);
    return values.GetSize() > before;
}

ICodeValueWritableHandle detachCodeValue(CCodeValueArray& values, const CCodeValueID& id) {
    ICodeValue* value = values.Detach(id);
    return value ? value->getWritableHandle() : ICodeValueWritableHandle();
}

}  // namespace kelvara::detail
