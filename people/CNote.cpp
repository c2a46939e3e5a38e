#include "kelvara/people/CNote.h"

KELVARA_DEFINE_KIND(Note)
