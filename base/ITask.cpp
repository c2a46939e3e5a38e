// The task operations of the base library: counts, comments, permission tests and the identifier
// renewal of a task tree. They reach the task only through its interface.
#include "kelvara/base/ITask.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace {

// Every task of the tree under root (root included), writable, in depth-first order.
void collectTree(ITask& root, std::vector<ITask*>& out) {
    out.push_back(&root);
    const ITaskArrayHandle children = root.getSubTasks();
    for (int i = 0; i < children.GetSize(); ++i) {
        const ITaskWritableHandle child = children.getWritableReference(i);
        if (!child.isNull()) collectTree(*child, out);
    }
}

}  // namespace

const CUserID& ITask::commentUserID() {
    static const CUserID id(CString(L"8232b9a0-19dc-9549-9ae8-58bff525a438"));
    return id;
}

int ITask::countSubTasks(bool recursive) const {
    const ITaskArrayHandle children = getSubTasks();
    int count = children.GetSize();
    if (recursive)
        for (int i = 0; i < children.GetSize(); ++i) count += children[i]->countSubTasks(true);
    return count;
}

CString ITask::getComments() const {
    const INoteArrayHandle notes = getNotes();
    std::vector<const INote*> ordered;
    for (int i = 0; i < notes.GetSize(); ++i) ordered.push_back(notes[i].get());
    std::sort(ordered.begin(), ordered.end(), [](const INote* a, const INote* b) {
        if (!(a->getCreatedTimestamp() == b->getCreatedTimestamp()))
            return a->getCreatedTimestamp() < b->getCreatedTimestamp();
        return a->getID() < b->getID();
    });
    CString text;
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        if (i > 0) text += L'\n';
        text += ordered[i]->getText().getValue();
    }
    return text;
}

bool ITask::canBecomeSummaryTask(bool withoutCosts) const { return !withoutCosts || getCosts().GetSize() == 0; }

bool ITask::canAssignRisks() const { return getSubTasks().GetSize() == 0 && !getRiskBuffer().getValue(); }

bool ITask::canBaseline() const { return !isTemplate(); }

void ITask::generateIDs() {
    std::vector<ITask*> tree;
    collectTree(*this, tree);
    std::vector<CTaskID> before;
    before.reserve(tree.size());
    for (const ITask* task : tree) before.push_back(task->getID());

    CRecord<ITask>::generateIDs();

    std::map<CTaskID, CTaskID> renewed;
    for (std::size_t i = 0; i < tree.size(); ++i) renewed.emplace(before[i], tree[i]->getID());
    for (ITask* task : tree) {
        const ILinkArrayHandle links = task->getUpstreamLinks();
        for (int i = 0; i < links.GetSize(); ++i) {
            const ILinkWritableHandle link = links.getWritableReference(i);
            const auto found = renewed.find(link->getUpstreamTaskID());
            if (found != renewed.end()) link->setUpstreamTaskID(found->second);
        }
    }
}
