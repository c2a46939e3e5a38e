#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CGraphicalMaterial.h"
#include "kelvara/model3d/CGraphicalMaterialArray.h"

namespace {

using M = IGraphicalMaterial;

CGraphicalMaterialBuffer bufferOf(const std::string& text) {
    CGraphicalMaterialBuffer b;
    b.assign(text.data(), static_cast<int>(text.size()));
    return b;
}

std::string textOf(const CGraphicalMaterialBuffer& b) { return std::string(b.text()); }

CTextureDefinitionIDArray someTextures(int n) {
    CTextureDefinitionIDArray ids;
    for (int i = 0; i < n; ++i) {
        CTextureDefinitionID id;
        id.generate();
        ids.Add(id);
    }
    return ids;
}

}  // namespace

TEST(GraphicalMaterialBuffer, ReplacesFragmentsWithZerosAndKeepsTheRest) {
    CGraphicalMaterialBuffer b = bufferOf("abc");
    ASSERT_NE(b.replaceFragment(-1, -1, 4), nullptr);  // reset
    EXPECT_EQ(textOf(b), std::string(4, '\0'));
    EXPECT_EQ(b.replaceFragment(-5, -1, 0), nullptr);
    EXPECT_EQ(b.data(), nullptr);

    b = bufferOf("abcdef");
    ASSERT_NE(b.replaceFragment(2, 2, 4), nullptr);  // grow
    EXPECT_EQ(textOf(b), std::string("ab\0\0\0\0ef", 8));
    ASSERT_NE(b.replaceFragment(1, 6, 1), nullptr);  // shrink
    EXPECT_EQ(textOf(b), std::string("a\0f", 3));
    const char* before = b.data();
    EXPECT_EQ(b.replaceFragment(0, 1, 1), before);  // same length: zero-filled in place
    EXPECT_EQ(textOf(b), std::string("\0\0f", 3));
    ASSERT_NE(b.replaceFragment(3, 0, 2), nullptr);  // append at the end
    EXPECT_EQ(b.length(), 5);
    EXPECT_EQ(b.data()[5], '\0');  // a terminator always follows the counted bytes
}

TEST(GraphicalMaterialBuffer, RefusesRangesOutsideTheBuffer) {
    CGraphicalMaterialBuffer b = bufferOf("abcdef");
    const char* before = b.data();
    const int refused[][3] = {{-1, 2, 1}, {2, -1, 1}, {7, 0, 1}, {4, 3, 1}, {0, 7, 0}, {1, 1, -1}, {6, 1, 0}};
    for (const auto& r : refused) {
        EXPECT_EQ(b.replaceFragment(r[0], r[1], r[2]), nullptr) << r[0] << "," << r[1] << "," << r[2];
        EXPECT_EQ(b.data(), before);
        EXPECT_EQ(textOf(b), "abcdef");
    }
    EXPECT_NE(b.replaceFragment(6, 0, 1), nullptr);  // the end itself is inside
}

TEST(GraphicalMaterial, ColourTextHasTheDocumentedSyntax) {
    CGraphicalMaterial m;
    EXPECT_TRUE(m.setColor(M::Diffuse, CProjectColorRGB(1.0f, 0.5f, 0.0f)));
    EXPECT_TRUE(m.setFloat(M::Transparency, 0.25f));
    EXPECT_EQ(m.getColorDefinition(), "Diffuse=1 0.5 0;Transparency=0.25;");
    EXPECT_TRUE(m.setColor(M::Diffuse, CProjectColorRGB(0.1f, 0.2f, 0.3f)));  // replaced in place
    EXPECT_EQ(m.getColorDefinition(), "Diffuse=0.1 0.2 0.3;Transparency=0.25;");
    EXPECT_EQ(m.getBufferLen(), static_cast<int>(m.getColorDefinition().size()));

    CProjectColorRGB c;
    ASSERT_TRUE(m.getColor(M::Diffuse, c));
    EXPECT_TRUE(c == CProjectColorRGB(0.1f, 0.2f, 0.3f));  // numbers read back exactly
    float t = 0.0f;
    ASSERT_TRUE(m.getFloat(M::Transparency, t));
    EXPECT_EQ(t, 0.25f);
    EXPECT_FALSE(m.getColor(M::Ambient, c));

    EXPECT_TRUE(m.removeValue(M::Diffuse));
    EXPECT_EQ(m.getColorDefinition(), "Transparency=0.25;");
    EXPECT_FALSE(m.removeValue(M::Diffuse));

    EXPECT_FALSE(m.setColor(M::Shininess, CProjectColorRGB(1, 1, 1)));  // the other kind
    EXPECT_FALSE(m.setFloat(M::Ambient, 1.0f));
    EXPECT_FALSE(m.setFloat(static_cast<M::EnumMaterialType>(17), 1.0f));
    EXPECT_EQ(m.getColorDefinition(), "Transparency=0.25;");
}

TEST(GraphicalMaterial, ReadsHandWrittenTextAndAppendsSafely) {
    CGraphicalMaterial m(" Specular = 1  2 3 ;Shininess=bad;Emissive=1 2");  // no final separator
    CProjectColorRGB c;
    ASSERT_TRUE(m.getColor(M::Specular, c));
    EXPECT_TRUE(c == CProjectColorRGB(1, 2, 3));
    float f = 0.0f;
    EXPECT_FALSE(m.getFloat(M::Shininess, f));   // present but unreadable
    EXPECT_TRUE(m.hasValue(M::Shininess));
    EXPECT_FALSE(m.getColor(M::Emissive, c));    // too few numbers
    EXPECT_TRUE(m.setFloat(M::Transparency, 0.5f));
    EXPECT_EQ(m.getColorDefinition(), " Specular = 1  2 3 ;Shininess=bad;Emissive=1 2;Transparency=0.5;");

    // The whole text replaced by a piece of itself.
    m.setColorDefinition(m.getBuffer().data() + 1);
    EXPECT_EQ(m.getColorDefinition(), "Specular = 1  2 3 ;Shininess=bad;Emissive=1 2;Transparency=0.5;");
    m.setColorDefinition(nullptr);
    EXPECT_EQ(m.getBuffer().data(), nullptr);
}

TEST(GraphicalMaterial, ColourConstructorsSetTheirChannels) {
    const CProjectColorRGB red(1, 0, 0), green(0, 1, 0), blue(0, 0, 1), white(1, 1, 1);
    EXPECT_EQ(CGraphicalMaterial(red, 0.5f, true).getColorDefinition(), "Ambient=1 0 0;Diffuse=1 0 0;Transparency=0.5;");
    EXPECT_EQ(CGraphicalMaterial(red, white, false).getColorDefinition(), "Diffuse=1 0 0;Specular=1 1 1;");

    const CGraphicalMaterial full(red, green, blue, white, 0.75f);
    EXPECT_EQ(full.getColorDefinition(), "Ambient=1 0 0;Diffuse=0 1 0;Specular=0 0 1;Emissive=1 1 1;Transparency=0.75;");
}

TEST(GraphicalMaterial, TextureIdentifiersAreCreatedOnlyWhenWritten) {
    CGraphicalMaterial a, b;
    const CTextureDefinitionIDArray* shared = &a.getTextureDefinitionIDArray();
    EXPECT_EQ(&b.getTextureDefinitionIDArray(), shared);
    EXPECT_EQ(shared->GetSize(), 0);

    a.setTextureDefinitionIDArray(someTextures(2));
    EXPECT_EQ(a.getTextureDefinitionIDArray().GetSize(), 2);
    EXPECT_NE(&a.getTextureDefinitionIDArray(), shared);
    a.setTextureDefinitionIDArray(a.getTextureDefinitionIDArray());  // onto itself
    EXPECT_EQ(a.getTextureDefinitionIDArray().GetSize(), 2);
    EXPECT_FALSE(a == b);

    // A copy or a load of a material without identifiers keeps none.
    a.copyFrom(b);
    EXPECT_EQ(&a.getTextureDefinitionIDArray(), shared);
    a.setTextureDefinitionIDArray(someTextures(1));
    kelvara::test::load(a, kelvara::test::store(b));
    EXPECT_EQ(&a.getTextureDefinitionIDArray(), shared);
}

TEST(GraphicalMaterial, OrderIsStrictAndConsistentWithEquality) {
    CGraphicalMaterial a("Diffuse=0 0 0;"), b("Diffuse=1 0 0;"), prefix("Diffuse");
    EXPECT_TRUE(a < b && !(b < a) && !(a < a));
    EXPECT_TRUE(prefix < a);

    CGraphicalMaterial c(a), d(a);
    const CTextureDefinitionIDArray ids = someTextures(2);
    c.setTextureDefinitionIDArray(ids);
    EXPECT_TRUE(d < c);  // no identifiers first
    d.setTextureDefinitionIDArray(ids);
    EXPECT_TRUE(c == d);
    EXPECT_FALSE(c < d || d < c);
}

TEST(GraphicalMaterialArray, RemoveDuplicatesKeepsFirstAppearancesAndMapsEveryIndex) {
    const CGraphicalMaterial A("Diffuse=1 0 0;"), B("Diffuse=0 1 0;"), C("Diffuse=0 0 1;");
    CGraphicalMaterialArray a;
    for (const CGraphicalMaterial* m : {&A, &B, &A, &C, &B}) a.Add(*m);
    std::vector<int> map{42};
    EXPECT_TRUE(a.removeDuplicates(map));
    EXPECT_EQ(map, (std::vector<int>{0, 1, 0, 2, 1}));
    ASSERT_EQ(a.GetSize(), 3);
    EXPECT_TRUE(a[0] == A);
    EXPECT_TRUE(a[1] == B);
    EXPECT_TRUE(a[2] == C);

    CGraphicalMaterialArray same;
    for (int i = 0; i < 4; ++i) same.Add(A);
    EXPECT_TRUE(same.removeDuplicates(map));
    EXPECT_EQ(map, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(same.GetSize(), 1);
}

TEST(GraphicalMaterialArray, RemoveDuplicatesWithNothingToRemove) {
    CGraphicalMaterialArray a;
    std::vector<int> map{7, 7};
    EXPECT_FALSE(a.removeDuplicates(map));  // empty: an empty map, nothing touched
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(a.GetSize(), 0);

    a.Add(CGraphicalMaterial("Diffuse=1 0 0;"));
    EXPECT_FALSE(a.removeDuplicates(map));
    EXPECT_EQ(map, std::vector<int>{0});
    a.Add(CGraphicalMaterial("Diffuse=0 1 0;"));
    const CGraphicalMaterial* second = &a[1];
    EXPECT_FALSE(a.removeDuplicates(map));
    EXPECT_EQ(map, (std::vector<int>{0, 1}));
    EXPECT_EQ(&a[1], second);  // the elements themselves stay where they were
}

TEST(GraphicalMaterialArray, ElementComparisonsAndAttachingAHandle) {
    CGraphicalMaterialArray a;
    a.Add(CGraphicalMaterial("x"));
    a.Add(CGraphicalMaterial("x"));
    a.Add(CGraphicalMaterial("y"));
    EXPECT_TRUE(a.isEqualElements(0, 1));
    EXPECT_FALSE(a.isEqualElements(0, 3));
    EXPECT_FALSE(a.isFirstElementSmaller(2, 2));
    EXPECT_TRUE(a.isFirstElementSmaller(1, 2));

    CGraphicalMaterial* detached = a.Detach(2);
    ASSERT_NE(detached, nullptr);
    a.Attach(detached->getWritableHandle(), 0);
    EXPECT_EQ(&a[0], detached);
    a.Attach(IGraphicalMaterialWritableHandle(), 0);  // an empty handle adds nothing
    EXPECT_EQ(a.GetSize(), 3);
}

TEST(GraphicalMaterialArray, ArchiveRecordHasItsOwnMarker) {
    CGraphicalMaterialArray a;
    a.Add(CGraphicalMaterial(CProjectColorRGB(0.2f, 0.4f, 0.6f), 0.1f, true));
    CKelvaraArchive out;
    a.Serialize(out);
    const auto bytes = out.takeBuffer();
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    CGraphicalMaterialArray b;
    b.Serialize(in, IGraphicalMaterialArray::kMarker);
    EXPECT_TRUE(a == b);
}
