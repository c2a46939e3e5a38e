// The definition of an extra attribute of tasks or resources: its type and category, a formula,
// and how it is shown (colour, check, limit and drawing flags).
#pragma once

#include "kelvara/base/ScheduleEnumerations.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_UserField(F) \
    F(IDENTITY, CUserFieldID, ID, CUserFieldID::generated(), 1)                      \
    F(TEXT, CProjectString, Name, {}, 1)                                             \
    F(VALUE, CProjectString, Commentary, {}, 1)                                      \
    F(VALUE, CUserFieldType, Type, CUserFieldType::Text, 1)                          \
    F(VALUE, CUserFieldCategory, Category, CUserFieldCategory::Task, 1)              \
    F(VALUE, CProjectColorRGB, Color, (CProjectColorRGB(0.0f, 0.0f, 0.0f)), 1)       \
    F(VALUE, CProjectBool, Check, false, 1)                                          \
    F(VALUE, CProjectBool, Limit, false, 1)                                          \
    F(VALUE, CProjectBool, Draw, false, 1)                                           \
    F(VALUE, CProjectBool, DrawCumulative, false, 1)                                 \
    F(VALUE, CProjectString, Formula, {}, 1)                                         \
    F(VALUE, CUserFieldDisciplineType, Discipline, CUserFieldDisciplineType::None, 1)

class IUserField : public CRecord<IUserField> {
    KELVARA_INTERFACE(UserField)
    KELVARA_RECORD(IUserField, "UserField", KELVARA_FIELDS_UserField)

public:
};

