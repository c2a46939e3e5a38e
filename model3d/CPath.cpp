#include "kelvara/model3d/CPath.h"

#include "kelvara/framework/Trees.h"

KELVARA_DEFINE_KIND(Path)

const IGraphicalTransformArray& IPath::noTransforms() {
    static const CGraphicalTransformArray none;
    return none;
}

CPath::~CPath() = default;

int CPath::addSubPath(const IPath& path) { return m_SubPaths->Add(path); }

void CPath::insertSubPath(const IPath& path, int index) {
    if (index < 0 || index > m_SubPaths->GetSize()) return;
    m_SubPaths->InsertAt(index, path);
}

bool CPath::attachSubPath(IPathWritableHandle handle, int index) {
    if (index < 0 || index > m_SubPaths->GetSize()) return false;
    auto* path = dynamic_cast<CPath*>(handle.get());
    if (!path || m_SubPaths->findByID(path->getID()) >= 0) return false;
    // This path under itself, or under one of its own sub-paths, would make the tree a cycle.
    if (kelvara::detail::inSubtree<IPath>(*path, this, &IPath::getSubPaths)) return false;
    const int before = m_SubPaths->GetSize();
    m_SubPaths->Attach(index, path);
    return m_SubPaths->GetSize() > before;
}

IPathWritableHandle CPath::detachSubPath(const CPathID& id) {
    const int position = m_SubPaths->findByID(id);
    if (position < 0) return IPathWritableHandle();
    CPath* path = m_SubPaths->isSorted() ? m_SubPaths->Detach(position) : m_SubPaths->DetachNoSort(position);
    return path ? path->getWritableHandle() : IPathWritableHandle();
}

bool CPath::removeSubPath(const CPathID& id) {
    const int position = m_SubPaths->findByID(id);
    if (position < 0) return false;
    if (m_SubPaths->isSorted()) m_SubPaths->RemoveAt(position);
    else m_SubPaths->RemoveAtNoSort(position);
    return true;
}

void CPath::removeAllSubPaths() { m_SubPaths->RemoveAll(); }

// The list's changePosition takes (target, source); this operation names the source first.
bool CPath::changeSubPathPosition(int from, int to) {
    const int count = m_SubPaths->GetSize();
    if (from < 0 || from >= count || to < 0 || to >= count) return false;
    return m_SubPaths->changePosition(to, from);
}
