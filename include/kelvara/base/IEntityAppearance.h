// How a use profile shows an entity during one stage of a task (before it, while it runs, after
// it): a colour, an opaqueness that may fade from a start to a finish value, and how the entity
// grows into view. Transparency and opaqueness are percentages with transparency = 100 -
// opaqueness; an appearance fades exactly when its finish opaqueness is set. A new appearance keeps
// the entity's own colour and transparency, is fully opaque and does not fade.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/ProfileEnumerations.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_EntityAppearance(F)                                                     \
    F(VALUE, CProjectColorRGB, Color, {}, 1)                                                   \
    F(VALUE, CProjectInt, StartOpaqueness, CProjectInt(100), 1)                                \
    F(VALUE, CProjectInt, FinishOpaqueness, {}, 1)                                             \
    F(VALUE, CProjectBool, UseOriginalColor, CProjectBool(true), 1)                            \
    F(VALUE, CProjectBool, UseOriginalTransparency, CProjectBool(true), 1)                     \
    F(VALUE, CUseProfileAnimationType, AnimationType, CUseProfileAnimationType::None, 1)       \
    F(VALUE, CGraphicalVector3D, GrowDirection, (CGraphicalVector3D(0.0f, 0.0f, 1.0f)), 1)     \
    F(VALUE, CProjectBool, GrowthSimulationBasedOnPercentComplete, CProjectBool(false), 1)     \
    F(VALUE, CProjectBool, GrowthSimulationPauseDuringNonWorkingTime, CProjectBool(false), 1)

class IEntityAppearance : public CRecord<IEntityAppearance> {
    KELVARA_INTERFACE(EntityAppearance)
    KELVARA_RECORD(IEntityAppearance, "EntityAppearance", KELVARA_FIELDS_EntityAppearance)

public:
    // A constant transparency t: start opaqueness 100 - t, no fading.
    void setTransparency(int transparency);
    // A constant opaqueness: start opaqueness o, no fading.
    void setOpaqueness(int opaqueness);
    void setStartTransparency(int transparency);   // start opaqueness 100 - t
    void setFinishTransparency(int transparency);  // finish opaqueness 100 - t: the appearance fades
    void unsetFinishOpaqueness();                  // stops the fading
    int getStartTransparency() const;              // 100 - start opaqueness
    int getFinishTransparency() const;             // 100 - finish opaqueness (set or not)
    bool needTransparencyInterpolation() const { return getFinishOpaqueness().isValid(); }

    // The transparency a fraction of the way from the start to the finish transparency, rounded to
    // the nearest whole percent (halves away from zero). The fraction is clamped into 0..1 (NaN
    // counts as 0). An appearance that does not fade answers its start transparency.
    int getTransparency(double fraction) const;

    // 100 - percent for any int: values so far out that the difference leaves int's range saturate
    // at its ends instead of overflowing.
    static int complement(int percent) noexcept;
};
