#include <gtest/gtest.h>

#include "kelvara/model3d/CIRayMaterial.h"
#include "property/FieldProperties.h"
#include "property/RandomMaterials.h"

namespace {

CIRayMaterialDefinition glass() {
    CIRayMaterialDefinition d;
    d.setName(CProjectString(L"glass"));
    d.addAttr(CProjectString(L"roughness"), CProjectString(L"float"));
    d.addAttr(CProjectString(L"ior"), CProjectString(L"float"));
    d.addAttr(CProjectString(L"tint"), CProjectString(L"color"));
    return d;
}

std::vector<std::uint8_t> plainStored(auto& record) {
    CArchive ar;
    record.Serialize(ar);
    return ar.takeBuffer();
}

}  // namespace

TEST(IRayMaterialDefinition, AttributesAreUniqueAndWalkedInNameOrder) {
    CIRayMaterialDefinition d = glass();
    d.addAttr(CProjectString(L"ior"), CProjectString(L"double"));  // overwrites
    EXPECT_EQ(d.getAttrCount(), 3u);
    CProjectString type;
    ASSERT_TRUE(d.findType(type, CProjectString(L"ior")));
    EXPECT_EQ(type.getValue(), CString(L"double"));
    EXPECT_FALSE(d.findType(type, CProjectString(L"missing")));

    std::vector<CString> names;
    CProjectString name;
    d.beginAttrIterator();
    while (d.getNextAttr(name, type)) names.push_back(name.getValue());
    EXPECT_EQ(names, (std::vector<CString>{L"ior", L"roughness", L"tint"}));
    EXPECT_FALSE(d.getNextAttr(name, type));  // stays at the end

    // The walk survives changes to the map.
    d.beginAttrIterator();
    ASSERT_TRUE(d.getNextAttr(name, type));        // "ior"
    d.addAttr(CProjectString(L"a"), CProjectString(L"int"));
    d.addAttr(CProjectString(L"j"), CProjectString(L"int"));
    ASSERT_TRUE(d.getNextAttr(name, type));
    EXPECT_EQ(name.getValue(), CString(L"j"));      // entries before the cursor are not revisited
    d.copyFrom(glass());                           // the walk's entries are replaced
    ASSERT_TRUE(d.getNextAttr(name, type));
    EXPECT_EQ(name.getValue(), CString(L"ior"));
}

TEST(IRayMaterialDefinition, PlainArchiveKeepsTheNameTextAndRefusesBadCounts) {
    CIRayMaterialDefinition d = glass();
    CProjectString unset(L"glass");
    unset.unset();
    d.setName(unset);
    const auto bytes = plainStored(d);
    CArchive in(bytes.data(), bytes.size());
    CIRayMaterialDefinition loaded;
    loaded.addAttr(CProjectString(L"stale"), CProjectString(L"x"));
    loaded.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_TRUE(loaded.getName().isValid());  // the form carries the text only
    EXPECT_TRUE(loaded == d);
    EXPECT_EQ(loaded.getAttrCount(), 3u);

    CArchive out;
    out << CString(L"name") << -5;
    const auto negative = out.takeBuffer();
    CArchive bad(negative.data(), negative.size());
    EXPECT_THROW(loaded.Serialize(bad), CArchiveException);
}

TEST(IRayMaterialInstance, CarriesADefinitionAndValues) {
    CIRayMaterialInstance instance(glass());
    EXPECT_TRUE(*instance.getMaterialDefinition() == glass());
    instance.addValueAttr(CProjectString(L"ior"), CProjectString(L"1.5"));
    instance.addValueAttr(CProjectString(L"ior"), CProjectString(L"1.52"));
    instance.addValueAttr(CProjectString(L"tint"), CProjectString(L"0 0.1 0"));
    EXPECT_EQ(instance.getAttrValueCount(), 2u);
    CProjectString value;
    ASSERT_TRUE(instance.findValue(value, CProjectString(L"ior")));
    EXPECT_EQ(value.getValue(), CString(L"1.52"));

    CIRayMaterialInstance copy(instance);
    EXPECT_TRUE(copy == instance);
    copy.addValueAttr(CProjectString(L"tint"), CProjectString(L"1 1 1"));
    EXPECT_TRUE(copy != instance);

    // Loading replaces the values rather than merging into them.
    const auto bytes = plainStored(instance);
    CArchive in(bytes.data(), bytes.size());
    CIRayMaterialInstance loaded;
    loaded.addValueAttr(CProjectString(L"stale"), CProjectString(L"1"));
    loaded.Serialize(in);
    EXPECT_TRUE(loaded == instance);
    EXPECT_FALSE(loaded.findValue(value, CProjectString(L"stale")));
}

TEST(IRayMaterialInstance, RandomRecordsSurviveTheArchiveAndCopies) {
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        kelvara::test::Rng rng(seed);
        CIRayMaterialInstance a;
        kelvara::test::fillRandom(a, rng);
        CKelvaraArchive out;
        a.Serialize(out);
        const auto bytes = out.takeBuffer();
        CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        CIRayMaterialInstance b;
        b.Serialize(in);
        EXPECT_TRUE(a == b) << "seed " << seed;
        std::unique_ptr<IIRayMaterialInstance> c(a.clone());
        EXPECT_TRUE(*c == a);
    }
}
