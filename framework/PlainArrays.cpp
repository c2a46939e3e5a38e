#include "kelvara/framework/PlainArrays.h"

template class CNonUniqueValueArray<CProjectInt>;
