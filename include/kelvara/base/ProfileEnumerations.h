// Enumerations of use profiles (how an assignment shows its entities while a task runs) and of
// spatial use profiles (which test joins entities in space). Values are stored in files: never
// renumber them.
#pragma once

#include "kelvara/base/CKelvaraEnumeration.h"

// How an entity comes into view (or leaves it) during one stage of a use profile. Grow and Shrink
// move the visible part along the appearance's grow direction; None shows the change at once.
KELVARA_ENUMERATION(CUseProfileAnimationType,
                    (None, 0, "None"),
                    (Grow, 1, "Grow"),
                    (Shrink, 2, "Shrink"))

// What a task does to the resources it uses: installs them (new construction), removes them
// (demolition), uses them for a while (temporary works) or maintains them. The project constants
// give each a default colour.
KELVARA_ENUMERATION(CResourceProfileType,
                    (Install, 0, "Install"),
                    (Remove, 1, "Remove"),
                    (Temporary, 2, "Temporary"),
                    (Maintain, 3, "Maintain"))

// The spatial relation a join test looks for between entities: they intersect, they touch (within
// the tolerance), or they keep at least the tolerance apart.
KELVARA_ENUMERATION(CJoinTestProfileType,
                    (Intersection, 0, "Intersection"),
                    (Touching, 1, "Touching"),
                    (Clearance, 2, "Clearance"))
