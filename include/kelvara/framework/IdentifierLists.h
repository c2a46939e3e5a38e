// The owner's placing of one identifier in an identifier list (code values, document files, 3D
// representations). A list answers -1 on Add for an identifier it holds, but inserting at a
// position does not look (on an unsorted list it would list the identifier twice), so both forms
// here check for it first: no path lists an identifier twice, and -1 always means nothing stored.
#pragma once

#include "kelvara/base/IDPointerArray.h"

namespace kelvara::detail {

// -1 appends; an index in 0..count inserts there and answers it; any other index, or an
// identifier already listed, stores nothing and answers -1. (Code values, 3D representations.)
template <class ID>
int insertIdentifier(IIDPointerArray<ID>& list, const ID& id, int index) {
    if (index == -1) return list.Add(id);
    if (index < 0 || index > list.GetSize() || list.findByID(id) >= 0) return -1;
    list.InsertAt(index, id);
    return index;
}

// An index in 0..count inserts there, any other appends; answers the position, or -1 when the
// identifier is listed already. (Attached documents.)
template <class ID>
int placeIdentifier(IIDPointerArray<ID>& list, const ID& id, int index) {
    if (index < 0 || index > list.GetSize()) return list.Add(id);
    return insertIdentifier(list, id, index);
}

}  // namespace kelvara::detail
