// Document folder trees: files and sub-folders added by index (a handle only on what was added),
// sub-folders moved by detach and attach with ownership as documented, list setters given the
// folder's own lists, and bounded nesting on loading.
#include <gtest/gtest.h>

#include "framework/TestWidget.h"
#include "kelvara/people/CDocumentFolder.h"
#include "people/PeopleTesting.h"

namespace kelvara::test {
namespace {

CDocumentFolder folder(std::uint32_t n) {
    CDocumentFolder f;
    f.setID(ftest::idOf<CDocumentFolderID>(n));
    f.setTitle(CProjectString(CString(L"folder ") + CString(std::to_wstring(n))));
    return f;
}

CDocumentFile file(std::uint32_t n) {
    CDocumentFile f;
    f.setID(ftest::idOf<CDocumentFileID>(n));
    f.setFileName(CString(L"file.pdf"));
    return f;
}

std::vector<std::uint32_t> subKeys(const IDocumentFolder& parent) {
    std::vector<std::uint32_t> out;
    const IDocumentFolderArrayHandle children = parent.getSubFolders();
    for (int i = 0; i < children.GetSize(); ++i) out.push_back(children[i]->getID().getGUID().Data1);
    return out;
}

TEST(DocumentFolder, AddAnswersAHandleOnlyForWhatWasAdded) {
    CDocumentFolder root = folder(1);
    EXPECT_TRUE(root.addSubFolder(folder(2), 1).isNull()) << "beyond the count";
    EXPECT_TRUE(root.getSubFolders().isNull()) << "a refused first sub-folder leaves no list";
    ASSERT_FALSE(root.addSubFolder(folder(2), -1).isNull());
    ASSERT_FALSE(root.addSubFolder(folder(3), 0).isNull());
    EXPECT_TRUE(root.addSubFolder(folder(2), -1).isNull()) << "identifier present";
    EXPECT_TRUE(root.addSubFolder(folder(4), 3).isNull());
    EXPECT_TRUE(root.addSubFolder(folder(4), -3).isNull());
    EXPECT_EQ(subKeys(root), (std::vector<std::uint32_t>{3, 2}));
    IDocumentFolderHandle added = root.addSubFolder(folder(5), 2);
    ASSERT_FALSE(added.isNull());
    EXPECT_TRUE(added.isSame(root.getSubFolders()[2]));

    ASSERT_FALSE(root.addFile(file(1), -1).isNull());
    EXPECT_TRUE(root.addFile(file(1), 0).isNull()) << "identifier present";
    EXPECT_TRUE(root.addFile(file(2), 2).isNull()) << "beyond the count";
    IDocumentFileHandle second = root.addFile(file(2), 0);
    ASSERT_FALSE(second.isNull());
    EXPECT_TRUE(second.isSame(root.getFiles()[0]));
    EXPECT_EQ(root.getFiles().GetSize(), 2);

    EXPECT_TRUE(root.removeSubFolder(ftest::idOf<CDocumentFolderID>(3)));
    EXPECT_TRUE(root.removeSubFolder(ftest::idOf<CDocumentFolderID>(2)));
    EXPECT_TRUE(root.removeSubFolder(ftest::idOf<CDocumentFolderID>(5)));
    EXPECT_TRUE(root.getSubFolders().isNull()) << "removing the last releases the list";
}

TEST(DocumentFolder, DetachAndAttachMoveOwnership) {
    CDocumentFolder root = folder(1);
    root.addSubFolder(folder(2), -1);
    root.addSubFolder(folder(3), -1);
    (*root.getSubFolders().getWritableReference(1)).addSubFolder(folder(4), -1);

    EXPECT_TRUE(root.detach(ftest::idOf<CDocumentFolderID>(9)).isNull());
    IDocumentFolderWritableHandle moved = root.detach(ftest::idOf<CDocumentFolderID>(3));
    ASSERT_FALSE(moved.isNull());
    EXPECT_EQ(subKeys(*moved), (std::vector<std::uint32_t>{4})) << "the subtree comes along";
    EXPECT_EQ(subKeys(root), (std::vector<std::uint32_t>{2}));

    // Refusals leave the folder the caller's and create no list.
    EXPECT_FALSE(root.attach(IDocumentFolderWritableHandle(), 0));
    IDocumentFolderWritableHandle leaf = root.getSubFolders().getWritableReference(0);
    EXPECT_FALSE(leaf->attach(moved, 1)) << "index beyond the count";
    EXPECT_TRUE(leaf->getSubFolders().isNull());
    EXPECT_FALSE(leaf->attach(moved, -1));
    EXPECT_FALSE(moved->attach(moved, 0)) << "a folder under itself";
    IDocumentFolderWritableHandle grandchild = moved->getSubFolders().getWritableReference(0);
    EXPECT_FALSE(grandchild->attach(moved, 0)) << "a folder under its own descendant";
    EXPECT_TRUE(grandchild->getSubFolders().isNull());

    ASSERT_TRUE(root.attach(moved, 0));
    EXPECT_EQ(subKeys(root), (std::vector<std::uint32_t>{3, 2}));
    EXPECT_TRUE(root.getSubFolders()[0].isSame(moved->getHandle()));

    // A folder whose identifier is already a sub-folder is refused and stays the caller's, who
    // releases it: nothing leaks (the leak-checking build would say so).
    IDocumentFolderWritableHandle twin = root.detach(ftest::idOf<CDocumentFolderID>(2));
    ASSERT_FALSE(twin.isNull());
    root.addSubFolder(folder(2), -1);
    EXPECT_FALSE(root.attach(twin, 0));
    EXPECT_EQ(subKeys(root), (std::vector<std::uint32_t>{3, 2}));
    IDocumentFolder::releaseDetached(twin);
    EXPECT_TRUE(twin.isNull());

    IDocumentFolderWritableHandle last = root.detach(ftest::idOf<CDocumentFolderID>(3));
    IDocumentFolderWritableHandle other = root.detach(ftest::idOf<CDocumentFolderID>(2));
    EXPECT_TRUE(root.getSubFolders().isNull()) << "detaching the last releases the list";
    IDocumentFolder::releaseDetached(last);
    IDocumentFolder::releaseDetached(other);
}

TEST(DocumentFolder, ListSettersGivenTheirOwnLists) {
    CDocumentFolder root = folder(1);
    root.addFile(file(1), -1);
    root.addFile(file(2), -1);
    root.addSubFolder(folder(2), -1);
    root.setFiles(root.getFiles());
    root.setSubFolders(root.getSubFolders());
    EXPECT_EQ(root.getFiles().GetSize(), 2);
    EXPECT_EQ(subKeys(root), (std::vector<std::uint32_t>{2}));

    CDocumentFolder copy = folder(7);
    copy.setSubFolders(root.getSubFolders());
    copy.setFiles(root.getFiles());
    EXPECT_EQ(subKeys(copy), (std::vector<std::uint32_t>{2}));
    EXPECT_TRUE(copy.getFiles() == root.getFiles());
    copy.setSubFolders(folder(8).getSubFolders());
    EXPECT_TRUE(copy.getSubFolders().isNull());
}

TEST(DocumentFolder, LoadingRefusesHostileNesting) {
    const auto addChild = [](CDocumentFolder& parent, const CDocumentFolder& child) { parent.addSubFolder(child, -1); };
    CDocumentFolder shallow;
    load(shallow, nestedChain<CDocumentFolder>(30, addChild));
    int depth = 1;
    for (IDocumentFolderArrayHandle level = shallow.getSubFolders(); !level.isNull(); level = level[0]->getSubFolders())
        ++depth;
    EXPECT_EQ(depth, 30);

    CDocumentFolder target = folder(1);
    const Bytes deep = nestedChain<CDocumentFolder>(120, addChild);
    CKelvaraArchive ar(deep.data(), deep.size(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(target.Serialize(ar), CArchiveException);
}

}  // namespace
}  // namespace kelvara::test
