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

// The list's own members, except the transform list (written below) and the sub-path list, held
// by pointer (CPathArray is not complete inside CPath).
#define KELVARA_PATH_MEMBER_IDENTITY KELVARA_IMPL_IDENTITY
#define KELVARA_PATH_MEMBER_VALUE KELVARA_IMPL_VALUE
#define KELVARA_PATH_MEMBER_OPTIONAL KELVARA_IMPL_OPTIONAL
#define KELVARA_PATH_MEMBER_MANUAL(T, Name)
#define KELVARA_PATH_MEMBER_CHILDREN(T, Name) \
private:                                      \
    std::unique_ptr<C##T##Array> m_##Name;    \
                                              \
public:
#define KELVARA_PATH_MEMBER_(entry, T, Name, D, since) KELVARA_PATH_MEMBER_##entry(T, Name)

class CPathArray;

class CPath : public IPath {
    KELVARA_FIELDS_Path(KELVARA_PATH_MEMBER_)

public:
    CPath();
    CPath(const CPath& other);
    CPath& operator=(const CPath& other);
    ~CPath() override;
    [[nodiscard]] IPath* clone() const override;

    IPathArrayHandle getSubPaths() const override;
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
    IHandle<IPath>* handle() const override;
    IWritableHandle<IPath>* writableHandle() override;

    CGraphicalTransformArray m_TransformArray;
};

KELVARA_ROOT_FAMILY(Path)

// The stored class behind the transform list interface, as for the kinds.
template <>
struct kelvara::ConcreteOf<IGraphicalTransformArray> {
    using type = CGraphicalTransformArray;
};
