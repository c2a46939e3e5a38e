#include "kelvara/base/Identifiers.h"

// One instantiation of each identifier array, shared by every user.
#define KELVARA_INSTANTIATE_WITH_ARRAY(Name) template class CIDPointerArray<Name>;
#define KELVARA_INSTANTIATE_NO_ARRAY(Name)
#define KELVARA_INSTANTIATE_ID_ARRAY_(Name, Tag, Array) KELVARA_INSTANTIATE_##Array(Name)
KELVARA_IDENTIFIER_KINDS(KELVARA_INSTANTIATE_ID_ARRAY_)
template class CIDPointerArray<CIDBase>;
