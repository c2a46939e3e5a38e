#include "kelvara/schedule/CCode.h"

KELVARA_DEFINE_KIND(Code)

void CCode::insertCodeValue(int index, const ICodeValue& value) {
    kelvara::detail::insertCodeValue(m_CodeValues, index, value);
}

bool CCode::removeCodeValue(int index) { return kelvara::detail::removeCodeValue(m_CodeValues, index); }

bool CCode::attachCodeValue(ICodeValueWritableHandle handle, int index) {
    return kelvara::detail::attachCodeValue(m_CodeValues, handle, index, nullptr);
}

ICodeValueWritableHandle CCode::detachCodeValue(const CCodeValueID& id) {
    return kelvara::detail::detachCodeValue(m_CodeValues, id);
}
