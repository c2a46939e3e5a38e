#include "kelvara/base/Identifiers.h"

// One instantiation of each identifier array, shared by every user.
#define KELVARA_INSTANTIATE_ID_ARRAY_(Name, Tag) template class CIDPointerArray<Name>;
KELVARA_IDENTIFIER_KINDS(KELVARA_INSTANTIATE_ID_ARRAY_)
template class CIDPointerArray<CIDBase>;
