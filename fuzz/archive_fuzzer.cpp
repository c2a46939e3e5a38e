// Drives the archive's readers over arbitrary bytes: every fixed width, both text forms, counts,
// nested records and skips, in an order chosen by the input itself. Any outcome but a clean
// result or CArchiveException is a finding.
#include <cstddef>
#include <cstdint>

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/base/Geometry.h"
#include "kelvara/base/Values.h"
#include "kelvara/base/Identifiers.h"

namespace {

const char* const kMarkers[] = {"Link", "CUniquePointerArray", "CIDPointerArray", "Project", "X"};

void drive(CKelvaraArchive& ar, int budget) {
    BYTE op = 0;
    while (budget-- > 0 && ar.remaining() > 0) {
        ar >> op;
        switch (op % 16) {
            case 0: { int v; ar >> v; break; }
            case 1: { bool v; ar >> v; break; }
            case 2: { double v; ar >> v; break; }
            case 3: { std::uint64_t v; ar >> v; break; }
            case 4: { CString s; ar >> s; break; }
            case 5: { CStringA s; ar >> s; break; }
            case 6: { (void)ar.readCount("fuzzed elements", 1 + op / 16); break; }
            case 7: {
                const char* marker = kMarkers[(op / 16) % std::size(kMarkers)];
                ar.checkMarkerStart(marker);
                drive(ar, budget / 2);
                ar.checkMarkerEnd(marker);
                break;
            }
            case 8: { CProjectString s; s.Serialize(ar); break; }
            case 9: { CProjectTime t; t.Serialize(ar); break; }
            case 10: { CProjectColorRGB c; c.Serialize(ar); break; }
            case 11: { CTaskIDArray ids; ids.Serialize(ar); break; }
            case 12: { CLinkID id; id.Serialize(ar); break; }
            case 13: { BYTE n; ar >> n; ar.skip(n); break; }
            case 14: { CGraphicalVector3D v; v.Serialize(ar); break; }
            default: { WORD w; ar >> w; break; }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CKelvaraArchive ar(data, size, CKelvaraArchive::kCurrentFileVersion);
    try {
        drive(ar, 256);
    } catch (const CArchiveException&) {
    }
    return 0;
}
