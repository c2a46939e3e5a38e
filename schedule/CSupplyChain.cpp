#include "kelvara/schedule/CSupplyChain.h"

// The family is header-only: a supply chain has no list of its own.
