#include "kelvara/model3d/CPathTimeline.h"

#include <cmath>
#include <limits>

namespace {

// A key's tick when the key is there and its tick is set.
bool validTick(const IPathKeyArrayHandle& keys, int position, int& tick) {
    const IPathKeyHandle key = keys[position];
    if (key.isNull() || !key->getTick().isValid()) return false;
    tick = key->getTick().getValue();
    return true;
}

// The truncation toward zero of value as an int; values beyond the int range (a key far outside
// the first-to-last range of a list out of tick order) stop at the range's ends rather than
// overflow.
int truncatedTick(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace

int CPathTimeline::addKeyFrame(const CKeyFrameID& id, const CGraphicalPoint3D& position, const CQuat& rotation,
                               const CGraphicalPoint3D& center, int tick) {
    CPathKey key;
    key.setID(id);
    key.setTick(tick);
    key.setPosition(position);
    key.setRotation(rotation);
    key.setCenter(center);
    return addKeyFrame(static_cast<const IPathKey&>(key));
}

bool CPathTimeline::Normalize(const IPathTimeline& source) {
    copyFrom(source);  // also when source is this timeline: the keys are read from the copy below
    const IPathKeyArrayHandle keys = getKeyframes();
    const int count = keys.GetSize();
    if (count < 1) return false;
    int t0 = 0;
    int t1 = 0;
    if (!validTick(keys, 0, t0) || !validTick(keys, count - 1, t1)) return false;
    // Differences in double: ticks far apart would overflow an int.
    const double scale = t0 != t1 ? static_cast<double>(IPathKey::GetMaxTick()) / (static_cast<double>(t1) - t0) : 0.0;

    CPathTimeline normalized;
    normalized.setID(getID());
    for (int i = 0; i < count; ++i) {
        int tick = 0;
        if (!validTick(keys, i, tick)) return false;
        CPathKey key;
        key.copyFrom(*keys[i]);
        key.setTick(truncatedTick((static_cast<double>(tick) - t0) * scale));
        (void)normalized.addKeyFrame(static_cast<const IPathKey&>(key));
    }
    copyFrom(normalized);
    return true;
}

double CPathTimeline::getNormalizedTick(int tick) const {
    const IPathKeyArrayHandle keys = getKeyframes();
    const int count = keys.GetSize();
    int t0 = 0;
    int t1 = 0;
    if (count < 1 || !validTick(keys, 0, t0) || !validTick(keys, count - 1, t1)) return 0.0;
    const double factor = t0 != t1 ? 1.0 / (static_cast<double>(t1) - t0) : 0.0;
    return (static_cast<double>(tick) - t0) * factor;
}
