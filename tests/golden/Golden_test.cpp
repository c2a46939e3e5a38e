// The stored format, pinned. Every kind of the registry has a golden record written from a fixed
// seed (tests/golden/kinds/<Kind>.kva); the hand-written layouts have theirs at file versions on
// both sides of each layout change (tests/golden/layouts/); tests/golden/schema.txt is the
// schema text. Each is compared byte for byte with what the code stores today and loaded back.
//
// A format change must be deliberate. When it is, regenerate the files and say why in the commit:
//   KELVARA_REGENERATE_GOLDEN=1 build/kelvara_tests --gtest_filter='Golden*'
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "ArchiveTesting.h"
#include "kelvara/document/CProjectDocument.h"
#include "kelvara/document/Schema.h"
#include "kelvara/framework/UniqueObjectPointerArray.h"
#include "kelvara/model3d/CGraphicalMaterialArray.h"
#include "kelvara/model3d/CEntityState.h"
#include "kelvara/model3d/CMapNameToTextureDefinition.h"
#include "kelvara/model3d/CRSHistory.h"
#include "kelvara/platform/Guid.h"
#include "property/KindTests.h"

namespace kelvara::test {
namespace {

constexpr std::uint64_t kGoldenSeed = 20261207;
const char* const kHowToRegenerate =
    "\nIf this format change is intended, regenerate the golden files with\n"
    "  KELVARA_REGENERATE_GOLDEN=1 build/kelvara_tests --gtest_filter='Golden*'\n"
    "and say in the commit why the format changed.";

std::string goldenPath(const std::string& name) { return std::string(KELVARA_SOURCE_DIR) + "/tests/golden/" + name; }
bool regenerating() { return std::getenv("KELVARA_REGENERATE_GOLDEN") != nullptr; }

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

// Compares bytes with the golden file name (or rewrites it when regenerating).
void matchGolden(const std::string& name, const Bytes& bytes) {
    const std::string path = goldenPath(name);
    if (regenerating()) {
        writeFile(path, bytes);
        return;
    }
    const Bytes golden = readFile(path);
    ASSERT_FALSE(golden.empty()) << "missing golden file " << path << kHowToRegenerate;
    if (golden == bytes) return;
    std::size_t at = 0;
    while (at < golden.size() && at < bytes.size() && golden[at] == bytes[at]) ++at;
    ADD_FAILURE() << name << ": the stored bytes differ from the golden file at offset " << at << " (golden "
                  << golden.size() << " bytes, now " << bytes.size() << ")" << kHowToRegenerate;
}

template <class T>
Bytes storeAt(T& object, int version) {
    CKelvaraArchive ar(CKelvaraArchive::StoreAtVersion{version});
    object.Serialize(ar);
    return ar.takeBuffer();
}

// Stores `stored` at version and matches it with the golden file name; then loads the golden file
// into `loaded` and checks that it stores the same bytes again. False when regenerating.
template <class T>
bool matchLayout(const std::string& name, int version, T& stored, T& loaded) {
    matchGolden(name, storeAt(stored, version));
    if (regenerating()) return false;
    const Bytes golden = readFile(goldenPath(name));
    load(loaded, golden, version);
    EXPECT_EQ(storeAt(loaded, version), golden) << name << " does not store back as the same bytes";
    return true;
}

// A kind's record from the fixed seed: it matches its golden file, and the golden file loads into
// an equal object that stores the same bytes again.
template <class C>
void checkKind(const char* kind) {
    SCOPED_TRACE(kind);
    seedGuidGenerator(kGoldenSeed);
    Rng rng(kGoldenSeed);
    C object;
    fillRandom(object, rng);
    matchGolden(std::string("kinds/") + kind + ".kva", store(object));
    if (regenerating()) return;
    C loaded;
    load(loaded, readFile(goldenPath(std::string("kinds/") + kind + ".kva")));
    EXPECT_TRUE(loaded == object) << "the golden record loads into a different object";
    EXPECT_EQ(store(loaded), store(object));
}

#define KELVARA_GOLDEN_KIND_TEST(Thing, Identifier, Iteration, Role, Folder) \
    TEST(GoldenKinds, Thing) { checkKind<C##Thing>(#Thing); }
KELVARA_KINDS(KELVARA_GOLDEN_KIND_TEST)
#undef KELVARA_GOLDEN_KIND_TEST

TEST(GoldenSchema, MatchesTheCheckedInSchema) {
    const std::string schema = describeSchema();
    const std::string path = goldenPath("schema.txt");
    if (regenerating()) {
        writeFile(path, Bytes(schema.begin(), schema.end()));
        return;
    }
    const Bytes golden = readFile(path);
    EXPECT_EQ(std::string(golden.begin(), golden.end()), schema)
        << "the record schema differs from tests/golden/schema.txt (a field was added, removed, moved, renamed, "
           "retyped or given another default)"
        << kHowToRegenerate;
}

// A few elements of a kind, deterministic, for the list layouts.
template <class C, class Array>
Array sampleList(int count, std::uint64_t seed) {
    seedGuidGenerator(seed);
    Rng rng(seed);
    Array list;
    for (int i = 0; i < count; ++i) {
        C element;
        fillRandom(element, rng);
        element.generateIDs();
        list.Add(element);
    }
    return list;
}

// The object-array record before version 193 (no ordered-index entries) and from it on.
TEST(GoldenLayouts, ObjectArrayOnBothSidesOfTheIndexedLayout) {
    CLinkArray links = sampleList<CLink, CLinkArray>(4, kGoldenSeed);
    for (const int version : {192, 193}) {
        SCOPED_TRACE(version);
        CLinkArray loaded;
        if (matchLayout("layouts/LinkArray-v" + std::to_string(version) + ".kva", version, links, loaded)) {
            EXPECT_TRUE(loaded == links);
        }
    }
}

// The iterable form stores in identifier order through its array handle.
TEST(GoldenLayouts, IterableArrayOnBothSidesOfTheIndexedLayout) {
    CUserFieldValueArray values = sampleList<CUserFieldValue, CUserFieldValueArray>(4, kGoldenSeed + 1);
    for (const int version : {192, 193}) {
        SCOPED_TRACE(version);
        CUserFieldValueArrayHandle handle(&values);
        CUserFieldValueArray loaded;
        CUserFieldValueArrayHandle into(&loaded);
        if (!matchLayout("layouts/UserFieldValueArray-v" + std::to_string(version) + ".kva", version, handle, into))
            continue;
        // Loaded in identifier order, whatever the order they were added in.
        ASSERT_EQ(loaded.GetSize(), values.GetSize());
        for (int i = 0; i < loaded.GetSize(); ++i)
            EXPECT_TRUE(loaded.getConstReference(i) == values.getConstReference(values.getOrderedIndex(i)));
    }
}

// Name-keyed maps: a key record before each entry before version 41, none from it on.
TEST(GoldenLayouts, NameKeyedMapOnBothSidesOfTheKeyedLayout) {
    seedGuidGenerator(kGoldenSeed + 2);
    Rng rng(kGoldenSeed + 2);
    CMapNameToTextureDefinition map;
    for (const wchar_t* name : {L"brick", L"concrete", L"glass"}) {
        CTextureDefinition texture;
        fillRandom(texture, rng);
        texture.setName(CProjectString(name));
        texture.setID(CTextureDefinitionID::generated());  // a null one would be renewed on loading
        map.set(name, texture);
    }
    for (const int version : {40, 41}) {
        SCOPED_TRACE(version);
        CMapNameToTextureDefinition loaded;
        if (matchLayout("layouts/TextureMap-v" + std::to_string(version) + ".kva", version, map, loaded)) {
            EXPECT_TRUE(loaded == map);
        }
    }
}

// The material array (a plain pointer array of hand-written material records).
TEST(GoldenLayouts, MaterialArray) {
    seedGuidGenerator(kGoldenSeed + 3);
    Rng rng(kGoldenSeed + 3);
    CGraphicalMaterialArray materials;
    for (int i = 0; i < 3; ++i) {
        CGraphicalMaterial material;
        fillRandom(material, rng);
        materials.Add(material);
    }
    CGraphicalMaterialArray loaded;
    if (matchLayout("layouts/GraphicalMaterialArray.kva", CKelvaraArchive::kCurrentFileVersion, materials, loaded)) {
        EXPECT_TRUE(loaded == materials);
    }
}

// A whole project file: every root holds a few elements.
TEST(GoldenLayouts, ProjectFile) {
    CProjectDocument project;
    std::uint64_t seed = kGoldenSeed + 4;
#define KELVARA_GOLDEN_ROOT(Thing, Identifier, Iteration, Role, Folder) \
    KELVARA_IF_ROOT_##Role(project.get##Thing##Root().getArray() = sampleList<C##Thing, C##Thing##Array>(2, seed++);)
    KELVARA_KINDS(KELVARA_GOLDEN_ROOT)
#undef KELVARA_GOLDEN_ROOT
    seedGuidGenerator(seed);
#define KELVARA_GOLDEN_ROOT_ID(Thing, Identifier, Iteration, Role, Folder) \
    KELVARA_IF_ROOT_##Role(project.get##Thing##Root().setID(Identifier::generated());)
    KELVARA_KINDS(KELVARA_GOLDEN_ROOT_ID)
#undef KELVARA_GOLDEN_ROOT_ID
    const Bytes file = project.save();
    matchGolden("layouts/project.kvp", file);
    if (regenerating()) return;
    const Bytes golden = readFile(goldenPath("layouts/project.kvp"));
    CProjectDocument loaded;
    loaded.load(golden.data(), golden.size());
    EXPECT_TRUE(loaded == project);
}

// The resource-state history's own record: items in time order, whatever order they were added in.
TEST(GoldenLayouts, ResourceStateHistory) {
    seedGuidGenerator(kGoldenSeed + 5);
    Rng rng(kGoldenSeed + 5);
    CRSHistory history;
    for (const std::int64_t day : {9, 1, 5, 5}) {
        CRSHistoryItem item;
        fillRandom(item, rng);
        item.setTime(CProjectTime(day * 86400000));
        history.Add(item);
    }
    CRSHistory loaded;
    if (matchLayout("layouts/ResourceStateHistory.kva", CKelvaraArchive::kCurrentFileVersion, history, loaded)) {
        EXPECT_TRUE(loaded == history);
    }
}

// Entity states have no record of their own: presence flags, then the parts.
TEST(GoldenLayouts, EntityStateArray) {
    CEntityStateArray states;
    states.Add(CEntityState());
    CEntityState locked;
    CGraphicalTransform turn;
    turn.setAsRotation_Z(30.0f);
    locked.setTransform(turn);
    locked.setColorLock(CProjectColorRGB(1.0f, 0.5f, 0.0f));
    locked.setTransparencyLock(CProjectInt(30));
    states.Add(locked);
    CEntityState animated;
    animated.setDynamicTransparency(CProjectInt(60));
    animated.setCuttingPlane(CPlane(0.0f, 0.0f, 1.0f, -2.5f));
    CPathKey key;
    key.setID(CKeyFrameID(CString(L"6c1f0e52-4b8a-4d3e-9a71-2f5b8c9d0e13")));
    key.setTick(2500);
    key.setPosition(CGraphicalPoint3D(4.0f, 0.0f, 12.5f));
    animated.setPathKey(key);
    states.Add(animated);
    CEntityStateArray loaded;
    if (matchLayout("layouts/EntityStateArray.kva", CKelvaraArchive::kCurrentFileVersion, states, loaded)) {
        EXPECT_TRUE(loaded == states);
    }
}

}  // namespace
}  // namespace kelvara::test
