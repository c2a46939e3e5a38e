// An appearance profile a task-resource assignment uses to show its entities while the task runs:
// how they look before the task (start), while it runs (active) and after it (end), what the task
// does to them (install, remove, temporary, maintain), and who owns the profile. Profiles nest: a
// profile owns a list of sub-profiles, present from construction.
#pragma once

#include "kelvara/base/IEntityAppearance.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/ProfileEnumerations.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_UseProfile(F)                                                  \
    F(IDENTITY, CUseProfileID, ID, {}, 1)                                             \
    F(VALUE, CProjectString, Name, {}, 1)                                             \
    F(VALUE, CProjectBool, IsDefaultProfile, CProjectBool(false), 1)                  \
    F(VALUE, CResourceProfileType, Type, CResourceProfileType::Install, 1)            \
    F(EMBEDDED, EntityAppearance, StartAppearance, {}, 1)                             \
    F(EMBEDDED, EntityAppearance, ActiveAppearance, {}, 1)                            \
    F(EMBEDDED, EntityAppearance, EndAppearance, {}, 1)                               \
    F(VALUE, CUserID, UserID, {}, 1)                                                  \
    F(VALUE, CCompanyID, CompanyID, {}, 1)                                            \
    F(CHILDREN, UseProfile, SubUseProfiles, {}, 1)

class IUseProfile : public CRecord<IUseProfile> {
    KELVARA_INTERFACE(UseProfile)
    KELVARA_RECORD(IUseProfile, "UseProfile", KELVARA_FIELDS_UseProfile)

public:
    // Inserts a copy at index (0 .. count). False, with nothing changed, for an index outside that
    // range or a profile whose identifier is already among the sub-profiles.
    virtual bool insertSubUseProfile(int index, const IUseProfile& profile) = 0;
    // Removes and destroys the sub-profile at index; false unless 0 <= index <= count - 1.
    virtual bool removeSubUseProfile(int index) = 0;
    virtual void removeAllSubUseProfiles() = 0;
};
