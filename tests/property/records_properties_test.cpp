#include "property/FieldProperties.h"
#include "property/RandomSchedule.h"
#include "kelvara/schedule/CCode.h"
#include "kelvara/schedule/CCost.h"
#include "kelvara/schedule/CSupplyChain.h"
#include "kelvara/schedule/CTaskCategory.h"
#include "kelvara/schedule/CTaskReport.h"
#include "kelvara/schedule/CTaskState.h"
#include "kelvara/schedule/CUserField.h"
#include "kelvara/schedule/CUserFieldValue.h"

KELVARA_FIELD_PROPERTY_TESTS(CCode)
KELVARA_FIELD_PROPERTY_TESTS(CCodeValue)
KELVARA_FIELD_PROPERTY_TESTS(CUserField)
KELVARA_FIELD_PROPERTY_TESTS(CUserFieldValue)
KELVARA_FIELD_PROPERTY_TESTS(CTaskState)
KELVARA_FIELD_PROPERTY_TESTS(CTaskCategory)
KELVARA_FIELD_PROPERTY_TESTS(CCost)
KELVARA_FIELD_PROPERTY_TESTS(CTaskReport)
KELVARA_FIELD_PROPERTY_TESTS(CSupplyChain)
