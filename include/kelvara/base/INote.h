// A dated, signed comment: who wrote it and when, who changed it last and when, a subject and a
// text. Issues keep their comment thread as notes.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_Note(F)                              \
    F(IDENTITY, CNoteID, ID, CNoteID::generated(), 1)       \
    F(TEXT, CProjectString, Subject, {}, 1)                 \
    F(TEXT, CProjectString, Text, {}, 1)                    \
    F(VALUE, CUserID, CreatedUserID, {}, 1)                 \
    F(VALUE, CUserID, UpdatedUserID, {}, 1)                 \
    F(VALUE, CProjectTime, CreatedTimestamp, {}, 1)         \
    F(VALUE, CProjectTime, UpdatedTimestamp, {}, 1)

class INote : public CRecord<INote> {
    KELVARA_INTERFACE(Note)
    KELVARA_RECORD(INote, "Note", KELVARA_FIELDS_Note)
};
