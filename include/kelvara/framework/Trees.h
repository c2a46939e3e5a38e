// Walks over trees of a kind that holds a list of its own kind (code values, paths, resource
// states, document folders). Reads only; safe on shared trees.
#pragma once

#include <type_traits>

namespace kelvara::detail {

// Whether target is root itself or lies anywhere under it, following children (the interface's
// getter of the list of its own kind). Attaching target under root would then make a cycle.
template <class I, class H>
[[nodiscard]] bool inSubtree(const std::type_identity_t<I>& root, const std::type_identity_t<I>* target,
                             H (I::*children)() const) {
    if (&root == target) return true;
    const H list = (root.*children)();
    for (int i = 0; i < list.GetSize(); ++i)
        if (inSubtree<I, H>(*list[i], target, children)) return true;
    return false;
}

}  // namespace kelvara::detail
