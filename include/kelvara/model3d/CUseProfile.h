// The stored use profile (see IUseProfile). A new profile has a null identifier, no name, is not
// the default, installs, shows its entities as they are at every stage and has an empty list of
// sub-profiles. The sub-profile list is held by pointer (CUseProfileArray is not complete inside
// CUseProfile), created by every constructor and never released.
#pragma once

#include <memory>

#include "kelvara/base/IUseProfile.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CEntityAppearance.h"

// The list's own members, except that the sub-profile list is held by pointer.
#define KELVARA_USE_PROFILE_MEMBER_IDENTITY KELVARA_IMPL_IDENTITY
#define KELVARA_USE_PROFILE_MEMBER_VALUE KELVARA_IMPL_VALUE
#define KELVARA_USE_PROFILE_MEMBER_EMBEDDED KELVARA_IMPL_EMBEDDED
#define KELVARA_USE_PROFILE_MEMBER_CHILDREN(T, Name) \
private:                                             \
    std::unique_ptr<C##T##Array> m_##Name;           \
                                                     \
public:
#define KELVARA_USE_PROFILE_MEMBER_(entry, T, Name, D, since) KELVARA_USE_PROFILE_MEMBER_##entry(T, Name)

class CUseProfile : public IUseProfile {
    KELVARA_FIELDS_UseProfile(KELVARA_USE_PROFILE_MEMBER_)

public:
    CUseProfile();
    explicit CUseProfile(const CString& name);
    CUseProfile(const CUseProfile& other);
    CUseProfile& operator=(const CUseProfile& other);
    ~CUseProfile() override;
    [[nodiscard]] IUseProfile* clone() const override;

    IUseProfileArrayHandle getSubUseProfiles() const override;
    bool insertSubUseProfile(int index, const IUseProfile& profile) override;
    bool removeSubUseProfile(int index) override;
    void removeAllSubUseProfiles() override;

private:
    IHandle<IUseProfile>* handle() const override;
    IWritableHandle<IUseProfile>* writableHandle() override;
};

KELVARA_ROOT_FAMILY(UseProfile)
