// The stored form of a note (see INote). A new note has a fresh identifier and nothing else set.
#pragma once

#include "kelvara/base/INote.h"
#include "kelvara/framework/Family.h"

class CNote : public INote {
    KELVARA_OBJECT(Note)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Note)

public:
    ~CNote() override = default;
};

KELVARA_KIND_FAMILY(Note)
