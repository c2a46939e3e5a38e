// Issues: the comment thread (no handle on anything but the added note), attached document
// identifiers, the reference lists and the kept documents.
#include <gtest/gtest.h>

#include "ArchiveTesting.h"
#include "framework/TestWidget.h"
#include "kelvara/people/CIssue.h"

namespace kelvara::test {
namespace {

CNote note(std::uint32_t n, const wchar_t* text) {
    CNote c;
    c.setID(ftest::idOf<CNoteID>(n));
    c.setSubject(CString(L"subject"));
    c.setText(CString(text));
    c.setCreatedTimestamp(CProjectTime(1000 + n));
    return c;
}

TEST(Issue, CommentsAnswerAHandleOnlyForWhatWasAdded) {
    CIssue issue;
    const INoteHandle first = issue.addComment(note(1, L"first"), -1);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(CString(first->getText()), CString(L"first"));
    ASSERT_FALSE(issue.addComment(note(2, L"second"), 1).isNull()) << "index equal to the count";
    ASSERT_FALSE(issue.addComment(note(3, L"third"), 0).isNull());

    EXPECT_TRUE(issue.addComment(note(4, L"beyond"), 4).isNull());
    EXPECT_TRUE(issue.addComment(note(4, L"negative"), -2).isNull());
    EXPECT_TRUE(issue.addComment(note(2, L"again"), -1).isNull()) << "identifier present, appending";
    EXPECT_TRUE(issue.addComment(note(2, L"again"), 0).isNull()) << "identifier present, inserting";
    EXPECT_EQ(issue.getComments().GetSize(), 3);
    EXPECT_EQ(CString(issue.getComments().find(ftest::idOf<CNoteID>(2))->getText()), CString(L"second"));

    // The handle is on the stored note: a change through the thread shows through it.
    EXPECT_TRUE(issue.changeComment(note(1, L"edited")));
    EXPECT_EQ(CString(first->getText()), CString(L"edited"));
    EXPECT_FALSE(issue.changeComment(note(9, L"absent")));

    issue.setComments(issue.getComments());
    EXPECT_EQ(issue.getComments().GetSize(), 3);
    // Threads are copied and stored in identifier order; a thread built in another order is still
    // equal to its copies and to itself loaded back.
    CIssue other;
    other.setComments(issue.getComments());
    EXPECT_TRUE(other.getComments() == issue.getComments());
    const CIssue copy(issue);
    EXPECT_TRUE(copy == issue);
    CIssue loaded;
    load(loaded, store(issue));
    EXPECT_TRUE(loaded == issue);
    other.changeComment(note(2, L"different"));
    EXPECT_FALSE(other.getComments() == issue.getComments());

    EXPECT_TRUE(issue.removeComment(ftest::idOf<CNoteID>(3)));
    EXPECT_FALSE(issue.removeComment(ftest::idOf<CNoteID>(3)));
    issue.removeComments();
    EXPECT_EQ(issue.getComments().GetSize(), 0);
}

TEST(Issue, DocumentIdentifiers) {
    CIssue issue;
    EXPECT_EQ(issue.addDocumentFileID(ftest::idOf<CDocumentFileID>(1), -5), 0) << "appends";
    EXPECT_EQ(issue.addDocumentFileID(ftest::idOf<CDocumentFileID>(2), 7), 1) << "appends";
    EXPECT_EQ(issue.addDocumentFileID(ftest::idOf<CDocumentFileID>(3), 0), 0);
    EXPECT_EQ(issue.addDocumentFileID(ftest::idOf<CDocumentFileID>(4), 3), 3) << "index equal to the count";
    EXPECT_EQ(issue.addDocumentFileID(ftest::idOf<CDocumentFileID>(1), -1), -1);
    EXPECT_EQ(issue.addDocumentFileID(ftest::idOf<CDocumentFileID>(1), 2), -1) << "present, on the inserting path";
    const CDocumentFileIDArray& ids = issue.getDocumentFileIDs();
    ASSERT_EQ(ids.GetSize(), 4);
    EXPECT_EQ(ids[0], ftest::idOf<CDocumentFileID>(3));
    EXPECT_EQ(ids[1], ftest::idOf<CDocumentFileID>(1));
    EXPECT_EQ(ids[3], ftest::idOf<CDocumentFileID>(4));

    EXPECT_TRUE(issue.removeDocumentFileID(ftest::idOf<CDocumentFileID>(1)));
    EXPECT_FALSE(issue.removeDocumentFileID(ftest::idOf<CDocumentFileID>(1)));
    issue.removeAllDocumentFileIDs();
    EXPECT_EQ(issue.getDocumentFileIDs().GetSize(), 0);
}

TEST(Issue, ReferencesAndKeptDocuments) {
    CIssue issue;
    CTaskIDArray tasks;
    tasks.Add(ftest::idOf<CTaskID>(1));
    tasks.Add(ftest::idOf<CTaskID>(2));
    const IIDPointerArray<CTaskID>& asInterface = tasks;
    issue.setTasks(asInterface);
    issue.setTasks(issue.getTasks());
    EXPECT_TRUE(issue.getTasks() == tasks);
    CEntity3DIDArray entities;
    entities.Add(ftest::idOf<CEntity3DID>(3));
    issue.setEntities(entities);
    issue.setEntities(issue.getEntities());
    EXPECT_EQ(issue.getEntities().GetSize(), 1);
    issue.setResources(issue.getResources());
    EXPECT_EQ(issue.getResources().GetSize(), 0);
    issue.setPositionID(ftest::idOf<CPositionID>(4));
    EXPECT_EQ(issue.getPosition(), ftest::idOf<CPositionID>(4));

    EXPECT_TRUE(issue.getWritableOldSchedule().isNull());
    IDocumentFileWritableHandle kept = issue.allocateOldSchedule();
    kept->setFileName(CString(L"baseline.kvp"));
    EXPECT_TRUE(issue.allocateOldSchedule().isSame(kept)) << "an existing document is kept";
    EXPECT_TRUE(issue.getWritableOldSchedule().isSame(kept));
    EXPECT_TRUE(issue.getWritableOldScene().isNull());

    issue.clearOldSchedule();
    EXPECT_TRUE(issue.getWritableOldSchedule().isNull());
}

}  // namespace
}  // namespace kelvara::test
