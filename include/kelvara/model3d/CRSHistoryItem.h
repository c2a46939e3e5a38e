// The stored resource-state history item (see IRSHistoryItem). A new item has a fresh identifier,
// unset times, a null state and user, is not critical and has no note.
#pragma once

#include "kelvara/base/IRSHistoryItem.h"
#include "kelvara/framework/Family.h"

class CRSHistoryItem : public IRSHistoryItem {
    KELVARA_OBJECT(RSHistoryItem)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_RSHistoryItem)

public:
    ~CRSHistoryItem() override = default;
};

KELVARA_KIND_FAMILY(RSHistoryItem)
