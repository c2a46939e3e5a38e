// The stored form of a user field value (see IUserFieldValue).
#pragma once

#include "kelvara/base/IUserFieldValue.h"
#include "kelvara/framework/Family.h"

class CUserFieldValue : public IUserFieldValue {
    KELVARA_OBJECT(UserFieldValue)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_UserFieldValue)

public:
    ~CUserFieldValue() override = default;

protected:
    [[nodiscard]] IUserField* createUserField() const override;
};

KELVARA_KIND_FAMILY(UserFieldValue)
