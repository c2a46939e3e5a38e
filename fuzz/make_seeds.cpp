// Writes the small seed corpora of the fuzz targets: make_seeds <fuzz/corpus directory>.
#include <cstdio>
#include <string>
#include <vector>

#include "../tools/kelvara/Samples.h"
#include "KindLoaders.h"
#include "kelvara/schedule/CLink.h"

namespace {

void write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// Stores a few links; version 192 archives carry no index entries, so they are built by hand.
std::vector<std::uint8_t> links(int count, int fileVersion) {
    CLinkArray array;
    for (int i = 0; i < count; ++i) {
        CLink link;
        link.setDelay(CProjectDuration(i * 1000));
        array.Add(link);
    }
    CKelvaraArchive ar;
    if (fileVersion >= 193) {
        array.Serialize(ar);
    } else {
        ar.checkMarkerStart("CUniquePointerArray");
        ar << array.GetSize();
        for (int i = 0; i < array.GetSize(); ++i) array.getWritableReference(i).Serialize(ar);
        ar.checkMarkerEnd("CUniquePointerArray");
    }
    return ar.takeBuffer();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : "fuzz/corpus";
    for (int n : {0, 1, 3}) {
        write(dir + "/link_array_192_fuzzer/links" + std::to_string(n), links(n, 192));
        write(dir + "/link_array_250_fuzzer/links" + std::to_string(n), links(n, 250));
    }
    CKelvaraArchive ar;
    ar << BYTE(7);
    ar.checkMarkerStart("Link");
    ar << BYTE(4) << CString(L"text \u00e9\U0001F600") << BYTE(0) << 42 << BYTE(6) << 3;
    ar.checkMarkerEnd("Link");
    write(dir + "/archive_fuzzer/mixed", ar.takeBuffer());
    CProjectDocument project;
    buildSampleProject(project, 1);
    write(dir + "/project_fuzzer/sample", project.save());
    write(dir + "/project_fuzzer/empty", CProjectDocument().save());

    // kinds_fuzzer: every kind's default record, and the first of each root in the sample.
    int index = 0;
    const auto seed = [&](const char* name, auto& object) {
        CKelvaraArchive out;
        out << static_cast<BYTE>(index) << BYTE(0);
        object.Serialize(out);
        write(dir + "/kinds_fuzzer/" + name, out.takeBuffer());
    };
#define KELVARA_SEED_KIND_(Thing, Identifier, Iteration, Role, Folder)                              \
    {                                                                                            \
        C##Thing fresh;                                                                          \
        seed(#Thing, fresh);                                                                     \
        KELVARA_IF_ROOT_##Role(if (project.get##Thing##Root().getArray().GetSize() > 0)          \
                                   seed(#Thing "-sample", project.get##Thing##Root().getArray().getWritableReference(0));) \
        ++index;                                                                                 \
    }
    KELVARA_KINDS(KELVARA_SEED_KIND_)
#undef KELVARA_SEED_KIND_
    // The entity state array: one state with every part, one locked, one empty.
    CEntityStateArray states;
    CEntityState full;
    CGraphicalTransform lift;
    lift.setAsTranslation(CGraphicalVector3D(0, 0, 3));
    full.setTransform(lift);
    full.setColorLock(CProjectColorRGB(0.8f, 0.2f, 0.1f));
    full.setTransparencyLock(CProjectInt(40));
    full.setDynamicTransparency(CProjectInt(70));
    full.setCuttingPlane(CPlane(0.0f, 0.0f, 1.0f, -1.5f));
    full.setPathKey(CPathKey());
    states.Add(full);
    CEntityState locked;
    locked.setColorLock(CProjectColorRGB(0.0f, 1.0f, 0.0f));
    states.Add(locked);
    states.Add(CEntityState());
    seed(kelvara::fuzz::kExtraLoaderNames[0], states);
    ++index;
    // A geometry bundle with a kind of every shape: points, buffers, vertex data and a material.
    CGeometryArray geometry;
    CGraphicalPoint3DArray square;
    square.Add(CGraphicalPoint3D(0, 0, 0));
    square.Add(CGraphicalPoint3D(1, 0, 0));
    square.Add(CGraphicalPoint3D(1, 1, 0));
    square.Add(CGraphicalPoint3D(0, 1, 0));
    CMesh mesh(2, 2, square);
    (*mesh.allocateVertexParameters()).setVertexNormalsBufferSize(12, true);
    (*(*mesh.allocateVertexParameters()).allocateGeometryMaterial()).setColorDefinition("Diffuse=1 0 0;");
    geometry.getWritableMeshes().Add(mesh);
    const float knots[] = {0, 0, 1, 1};
    geometry.getWritableNurbsCurves().Add(CNURBSCurve(square, 1, 4, knots, 0, nullptr, 0.0, 1.0));
    geometry.getWritableCylinders().Add(CCylinder(0.25, CGraphicalPoint3D(0, 0, 0), CGraphicalPoint3D(0, 0, 3), CCapStyle(3)));
    geometry.getWritablePolyLine3Ds().AddPointSetAsPolyline(square);
    seed(kelvara::fuzz::kExtraLoaderNames[1], geometry);
    return 0;
}
