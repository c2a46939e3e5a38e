// Loads a link array at a given file version from arbitrary bytes. When the load succeeds the
// array must be consistent: every element is found by its identifier, and storing then loading
// it again gives an equal array.
#pragma once

#include <cstdlib>

#include "kelvara/schedule/CLink.h"

inline int fuzzLinkArray(const std::uint8_t* data, std::size_t size, int fileVersion) {
    CLinkArray links;
    try {
        CKelvaraArchive ar(data, size, fileVersion);
        links.Serialize(ar);
    } catch (const CArchiveException&) {
        if (links.GetSize() != 0) std::abort();  // a failed load leaves nothing behind
        return 0;
    }
    for (int p = 0; p < links.GetSize(); ++p) {
        const int found = links.findByID(links.getConstReference(p).getID());
        if (found < 0 || links.getConstReference(found).getID() != links.getConstReference(p).getID()) std::abort();
    }
    CKelvaraArchive out;
    links.Serialize(out);
    const auto bytes = out.takeBuffer();
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    CLinkArray again;
    again.Serialize(in);
    if (!(again == links)) std::abort();
    return 0;
}
