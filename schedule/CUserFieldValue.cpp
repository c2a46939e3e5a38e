#include "kelvara/schedule/CUserFieldValue.h"

#include "kelvara/schedule/CUserField.h"

KELVARA_DEFINE_KIND(UserFieldValue)

IUserField* CUserFieldValue::createUserField() const { return new CUserField(); }
