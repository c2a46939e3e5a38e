#include "kelvara/model3d/CResourceState.h"

#include "kelvara/framework/Trees.h"

KELVARA_DEFINE_KIND(ResourceState)

CResourceState::CResourceState(const CString& name) {
    initialize();
    setName(CProjectString(name));
}

CResourceState::~CResourceState() = default;

// The list is created before the identifier check can refuse, so a refused first insert releases
// it again: no state is left holding an empty list.
bool CResourceState::insertSubState(const IResourceState& state, int index) {
    if (index < 0) return false;
    CResourceStateArray& list = kelvara::detail::allocateList(m_SubStates);
    bool inserted = false;
    if (index <= list.GetSize()) {
        const int before = list.GetSize();
        list.InsertAt(index, state);
        inserted = list.GetSize() > before;
    }
    kelvara::detail::releaseListIfEmpty(m_SubStates);
    return inserted;
}

bool CResourceState::attachSubState(IResourceState* state, int index) {
    auto* concrete = dynamic_cast<CResourceState*>(state);
    if (!concrete || index < 0) return false;
    const int count = m_SubStates ? m_SubStates->GetSize() : 0;
    if (index > count) return false;
    if (kelvara::detail::inSubtree<IResourceState>(*concrete, this, &IResourceState::getSubStates)) return false;
    CResourceStateArray& list = kelvara::detail::allocateList(m_SubStates);
    list.Attach(index, concrete);
    const bool attached = list.GetSize() > count;
    kelvara::detail::releaseListIfEmpty(m_SubStates);
    return attached;
}

bool CResourceState::removeSubState(const CResourceStateID& id) {
    if (!m_SubStates || !m_SubStates->Remove(id)) return false;
    kelvara::detail::releaseListIfEmpty(m_SubStates);
    return true;
}

IResourceState* CResourceState::detachSubState(const CResourceStateID& id) {
    if (!m_SubStates) return nullptr;
    IResourceState* state = m_SubStates->Detach(id);
    kelvara::detail::releaseListIfEmpty(m_SubStates);
    return state;
}

void CResourceState::removeAllSubStates() { m_SubStates.reset(); }
