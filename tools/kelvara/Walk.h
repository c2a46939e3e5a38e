// Prints the record tree of an archive: marker names, offsets and lengths.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

struct WalkOptions {
    bool all = false;          // print every record, not just the first few of a run of siblings
    int maxDepth = 64;
};

// Throws CArchiveException when the bytes are not an archive (or a damaged project file).
void walkArchive(const std::vector<std::uint8_t>& bytes, const WalkOptions& options, std::FILE* out);
