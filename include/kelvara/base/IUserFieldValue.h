// One object's text value for one user field. The value is keyed by its field's identifier: in a
// list of values (iterable, in identifier order) there is at most one value per field.
#pragma once

#include "kelvara/framework/Family.h"

class IUserField;

KELVARA_FORWARD(UserFieldValue)

#define KELVARA_USER_FIELD_VALUE_FIELDS(F)      \
    F(TEXT, CProjectString, Value)              \
    F(VALUE, CUserFieldID, UserFieldID)         \
    F(VALUE, CProjectBool, Imported)

class IUserFieldValue : public CRecord<IUserFieldValue> {
    KELVARA_INTERFACE(UserFieldValue)
    KELVARA_RECORD(IUserFieldValue, "UserFieldValue", KELVARA_USER_FIELD_VALUE_FIELDS)

public:
    // The key in a list of values: the field's identifier. It refers to the field, so renewing
    // identifiers leaves it alone.
    virtual const CUserFieldID& getID() const { return getUserFieldID(); }
    void setValue(const CString& text) { setValue(CProjectString(text)); }

protected:
    // A new default field, owned by the caller.
    virtual IUserField* createUserField() const = 0;
};

KELVARA_INTERFACE_ARRAY(UserFieldValue, CUserFieldID, true)
