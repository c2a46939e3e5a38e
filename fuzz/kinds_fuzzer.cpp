// Feeds arbitrary bytes to the record loader of every kind of the registry (see KindLoaders.h).
// Any outcome but a clean load or CArchiveException is a finding.
#include "KindLoaders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvara::fuzz;
    if (size < 2) return 0;
    const KindLoader load = kKindLoaders[data[0] % std::size(kKindLoaders)];
    const int version = kFuzzVersions[data[1] % std::size(kFuzzVersions)];
    CKelvaraArchive ar(data + 2, size - 2, version);
    try {
        load(ar);
    } catch (const CArchiveException&) {
    }
    return 0;
}
