// The stored form of every record kind, as text: for each kind of the registry, its record name
// and its fields in stored order (entry kind, type, default, the file version each is stored
// since, the accessors it generates), then every enumeration those records store with its values
// and names. `kelvara schema`
// prints it and tests/golden/schema.txt pins it, so a field swapped, retyped, renamed, added or
// given another default changes it.
#pragma once

#include <string>

namespace kelvara {

[[nodiscard]] std::string describeSchema();

}  // namespace kelvara
