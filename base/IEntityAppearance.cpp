#include "kelvara/base/IEntityAppearance.h"

#include <cmath>
#include <cstdint>
#include <limits>

int IEntityAppearance::complement(int percent) noexcept {
    const std::int64_t value = 100 - static_cast<std::int64_t>(percent);
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

void IEntityAppearance::setTransparency(int transparency) {
    setStartOpaqueness(CProjectInt(complement(transparency)));
    unsetFinishOpaqueness();
}

void IEntityAppearance::setOpaqueness(int opaqueness) {
    setStartOpaqueness(CProjectInt(opaqueness));
    unsetFinishOpaqueness();
}

void IEntityAppearance::setStartTransparency(int transparency) {
    setStartOpaqueness(CProjectInt(complement(transparency)));
}

void IEntityAppearance::setFinishTransparency(int transparency) {
    setFinishOpaqueness(CProjectInt(complement(transparency)));
}

// The unset value is always the default one, so two appearances that do not fade compare equal
// whatever finish value either had before.
void IEntityAppearance::unsetFinishOpaqueness() { setFinishOpaqueness(CProjectInt()); }

int IEntityAppearance::getStartTransparency() const { return complement(getStartOpaqueness().getValue()); }

int IEntityAppearance::getFinishTransparency() const { return complement(getFinishOpaqueness().getValue()); }

int IEntityAppearance::getTransparency(double fraction) const {
    const int start = getStartTransparency();
    if (!needTransparencyInterpolation()) return start;
    double f = fraction > 0.0 ? fraction : 0.0;  // NaN fails the test and counts as 0
    if (f > 1.0) f = 1.0;
    const double finish = getFinishTransparency();
    // Between the two ends, so the rounded value fits in int.
    return static_cast<int>(std::lround(start + (finish - start) * f));
}
