// The stored use profile (see IUseProfile). A new profile has a null identifier, no name, is not
// the default, installs, shows its entities as they are at every stage and has an empty list of
// sub-profiles. The sub-profile list is held by pointer (CUseProfileArray is not complete inside
// CUseProfile), created by every constructor and never released.
#pragma once

#include <memory>

#include "kelvara/base/IUseProfile.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CEntityAppearance.h"

class CUseProfile : public IUseProfile {
    KELVARA_OBJECT(UseProfile)
    KELVARA_RECORD_MEMBERS_HELD(KELVARA_FIELDS_UseProfile)

public:
    explicit CUseProfile(const CString& name);
    ~CUseProfile() override;
    bool insertSubUseProfile(int index, const IUseProfile& profile) override;
    bool removeSubUseProfile(int index) override;
    void removeAllSubUseProfiles() override;
};

KELVARA_ROOT_FAMILY(UseProfile)
