// The document store and content transfers: where store files live, whole-content round trips in
// several chunks, and transfers that fail (a short source, an unreadable source, an external
// document, an archive in the wrong direction) leaving the previous content and length in place.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "kelvara/people/CDocumentFile.h"
#include "kelvara/platform/CArchive.h"
#include "people/PeopleTesting.h"

namespace kelvara::test {
namespace {

Bytes pattern(std::size_t n, std::uint8_t seed) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + i / 251);
    return bytes;
}

Bytes contentOf(const IDocumentFile& document, bool* ok = nullptr) {
    CArchive ar;
    const bool read = document.getArchive(ar);
    if (ok) *ok = read;
    return ar.takeBuffer();
}

// Sets an environment variable for a scope and puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (m_old) ::setenv(m_name, m_old->c_str(), 1);
        else ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(DocumentStore, FolderFromTheEnvironmentCreatedOnFirstUse) {
    TemporaryFolder home;
    {
        ScopedEnv data("XDG_DATA_HOME", home.path().c_str());
        CDocumentManager::getInstance()->setDocumentFolder(CString());
        const std::string expected = home.path() + "/kelvara/documents";
        EXPECT_EQ(CDocumentManager::defaultDocumentFolder().toUtf8(), expected);
        EXPECT_FALSE(std::filesystem::exists(expected)) << "nothing is created before it is asked for";
        EXPECT_EQ(CDocumentManager::getInstance()->getDocumentFolder().toUtf8(), expected);
        EXPECT_TRUE(std::filesystem::is_directory(expected));
        const CDocumentFileID id = CDocumentFileID::generated();
        EXPECT_EQ(CDocumentManager::getInstance()->getDocumentPath(id).toUtf8(), expected + "/" + id.toString().toUtf8());
    }
    {
        ScopedEnv data("XDG_DATA_HOME", "relative/data");
        ScopedEnv user("HOME", home.path().c_str());
        EXPECT_EQ(CDocumentManager::defaultDocumentFolder().toUtf8(), home.path() + "/.local/share/kelvara/documents");
    }
    CDocumentManager::getInstance()->setDocumentFolder(CString());
}

TEST(DocumentStore, ContentRoundTripInChunks) {
    TemporaryStore store;
    CDocumentFile document;
    const Bytes content = pattern(3 * IDocumentFile::kChunkSize + 123, 1);
    {
        CArchive source(content.data(), content.size());
        ASSERT_TRUE(document.setArchive(source, content.size()));
    }
    EXPECT_EQ(document.getDocumentLength(), content.size());
    EXPECT_EQ(readBytes(store.pathOf(document.getID())), content);
    EXPECT_EQ(store.folder().names(), std::set<std::string>{document.getID().toString().toUtf8()});
    bool ok = false;
    EXPECT_EQ(contentOf(document, &ok), content);
    EXPECT_TRUE(ok);

    // Without a length: the bytes left to read.
    const Bytes framed = pattern(5000, 9);
    CArchive rest(framed.data(), framed.size());
    Bytes skipped(100);
    rest.Read(skipped.data(), 100);
    ASSERT_TRUE(document.setArchive(rest));
    EXPECT_EQ(document.getDocumentLength(), 4900u);
    EXPECT_EQ(contentOf(document), Bytes(framed.begin() + 100, framed.end()));

    // An empty content is a store file of no bytes.
    CArchive empty(std::vector<std::uint8_t>{});
    ASSERT_TRUE(document.setArchive(empty));
    EXPECT_EQ(document.getDocumentLength(), 0u);
    EXPECT_EQ(contentOf(document, &ok), Bytes());
    EXPECT_TRUE(ok);
}

TEST(DocumentStore, AShortSourceChangesNothing) {
    TemporaryStore store;
    CDocumentFile document;
    const Bytes content = pattern(6000, 3);
    CArchive first(content.data(), content.size());
    ASSERT_TRUE(document.setArchive(first, content.size()));

    const Bytes shorter = pattern(2 * IDocumentFile::kChunkSize + 10, 40);
    CArchive source(shorter.data(), shorter.size());
    EXPECT_FALSE(document.setArchive(source, shorter.size() + 1)) << "the source ends early";
    EXPECT_EQ(document.getDocumentLength(), content.size());
    EXPECT_EQ(readBytes(store.pathOf(document.getID())), content);
    EXPECT_EQ(store.folder().names().size(), 1u) << "no temporary file is left behind";

    // A store file shorter than the length: the read ends early and says so.
    writeBytes(store.pathOf(document.getID()), Bytes(content.begin(), content.begin() + 5000));
    bool ok = true;
    EXPECT_EQ(contentOf(document, &ok).size(), 5000u);
    EXPECT_FALSE(ok);

    // Archives in the wrong direction are refused, not thrown.
    CArchive storing;
    EXPECT_FALSE(document.setArchive(storing));
    EXPECT_FALSE(document.setArchive(storing, 3));
    CArchive loading(content.data(), content.size());
    EXPECT_FALSE(document.getArchive(loading));
    EXPECT_EQ(document.getDocumentLength(), content.size());
}

TEST(DocumentStore, ExternalDocumentsAreOnlyRead) {
    TemporaryStore store;
    TemporaryFolder elsewhere;
    const Bytes content = pattern(9000, 5);
    writeBytes(elsewhere / "drawing.pdf", content);

    CDocumentFile external;
    external.setExternalDocument(true);
    external.setURL(CString::fromUtf8(elsewhere / "drawing.pdf"));
    bool ok = false;
    EXPECT_EQ(contentOf(external, &ok), content);
    EXPECT_TRUE(ok);

    CArchive source(content.data(), content.size());
    EXPECT_FALSE(external.setArchive(source, 10));
    EXPECT_FALSE(external.setArchive(source));
    CDocumentFile internal;
    EXPECT_FALSE(external.copyContents(internal));
    EXPECT_TRUE(store.folder().names().empty()) << "no store file written";
    EXPECT_EQ(readBytes(elsewhere / "drawing.pdf"), content);

    // An internal copy of the external content.
    ASSERT_TRUE(internal.copyContents(external));
    EXPECT_EQ(internal.getDocumentLength(), content.size());
    EXPECT_EQ(contentOf(internal), content);

    external.setURL(CString::fromUtf8(elsewhere / "missing.pdf"));
    EXPECT_TRUE(contentOf(external, &ok).empty());
    EXPECT_FALSE(ok);
    external.setURL(CString::fromUtf8(elsewhere.path()));
    contentOf(external, &ok);
    EXPECT_FALSE(ok) << "a folder is not a document";
}

TEST(DocumentStore, CopyContents) {
    TemporaryStore store;
    CDocumentFile document;
    const Bytes content = pattern(5000, 8);
    CArchive first(content.data(), content.size());
    ASSERT_TRUE(document.setArchive(first, content.size()));

    // From itself, with the store file present: true and untouched (even where it disagrees with
    // the length).
    writeBytes(store.pathOf(document.getID()), Bytes{1, 2, 3});
    EXPECT_TRUE(document.copyContents(document));
    EXPECT_EQ(readBytes(store.pathOf(document.getID())), (Bytes{1, 2, 3}));
    writeBytes(store.pathOf(document.getID()), content);

    // From a source that cannot be read whole: false, and the store file keeps every byte.
    CDocumentFile unreadable;
    unreadable.setDocumentLength(10);
    EXPECT_FALSE(document.copyContents(unreadable)) << "no store file";
    CDocumentFile shortSource;
    writeBytes(store.pathOf(shortSource.getID()), Bytes(50, 7));
    shortSource.setDocumentLength(100);
    EXPECT_FALSE(document.copyContents(shortSource)) << "store file shorter than its length";
    EXPECT_EQ(readBytes(store.pathOf(document.getID())), content);
    EXPECT_EQ(document.getDocumentLength(), content.size());

    // From another document: content and length follow, so the copy reads back.
    CDocumentFile other;
    const Bytes otherContent = pattern(700, 60);
    CArchive second(otherContent.data(), otherContent.size());
    ASSERT_TRUE(other.setArchive(second, otherContent.size()));
    ASSERT_TRUE(document.copyContents(other));
    EXPECT_EQ(document.getDocumentLength(), otherContent.size());
    EXPECT_EQ(contentOf(document), otherContent);
    EXPECT_EQ(contentOf(other), otherContent) << "the source is unchanged";

    // A copy of the record shares the content through its identifier.
    CDocumentFile sameID(other);
    EXPECT_TRUE(sameID.copyContents(other));
    EXPECT_EQ(contentOf(sameID), otherContent);
}

}  // namespace
}  // namespace kelvara::test
