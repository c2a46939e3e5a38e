#include <gtest/gtest.h>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CMapNameToTextureDefinition.h"
#include "kelvara/model3d/CMapStringToGraphicalImage.h"

using kelvara::test::craft;
using kelvara::test::load;
using kelvara::test::store;

namespace {

CTextureDefinition texture(const wchar_t* name, const wchar_t* definition) {
    CTextureDefinition t{CString(name), CString(definition)};
    t.generateIDs();
    return t;
}

CGraphicalImage image(const wchar_t* name, unsigned char fill) {
    CGraphicalImage i;
    i.generateIDs();
    i.setName(CProjectString(name));
    const unsigned char bytes[3] = {fill, fill, fill};
    i.setImage(CGraphicalImageFormat(CGraphicalImageFormat::RawRGB), 1, 1, bytes, 3);
    return i;
}

}  // namespace

TEST(MapNameToTextureDefinition, SetCopiesAndAlignsTheNameWithTheKey) {
    CMapNameToTextureDefinition map;
    const CTextureDefinition wood = texture(L"wood", L"wood.png");
    map.set(L"oak", wood);
    map.set(L"wood", wood);
    map.set(nullptr, wood);
    ASSERT_EQ(map.GetCount(), 3);
    const CTextureDefinition* oak = map.PLookup(L"oak");
    const CTextureDefinition* same = map.PLookup(L"wood");
    ASSERT_TRUE(oak && same && map.PLookup(L""));
    EXPECT_EQ(oak->getName().getValue(), CString(L"oak"));
    EXPECT_TRUE(oak->getDefinition() == wood.getDefinition() && oak->getID() == wood.getID());
    EXPECT_TRUE(*same == wood);

    // Aligned names make the map read back exactly as it was stored.
    CMapNameToTextureDefinition loaded;
    load(loaded, store(map), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_TRUE(loaded == map);
}

TEST(MapNameToTextureDefinition, EqualityIgnoresOrderAndCopiesAreDeep) {
    CMapNameToTextureDefinition a, b;
    const CTextureDefinition t1 = texture(L"a", L"1"), t2 = texture(L"b", L"2");
    a.set(L"a", t1);
    a.set(L"b", t2);
    b.set(L"b", t2);
    b.set(L"a", t1);
    EXPECT_TRUE(a == b);

    CMapNameToTextureDefinition c(a);
    CTextureDefinition* entry = c.PLookup(L"a");
    ASSERT_NE(entry, nullptr);
    entry->setDefinition(CProjectString(L"changed"));
    EXPECT_TRUE(a != c);
    c = a;
    c.copyFrom(c);
    EXPECT_TRUE(a == c);

    b.RemoveKey(L"b");
    b.set(L"c", t2);
    EXPECT_TRUE(a != b);  // same count, a name missing
}

TEST(MapNameToTextureDefinition, StoresSortedRecordsUnderTheCurrentMarker) {
    CMapNameToTextureDefinition map;
    for (const wchar_t* name : {L"pine", L"Birch", L"ash", L"oak"}) map.set(name, texture(name, L"x"));
    const auto bytes = store(map);
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    in.checkMarkerStart("CMapNameToTextureDefinition");
    int count = 0;
    in >> count;
    ASSERT_EQ(count, 4);
    std::vector<CString> names;
    for (int i = 0; i < count; ++i) {
        CTextureDefinition t;
        t.Serialize(in);
        names.push_back(t.getName().getValue());
    }
    in.checkMarkerEnd("CMapNameToTextureDefinition");
    EXPECT_EQ(names, (std::vector<CString>{L"Birch", L"ash", L"oak", L"pine"}));
}

TEST(MapNameToTextureDefinition, ReadsVersion40FilesWithStoredKeys) {
    CTextureDefinition withID = texture(L"stored name", L"first");
    const CTextureDefinitionID keptID = withID.getID();
    CTextureDefinition without{CString(L"other"), CString(L"second")};
    CTextureDefinitionID unsetID;
    unsetID.unset();
    without.setID(unsetID);
    CTextureDefinition replaced = texture(L"x", L"overwritten");
    const auto bytes = craft([&](CKelvaraArchive& ar) {
        ar.checkMarkerStart("CMapNameToString");
        ar << 3;
        CProjectString(L"b").Serialize(ar);
        replaced.Serialize(ar);
        CProjectString(L"a").Serialize(ar);
        withID.Serialize(ar);
        CProjectString(L"b").Serialize(ar);  // a later record under the same key wins
        without.Serialize(ar);
        ar.checkMarkerEnd("CMapNameToString");
    });
    CMapNameToTextureDefinition map;
    map.set(L"stale", texture(L"stale", L""));
    load(map, bytes, 40);
    ASSERT_EQ(map.GetCount(), 2);
    const CTextureDefinition* a = map.PLookup(L"a");
    const CTextureDefinition* b = map.PLookup(L"b");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->getName().getValue(), CString(L"a"));
    EXPECT_TRUE(a->getID() == keptID);
    EXPECT_EQ(b->getDefinition().getValue(), CString(L"second"));
    EXPECT_TRUE(b->getID().isValidNotNull());

    // The old marker is wrong for a current file, and the current one for an old file.
    CMapNameToTextureDefinition other;
    CKelvaraArchive current(bytes.data(), bytes.size(), 41);
    EXPECT_THROW(other.Serialize(current), CArchiveException);
    const auto fresh = store(map);
    CKelvaraArchive old(fresh.data(), fresh.size(), 40);
    EXPECT_THROW(other.Serialize(old), CArchiveException);
}

TEST(MapNameToTextureDefinition, MalformedCountsAbortAndLeaveTheMapEmpty) {
    for (const int count : {-1, 1 << 28}) {
        const auto bytes = craft([count](CKelvaraArchive& ar) {
            ar.checkMarkerStart("CMapNameToTextureDefinition");
            ar << count;
            ar.checkMarkerEnd("CMapNameToTextureDefinition");
        });
        CMapNameToTextureDefinition map;
        map.set(L"a", texture(L"a", L""));
        CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        EXPECT_THROW(map.Serialize(in), CArchiveException);
        EXPECT_EQ(map.GetCount(), 0);
    }
}

TEST(MapStringToGraphicalImage, RoundTripAndOldFilesUseOneMarker) {
    CMapStringToGraphicalImage map;
    map.set(L"sky", image(L"sky", 1));
    map.set(L"ground", image(L"ground", 2));
    CMapStringToGraphicalImage loaded;
    load(loaded, store(map), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_TRUE(loaded == map);
    CGraphicalImage* sky = loaded.PLookup(L"sky");
    ASSERT_NE(sky, nullptr);
    sky->setNameOnImport(CProjectString(L"imported"));
    EXPECT_TRUE(loaded != map);

    CGraphicalImage nameless = image(L"ignored", 3);
    nameless.setID(CGraphicalImageID());
    const auto bytes = craft([&](CKelvaraArchive& ar) {
        ar.checkMarkerStart("CMapStringToGraphicalImage");
        ar << 1;
        CProjectString(L"horizon").Serialize(ar);
        nameless.Serialize(ar);
        ar.checkMarkerEnd("CMapStringToGraphicalImage");
    });
    load(loaded, bytes, 40);
    ASSERT_EQ(loaded.GetCount(), 1);
    const CGraphicalImage* horizon = loaded.PLookup(L"horizon");
    ASSERT_NE(horizon, nullptr);
    EXPECT_TRUE(horizon->getID().isValidNotNull());
    EXPECT_EQ(horizon->getName().getValue(), CString(L"horizon"));
    EXPECT_EQ(horizon->getSize(), 3);
}
