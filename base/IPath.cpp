#include "kelvara/base/IPath.h"

bool IPath::hasEffectiveTransforms() const {
    const IPathTimelineHandle timeline = getTimeline();
    if (timeline.isNull()) return false;
    const IPathKeyArrayHandle keys = timeline->getKeyframes();
    for (int i = 0; i < keys.GetSize(); ++i) {
        const IPathKeyHandle key = keys[i];
        if (!key.isNull() && !key->getMatrix().isIdentity()) return true;
    }
    return false;
}

void IPath::toTransformArray(IGraphicalTransformArray& out) const {
    out.RemoveAll();
    if (!hasEffectiveTransforms()) return;
    const IPathKeyArrayHandle keys = getTimeline()->getKeyframes();
    int filled = 0;
    for (int i = 0; i < keys.GetSize(); ++i) {
        const IPathKeyHandle key = keys[i];
        if (key.isNull()) continue;
        out.SetSize(filled + 1);  // a new identity transform, filled in place
        key->getTransform(out.getWritableReference(filled), false);
        ++filled;
    }
}
