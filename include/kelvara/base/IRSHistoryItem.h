// One entry of a resource-state history: the state a resource entered, when that applies, when the
// entry was recorded, by whom and with which note. A new item has a freshly generated identifier.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_RSHistoryItem(F)                                                  \
    F(VALUE, CProjectTime, Time, {}, 1)                                                  \
    F(VALUE, CProjectTime, RecordTime, {}, 1)                                            \
    F(VALUE, CResourceStateID, StatusID, {}, 1)                                          \
    F(IDENTITY, CResourceStateHistoryItemID, ID, CResourceStateHistoryItemID::generated(), 1) \
    F(VALUE, CProjectBool, Critical, CProjectBool(false), 1)                             \
    F(VALUE, CUserID, UserID, {}, 1)                                                     \
    F(VALUE, CProjectString, Note, {}, 1)

class IRSHistoryItem : public CRecord<IRSHistoryItem> {
    KELVARA_INTERFACE(RSHistoryItem)
    KELVARA_RECORD(IRSHistoryItem, "ResourceStateHistoryItem", KELVARA_FIELDS_RSHistoryItem)
};
