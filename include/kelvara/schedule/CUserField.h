// The stored form of a user field (see IUserField); the project's fields live in a CUserFieldRoot.
#pragma once

#include "kelvara/base/IUserField.h"
#include "kelvara/framework/Family.h"

class CUserField : public IUserField {
    KELVARA_OBJECT(UserField)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_UserField)

public:
    ~CUserField() override = default;
};

KELVARA_ROOT_FAMILY(UserField)

// A new default field owned by the caller; null when it cannot be allocated.
[[nodiscard]] IUserField* createTemporaryUserField();
