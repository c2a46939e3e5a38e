// One object's text value for one user field. The value is keyed by its field's identifier: in a
// list of values (iterable, in identifier order) there is at most one value per field.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

class IUserField;


#define KELVARA_FIELDS_UserFieldValue(F) \
    F(TEXT, CProjectString, Value, {}, 1)        \
    F(VALUE, CUserFieldID, UserFieldID, {}, 1)   \
    F(VALUE, CProjectBool, Imported, false, 1)

class IUserFieldValue : public CRecord<IUserFieldValue> {
    KELVARA_INTERFACE(UserFieldValue)
    KELVARA_RECORD(IUserFieldValue, "UserFieldValue", KELVARA_FIELDS_UserFieldValue)

public:
    // The key in a list of values: the field's identifier. It refers to the field, so renewing
    // identifiers leaves it alone.
    virtual const CUserFieldID& getID() const { return getUserFieldID(); }

protected:
    // A new default field, owned by the caller.
    [[nodiscard]] virtual IUserField* createUserField() const = 0;
};

