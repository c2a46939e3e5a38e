#include "kelvara/model3d/CGraphicalMaterialArray.h"

bool CGraphicalMaterialArray::isEqualElements(int i, int j) const {
    if (i < 0 || j < 0 || i >= GetSize() || j >= GetSize()) return false;
    const CGraphicalMaterial& a = getConstReference(i);
    const CGraphicalMaterial& b = getConstReference(j);
    return &a == &b || a == b;
}

bool CGraphicalMaterialArray::isFirstElementSmaller(int i, int j) const {
    if (i < 0 || j < 0 || i >= GetSize() || j >= GetSize()) return false;
    const CGraphicalMaterial& a = getConstReference(i);
    const CGraphicalMaterial& b = getConstReference(j);
    return &a != &b && a < b;
}

bool CGraphicalMaterialArray::removeDuplicates(std::vector<int>& map) {
    const int n = GetSize();
    map.assign(static_cast<std::size_t>(n), 0);
    if (n < 2) return false;
    int unique = 1;  // positions 0 .. unique - 1 hold the distinct materials found so far
    for (int i = 1; i < n; ++i) {
        int match = -1;
        for (int u = 0; u < unique && match < 0; ++u)
            if (isEqualElements(u, i)) match = u;
        if (match >= 0) {
            map[static_cast<std::size_t>(i)] = match;
        } else {
            swapElements(unique, i);
            map[static_cast<std::size_t>(i)] = unique++;
        }
    }
    if (unique == n) return false;
    SetSize(unique);
    return true;
}
