#include "kelvara/schedule/CUserField.h"

#include <new>

KELVARA_DEFINE_KIND(UserField)

IUserField* createTemporaryUserField() { return new (std::nothrow) CUserField(); }
