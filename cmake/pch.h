// Headers nearly every translation unit reads; precompiled once per target.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "kelvara/base/Kinds.h"
