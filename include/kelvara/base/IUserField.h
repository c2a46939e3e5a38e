// The definition of an extra attribute of tasks or resources: its type and category, a formula,
// and how it is shown (colour, check, limit and drawing flags).
#pragma once

#include "kelvara/base/ScheduleEnumerations.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(UserField)

#define KELVARA_USER_FIELD_FIELDS(F)                    \
    F(IDENTITY, CUserFieldID, ID)                       \
    F(TEXT, CProjectString, Name)                       \
    F(VALUE, CProjectString, Commentary)                \
    F(VALUE, CUserFieldType, Type)                      \
    F(VALUE, CUserFieldCategory, Category)              \
    F(VALUE, CProjectColorRGB, Color)                   \
    F(VALUE, CProjectBool, Check)                       \
    F(VALUE, CProjectBool, Limit)                       \
    F(VALUE, CProjectBool, Draw)                        \
    F(VALUE, CProjectBool, DrawCumulative)              \
    F(VALUE, CProjectString, Formula)                   \
    F(VALUE, CUserFieldDisciplineType, Discipline)

class IUserField : public CRecord<IUserField> {
    KELVARA_INTERFACE(UserField)
    KELVARA_RECORD(IUserField, "UserField", KELVARA_USER_FIELD_FIELDS)

public:
    // Defaults: a fresh identifier, no name, commentary or formula, a text field of tasks without
    // discipline, drawn in black, with every flag set to false.
    void initialize();
};

KELVARA_INTERFACE_ARRAY(UserField, CUserFieldID, false)
