// Tasks: lists that exist only while they hold something (refused insertions included), the
// summary-task rules, sub-task attach/detach/move, answers that report what was stored, setting
// every list from itself, comments, identifier renewal of a tree, and bounded nesting on loading.
#include <gtest/gtest.h>

#include "framework/TestWidget.h"
#include "kelvara/schedule/CTask.h"
#include "people/PeopleTesting.h"

namespace kelvara::test {
namespace {

CTask task(std::uint32_t n) {
    CTask t;
    t.setID(ftest::idOf<CTaskID>(n));
    t.setName(CString(L"task ") + CString(std::to_wstring(n)));
    return t;
}

template <class ID, class I>
I withID(I object, std::uint32_t n) {
    object.setID(ftest::idOf<ID>(n));
    return object;
}

CLink link(std::uint32_t n, std::uint32_t upstream) {
    CLink l(ftest::idOf<CTaskID>(upstream), CLinkType::FinishToStart);
    l.setID(ftest::idOf<CLinkID>(n));
    return l;
}

std::vector<std::uint32_t> subTaskKeys(const ITask& parent) {
    std::vector<std::uint32_t> out;
    const ITaskArrayHandle children = parent.getSubTasks();
    for (int i = 0; i < children.GetSize(); ++i) out.push_back(children[i]->getID().getGUID().Data1);
    return out;
}

bool noLazyList(const ITask& t) {
    return t.getSubTasks().isNull() && t.getCosts().isNull() && t.getAssignedRisks().isNull() &&
           t.getTaskReports().isNull() && t.getNotes().isNull() && t.getUserFieldValues().isNull();
}

TEST(Task, RefusedInsertionsLeaveNoEmptyList) {
    CTask t = task(1);
    EXPECT_TRUE(noLazyList(t));
    EXPECT_FALSE(t.removeSubTask(ftest::idOf<CTaskID>(2)));
    EXPECT_FALSE(t.removeNote(ftest::idOf<CNoteID>(2)));
    EXPECT_FALSE(t.removeCost(ftest::idOf<CCostID>(2)));

    // Out-of-range indexes on a task without lists: nothing stored, nothing created.
    t.insertSubTask(task(2), 1);
    EXPECT_EQ(t.countSubTasks(false), 0);
    EXPECT_TRUE(t.canAssignRisks()) << "not a summary task without a sub-task";
    EXPECT_TRUE(t.addNote(withID<CNoteID>(CNote(), 3), 1).isNull());
    EXPECT_FALSE(t.addUserFieldValue(CUserFieldValue(), 1));
    EXPECT_EQ(t.addAssignedRisk(withID<CAssignedRiskID>(CAssignedRisk(), 4), 2), -1);
    t.addCost(withID<CCostID>(CCost(), 5), 3);
    t.addTaskReport(withID<CTaskReportID>(CTaskReport(), 6), 1);
    EXPECT_TRUE(noLazyList(t));

    // Identifiers already present: refused, with answers that say so.
    EXPECT_EQ(t.addSubTask(task(2)), 0);
    EXPECT_EQ(t.addSubTask(task(2)), -1);
    EXPECT_FALSE(t.addNote(withID<CNoteID>(CNote(), 3), -1).isNull());
    EXPECT_TRUE(t.addNote(withID<CNoteID>(CNote(), 3), 0).isNull()) << "a present note is not answered as stored";
    EXPECT_TRUE(t.addNote(withID<CNoteID>(CNote(), 9), 5).isNull()) << "an index past the end stores nothing";
    EXPECT_EQ(t.numberOfNotes(), 1);
    EXPECT_EQ(t.addAssignedRisk(withID<CAssignedRiskID>(CAssignedRisk(), 4), -1), 0);
    EXPECT_EQ(t.addAssignedRisk(withID<CAssignedRiskID>(CAssignedRisk(), 4), 0), -1);
    CUserFieldValue value;
    value.setUserFieldID(ftest::idOf<CUserFieldID>(7));
    EXPECT_TRUE(t.addUserFieldValue(value, 0));
    EXPECT_FALSE(t.addUserFieldValue(value, 0)) << "in range but refused";

    // Removing the last element releases each list.
    EXPECT_TRUE(t.removeSubTask(ftest::idOf<CTaskID>(2)));
    EXPECT_TRUE(t.removeNote(ftest::idOf<CNoteID>(3)));
    EXPECT_TRUE(t.removeAssignedRisk(ftest::idOf<CAssignedRiskID>(4)));
    EXPECT_TRUE(t.removeUserFieldValue(ftest::idOf<CUserFieldID>(7)));
    t.addTaskReport(withID<CTaskReportID>(CTaskReport(), 6), -1);
    t.removeTaskReport(ftest::idOf<CTaskReportID>(6));
    EXPECT_TRUE(noLazyList(t));
}

TEST(Task, SummaryTasksHoldNoCostsAndCostsBlockSubTasks) {
    CTask leaf = task(1);
    leaf.addCost(withID<CCostID>(CCost(), 1), -1);
    EXPECT_FALSE(leaf.canBecomeSummaryTask(true));
    EXPECT_TRUE(leaf.canBecomeSummaryTask(false));
    leaf.insertSubTask(task(2), 0);
    CTask source = task(9);
    source.addSubTask(task(3));
    leaf.setSubTasks(source.getSubTasks());
    EXPECT_EQ(leaf.countSubTasks(false), 0) << "a task with costs refuses sub-tasks";

    CTask summary = task(5);
    summary.insertSubTask(task(6), 0);
    summary.insertSubTask(task(7), 1);
    summary.insertSubTask(task(8), 0);
    EXPECT_EQ(subTaskKeys(summary), (std::vector<std::uint32_t>{8, 6, 7}));
    summary.addCost(withID<CCostID>(CCost(), 1), -1);
    summary.setCosts(leaf.getCosts());
    EXPECT_TRUE(summary.getCosts().isNull());
    EXPECT_FALSE(summary.canAssignRisks());
    EXPECT_FALSE(summary.setRiskType(CRiskType::Threat));
    EXPECT_TRUE(leaf.setRiskType(CRiskType::Threat));
    leaf.setRiskBuffer(true);
    EXPECT_FALSE(leaf.setRiskType(CRiskType::Opportunity)) << "a buffer carries no risk type";

    // Counting through the tree.
    summary.changeSubTask([&] {
        CTask withChild = task(6);
        withChild.addSubTask(task(60));
        withChild.addSubTask(task(61));
        return withChild;
    }());
    EXPECT_EQ(summary.countSubTasks(false), 3);
    EXPECT_EQ(summary.countSubTasks(true), 5);
}

TEST(Task, AttachDetachAndMoveSubTasks) {
    CTask root = task(1);
    auto* loose = new CTask(task(2));
    EXPECT_FALSE(root.attachSubTask(loose->getWritableHandle(), 1)) << "only index 0 without sub-tasks";
    EXPECT_TRUE(root.getSubTasks().isNull());
    ASSERT_TRUE(root.attachSubTask(loose->getWritableHandle(), 0));
    EXPECT_EQ(&*root.getSubTasks()[0], loose) << "attached, not copied";

    CTask duplicate = task(2);
    EXPECT_FALSE(root.attachSubTask(duplicate.getWritableHandle(), 1)) << "identifier already present";
    EXPECT_FALSE(root.attachSubTask(ITaskWritableHandle(), 0));
    EXPECT_FALSE(loose->attachSubTask(root.getWritableHandle(), 0)) << "a task above it would make a cycle";
    EXPECT_FALSE(root.attachSubTask(root.getWritableHandle(), 1)) << "the task itself";

    root.addSubTask(task(3));
    root.addSubTask(task(4));
    // The list's changePosition(target, source): the sub-task at `to` moves to `from`.
    EXPECT_TRUE(root.changeSubTaskPosition(0, 2));
    EXPECT_EQ(subTaskKeys(root), (std::vector<std::uint32_t>{4, 2, 3}));
    EXPECT_TRUE(root.changeSubTaskPosition(1, 1));
    EXPECT_FALSE(root.changeSubTaskPosition(0, 3));
    EXPECT_FALSE(root.changeSubTaskPosition(-1, 0));
    EXPECT_EQ(root.getSubTasks().findByID(ftest::idOf<CTaskID>(3)), 2) << "the index follows the move";

    ITaskWritableHandle taken = root.detachSubTask(ftest::idOf<CTaskID>(2));
    ASSERT_FALSE(taken.isNull());
    EXPECT_EQ(taken.get(), loose);
    EXPECT_TRUE(root.detachSubTask(ftest::idOf<CTaskID>(2)).isNull());
    EXPECT_TRUE(root.attachSubTask(taken, 2));
    EXPECT_EQ(subTaskKeys(root), (std::vector<std::uint32_t>{4, 3, 2}));
    for (std::uint32_t n : {2u, 3u, 4u}) root.removeSubTask(ftest::idOf<CTaskID>(n));
    EXPECT_TRUE(root.getSubTasks().isNull());
    EXPECT_TRUE(root.changeSubTaskPosition(0, 0) == false) << "no sub-tasks";
}

TEST(Task, EveryListSetFromItselfStaysUnchanged) {
    CTask t = task(1);
    CTask child = task(2);
    child.addSubTask(task(3));
    t.addSubTask(child);
    t.addSubTask(task(4));
    t.addUpstreamLink(link(1, 8), -1);
    t.addUpstreamLink(link(2, 9), 0);
    t.addAssignedRisk(withID<CAssignedRiskID>(CAssignedRisk(), 1), -1);
    t.addTaskReport(withID<CTaskReportID>(CTaskReport(), 1), -1);
    t.setComments(L"first");
    CUserFieldValue value;
    value.setUserFieldID(ftest::idOf<CUserFieldID>(1));
    t.addUserFieldValue(value, -1);
    t.addCodeValue(ftest::idOf<CCodeValueID>(1));
    CTask leaf = task(7);
    leaf.addCost(withID<CCostID>(CCost(), 1), -1);
    leaf.addCost(withID<CCostID>(CCost(), 2), -1);

    const CTask before(t);
    const CTask leafBefore(leaf);
    t.setSubTasks(t.getSubTasks());
    t.setUpstreamLinks(t.getUpstreamLinks());
    t.setAssignedRisks(t.getAssignedRisks());
    t.setUserFieldValues(t.getUserFieldValues());
    t.setNotes(t.getNotes());
    t.setAssignedCodeValues(t.getAssignedCodeValues());
    leaf.setCosts(leaf.getCosts());
    EXPECT_TRUE(t == before);
    EXPECT_TRUE(leaf == leafBefore);
    EXPECT_EQ(t.numberOfUpstreamLinks(), 2);

    // A descendant's list replaces the list it lies in.
    t.setSubTasks(t.getSubTasks()[0]->getSubTasks());
    EXPECT_EQ(subTaskKeys(t), (std::vector<std::uint32_t>{3}));

    // A sub-task changed from a task inside its own tree (the same identifier one level down).
    CTask inner = task(5);
    inner.setName(CString(L"inner"));
    inner.addSubTask(task(6));
    CTask nested = task(5);
    nested.addSubTask(inner);
    CTask holder = task(9);
    holder.addSubTask(nested);
    EXPECT_TRUE(holder.changeSubTask(*holder.getSubTasks()[0]->getSubTasks()[0]));
    EXPECT_EQ(CString(holder.getSubTasks()[0]->getName()), CString(L"inner"));
    EXPECT_EQ(subTaskKeys(*holder.getSubTasks()[0]), (std::vector<std::uint32_t>{6}));

    t.setSubTasks(CTask().getSubTasks());
    EXPECT_TRUE(t.getSubTasks().isNull()) << "an absent list releases the sub-tasks";
}

TEST(Task, AssignmentsAnswerWhatWasStoredAndSurviveBeingSetFromThemselves) {
    CTask t = task(1);
    CAssignedResource crane;
    crane.setID(ftest::idOf<CAssignedResourceID>(1));
    crane.setResourceID(ftest::idOf<CResourceID>(10));
    CAssignedResource crew = crane;
    crew.setID(ftest::idOf<CAssignedResourceID>(2));
    EXPECT_EQ(t.addAssignedResource(crane, -1), 0);
    EXPECT_EQ(t.addAssignedResource(crew, 0), 0) << "inserted in front";
    EXPECT_EQ(t.addAssignedResource(crane, -1), -1) << "an identifier already held";
    EXPECT_EQ(t.addAssignedResource(withID<CAssignedResourceID>(CAssignedResource(), 3), 5), -1)
        << "an index past the end stores nothing and must not answer success";
    ASSERT_EQ(t.numberOfAssignedResources(), 2);
    EXPECT_EQ(t.getAssignedResources()[0]->getID(), ftest::idOf<CAssignedResourceID>(2));

    crew.setResourceID(ftest::idOf<CResourceID>(11));
    EXPECT_TRUE(t.changeAssignedResource(crew));
    EXPECT_EQ(t.getAssignedResources()[0]->getResourceID(), ftest::idOf<CResourceID>(11));
    EXPECT_FALSE(t.changeAssignedResource(withID<CAssignedResourceID>(CAssignedResource(), 9)));

    CAssignedResourceGroup group;
    group.setID(ftest::idOf<CAssignedResourceGroupID>(1));
    EXPECT_EQ(t.addAssignedResourceGroup(group, -1), 0);
    EXPECT_EQ(t.addAssignedResourceGroup(group, 0), -1);
    EXPECT_EQ(t.numberOfAssignedResourceGroups(), 1);

    const CTask before(t);
    t.setAssignedResources(t.getAssignedResources());
    t.setAssignedResourceGroups(t.getAssignedResourceGroups());
    EXPECT_TRUE(t == before) << "setting a list from itself keeps it";

    CTask copy;
    copy.setAssignedResources(t.getAssignedResources());
    EXPECT_EQ(copy.numberOfAssignedResources(), 2) << "positions 0..count-1, no default element added";

    EXPECT_TRUE(t.removeAssignedResource(ftest::idOf<CAssignedResourceID>(1)));
    EXPECT_FALSE(t.removeAssignedResource(ftest::idOf<CAssignedResourceID>(1)));
    EXPECT_TRUE(t.removeAssignedResourceGroup(ftest::idOf<CAssignedResourceGroupID>(1)));
    t.removeAllAssignedResources();
    EXPECT_EQ(t.numberOfAssignedResources(), 0);
    EXPECT_FALSE(t.getAssignedResources().isNull()) << "the assignment lists are always present";
}

TEST(Task, ValuesWithRulesCodesDocumentsAndComments) {
    CTask t = task(1);
    t.setManualPercentComplete(-5);
    EXPECT_EQ(t.getManualPercentComplete().getValue(), 0.0);
    t.setManualPercentComplete(250);
    EXPECT_EQ(t.getManualPercentComplete().getValue(), 100.0);
    t.setStatus(ftest::idOf<CTaskStateID>(3), CTaskStatus::Complete);
    EXPECT_EQ(t.getTaskStateID(), ftest::idOf<CTaskStateID>(3));
    EXPECT_TRUE(t.getStatus() == CTaskStatus::Complete);
    const CSupplyChainID chain = t.getSupplyChain()->getID();
    EXPECT_TRUE(t.generateNewSupplyChainID());
    EXPECT_NE(t.getSupplyChain()->getID(), chain);

    EXPECT_EQ(t.insertCodeValue(ftest::idOf<CCodeValueID>(1), -2), -1);
    EXPECT_EQ(t.insertCodeValue(ftest::idOf<CCodeValueID>(1), 1), -1);
    EXPECT_EQ(t.insertCodeValue(ftest::idOf<CCodeValueID>(1), -1), 0);
    EXPECT_EQ(t.insertCodeValue(ftest::idOf<CCodeValueID>(2), 0), 0);
    EXPECT_EQ(t.insertCodeValue(ftest::idOf<CCodeValueID>(2), 0), -1) << "already listed";
    EXPECT_TRUE(t.removeCodeValue(ftest::idOf<CCodeValueID>(1)));
    EXPECT_FALSE(t.removeCodeValue(ftest::idOf<CCodeValueID>(1)));
    EXPECT_EQ(t.addDocumentFileID(ftest::idOf<CDocumentFileID>(1), -2), 0) << "any other index appends";
    EXPECT_EQ(t.addDocumentFileID(ftest::idOf<CDocumentFileID>(2), 0), 0);
    EXPECT_EQ(t.addDocumentFileID(ftest::idOf<CDocumentFileID>(2), 1), -1);
    EXPECT_EQ(t.getDocumentFileIDs().GetSize(), 2);

    t.setComments(CString());
    EXPECT_TRUE(t.getNotes().isNull());
    t.setComments(L"pour slab");
    t.setComments(L"pour slab");
    ASSERT_EQ(t.numberOfNotes(), 2);
    EXPECT_NE(t.getNotes()[0]->getID(), t.getNotes()[1]->getID());
    EXPECT_EQ(t.getNotes()[0]->getCreatedUserID(), ITask::commentUserID());
    EXPECT_EQ(t.getComments(), CString(L"pour slab\npour slab"));
    CNote older = withID<CNoteID>(CNote(), 1);
    older.setText(CString(L"site visit"));
    older.setCreatedTimestamp(CProjectTime(5));
    t.addNote(older, -1);
    EXPECT_EQ(t.getComments(), CString(L"site visit\npour slab\npour slab")) << "oldest first";

    EXPECT_TRUE(t.canBaseline());
    t.setTemplate(true);
    EXPECT_FALSE(t.canBaseline());
}

TEST(Task, RenewedIdentifiersStayFindableAndLinksInsideTheTreeFollow) {
    CTask root = task(1);
    CTask a = task(2), b = task(3);
    b.addUpstreamLink(link(1, 2), -1);   // from its sibling a
    b.addUpstreamLink(link(2, 50), -1);  // from a task outside the tree
    root.addSubTask(a);
    root.addSubTask(b);
    root.generateIDs();

    const ITaskArrayHandle children = root.getSubTasks();
    const CTaskID newA = children[0]->getID();
    EXPECT_NE(newA, ftest::idOf<CTaskID>(2));
    EXPECT_EQ(children.findByID(newA), 0) << "renewed sub-tasks are found";
    EXPECT_EQ(children.findByID(children[1]->getID()), 1);
    const ILinkArrayHandle links = children[1]->getUpstreamLinks();
    EXPECT_EQ(links[0]->getUpstreamTaskID(), newA) << "the sibling link follows its predecessor";
    EXPECT_EQ(links[1]->getUpstreamTaskID(), ftest::idOf<CTaskID>(50)) << "an outside predecessor is kept";
    EXPECT_EQ(links.findByID(links[1]->getID()), 1);
}

TEST(Task, LoadingKeepsDanglingReferencesAndRefusesHostileNesting) {
    CTask t = task(1);
    t.addUpstreamLink(link(1, 77), -1);
    t.setDominantCalendarID(ftest::idOf<CCalendarID>(5));
    CTask loaded;
    load(loaded, store(t));
    EXPECT_TRUE(loaded == t);
    EXPECT_EQ(loaded.getUpstreamLinks()[0]->getUpstreamTaskID(), ftest::idOf<CTaskID>(77));

    const auto addChild = [](CTask& parent, const CTask& child) { parent.addSubTask(child); };
    CTask shallow;
    load(shallow, nestedChain<CTask>(30, addChild));
    EXPECT_EQ(shallow.countSubTasks(true), 29);

    CTask target = task(1);
    target.addSubTask(task(2));
    const Bytes deep = nestedChain<CTask>(150, addChild);
    CKelvaraArchive ar(deep.data(), deep.size(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(target.Serialize(ar), CArchiveException);
}

}  // namespace
}  // namespace kelvara::test
