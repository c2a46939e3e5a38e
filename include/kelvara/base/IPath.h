// A route along which objects are animated: a timeline of path keys (placements over ticks), a
// colour to draw it in, a duration, the transforms computed from it, and sub-paths of its own
// kind owned by it.
#pragma once

#include "kelvara/base/IGraphicalTransform.h"
#include "kelvara/base/IPathTimeline.h"

// The transform list is reached by reference: its class lives with the concrete classes, so the
// list's default is an empty list the concrete side provides (IPath::noTransforms).
#define KELVARA_FIELDS_Path(F)                                                               \
    F(IDENTITY, CPathID, ID, CPathID::generated(), 1)                                        \
    F(VALUE, CProjectString, Name, {}, 1)                                                    \
    F(VALUE, CProjectColorRGB, Color, (CProjectColorRGB(1.0f, 0.0f, 0.0f)), 1)               \
    F(VALUE, CProjectDuration, Duration, {}, 1)                                              \
    F(OPTIONAL, PathTimeline, Timeline, {}, 1)                                               \
    F(MANUAL, const IGraphicalTransformArray&, TransformArray, IPath::noTransforms(), 1)     \
    F(CHILDREN, Path, SubPaths, {}, 1)

class IPath : public CRecord<IPath> {
    KELVARA_INTERFACE(Path)
    KELVARA_RECORD(IPath, "Path", KELVARA_FIELDS_Path)

public:
    // An empty transform list (the transform list's default).
    static const IGraphicalTransformArray& noTransforms();

    virtual const IGraphicalTransformArray& getTransformArray() const = 0;

    // Whether the path moves anything: it has a timeline and at least one of its keys places an
    // object other than where it stands (a placement that is not the identity).
    bool hasEffectiveTransforms() const;
    // out is emptied; then, when the path has effective transforms, one transform per key in
    // order: the key's placement (IPathKey::getTransform without accumulating).
    void toTransformArray(IGraphicalTransformArray& out) const;

    // A copy of path among the sub-paths (the list's Add): its position, or -1 when a sub-path
    // with its identifier is present.
    virtual int addSubPath(const IPath& path) = 0;
    // A copy at index; nothing when index is negative or beyond the count, or the identifier is
    // present.
    virtual void insertSubPath(const IPath& path, int index) = 0;
    // Takes over the object the handle refers to (one the caller owns, e.g. from a detach) at
    // index without copying. False when index is negative or beyond the count, when a sub-path
    // with its identifier is present, for a null handle or an object that is not a stored path,
    // and when the object is this path or one above it in a tree (the tree would become a
    // cycle); a refused object stays the caller's.
    virtual bool attachSubPath(IPathWritableHandle handle, int index) = 0;
    // Takes the sub-path out without destroying it; the caller owns it. Empty when absent.
    [[nodiscard]] virtual IPathWritableHandle detachSubPath(const CPathID& id) = 0;
    virtual bool removeSubPath(const CPathID& id) = 0;
    virtual void removeAllSubPaths() = 0;
    // Moves the sub-path at from to position to (the list's changePosition(to, from)); false
    // unless both lie in 0 .. count - 1.
    virtual bool changeSubPathPosition(int from, int to) = 0;

protected:
    // Empty when the path has no timeline.
    IPathTimelineWritableHandle getWritableTimeline() {
        return getTimeline().isNull() ? IPathTimelineWritableHandle() : allocateTimeline();
    }
    virtual void setTransformArray(const IGraphicalTransformArray& transforms) = 0;
    virtual void clearTransformArray() = 0;

private:
    virtual IGraphicalTransformArray& getWritableTransformArray() = 0;
};
