// Standard headers nearly every translation unit reads; precompiled once per target. Project
// headers stay out, so a file that forgets one of its own includes still fails to compile.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
