// The stored form of the renderer settings (see IIraySettings).
#pragma once

#include "kelvara/base/IIraySettings.h"
#include "kelvara/framework/Family.h"

class CIraySettings : public IIraySettings {
    KELVARA_OBJECT(IraySettings)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_IraySettings)

public:
    // The renderer's defaults: 300 iterations or 300 seconds, time of day 2, shutter 64, denoiser
    // off (from iteration 8 when on), every other flag off.
    // Moving copies: the settings are a handful of numbers.
    CIraySettings(CIraySettings&& other) : CIraySettings(static_cast<const CIraySettings&>(other)) {}
    explicit CIraySettings(const IIraySettings& other) : IIraySettings() { copyFrom(other); }
    CIraySettings& operator=(CIraySettings&& other) { return *this = static_cast<const CIraySettings&>(other); }
    ~CIraySettings() override = default;
};

KELVARA_OBJECT_FAMILY(IraySettings)
