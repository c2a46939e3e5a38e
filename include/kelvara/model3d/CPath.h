// The stored path (see IPath). A new one has a fresh identifier, no name, the colour red
// (1, 0, 0), no duration, no timeline, no transforms and no sub-paths. Its sub-paths are held by
// pointer, created with the path, so that a path can own a list of its own kind; its transforms
// are a CGraphicalTransformArray.
#pragma once

#include <memory>

#include "kelvara/base/IPath.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CGraphicalTransform.h"
#include "kelvara/model3d/CPathTimeline.h"

class CPath : public IPath {
    KELVARA_OBJECT(Path)
    KELVARA_RECORD_MEMBERS_HELD(KELVARA_FIELDS_Path)

public:
    ~CPath() override;
    const IGraphicalTransformArray& getTransformArray() const override { return m_TransformArray; }

    int addSubPath(const IPath& path) override;
    void insertSubPath(const IPath& path, int index) override;
    bool attachSubPath(IPathWritableHandle handle, int index) override;
    [[nodiscard]] IPathWritableHandle detachSubPath(const CPathID& id) override;
    bool removeSubPath(const CPathID& id) override;
    void removeAllSubPaths() override;
    bool changeSubPathPosition(int from, int to) override;

protected:
    void setTransformArray(const IGraphicalTransformArray& transforms) override { m_TransformArray.Copy(transforms); }
    void clearTransformArray() override { m_TransformArray.RemoveAll(); }

private:
    IGraphicalTransformArray& getWritableTransformArray() override { return m_TransformArray; }

    CGraphicalTransformArray m_TransformArray;
};

KELVARA_ROOT_FAMILY(Path)

// The stored class behind the transform list interface, as for the kinds.
template <>
struct kelvara::ConcreteOf<IGraphicalTransformArray> {
    using type = CGraphicalTransformArray;
};
