// The owner's operations on a lazy list (one held by std::unique_ptr, absent while empty): add or
// insert, change, remove. They keep the list's one invariant: it exists only while it holds
// something, so a refused first insertion or the removal of the last element leaves no empty list.
// The answers report what was stored, never a refused insertion as success.
#pragma once

#include <memory>

#include "kelvara/framework/ArrayHandles.h"

namespace kelvara::detail {

// Appends (index -1) or inserts at index (0..count), creating the list on demand. Answers the
// stored element, or null when nothing was stored (an index outside -1..count, an identifier
// already listed); the list is released again when it was created for nothing. With at, also
// gives the stored element's position there, or -1.
template <class Owned, class Item>
auto* addToLazyList(std::unique_ptr<Owned>& slot, const Item& item, int index, int* at = nullptr) {
    using Stored = decltype(slot->Add(index, item));
    if (at) *at = -1;
    if (index < -1) return Stored{nullptr};
    int position = index;
    Stored added = allocateList(slot).Add(position, item);
    releaseListIfEmpty(slot);
    if (at && added) *at = position;
    return added;
}

// Copies item into the element of its identifier; false when absent or there is no list.
template <class Owned, class Item>
bool changeInLazyList(const std::unique_ptr<Owned>& slot, const Item& item) {
    return slot && slot->changeElement(item);
}

// Removes the element of id and releases the list when it is left empty; false when absent.
template <class Owned, class ID>
bool removeFromLazyList(std::unique_ptr<Owned>& slot, const ID& id) {
    if (!slot || !slot->Remove(id)) return false;
    releaseListIfEmpty(slot);
    return true;
}

}  // namespace kelvara::detail
