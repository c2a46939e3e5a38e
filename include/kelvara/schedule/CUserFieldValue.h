// The stored form of a user field value (see IUserFieldValue).
#pragma once

#include "kelvara/base/IUserFieldValue.h"

class CUserFieldValue : public IUserFieldValue {
    KELVARA_OBJECT(UserFieldValue)
    KELVARA_RECORD_MEMBERS(KELVARA_USER_FIELD_VALUE_FIELDS)

public:
    using IUserFieldValue::setValue;

    // An empty value for no field, not imported.
    CUserFieldValue() {
        m_Value.Empty();
        m_Imported = false;
    }
    ~CUserFieldValue() override = default;

protected:
    IUserField* createUserField() const override;
};

KELVARA_KIND_FAMILY(UserFieldValue, CUserFieldID, true)
