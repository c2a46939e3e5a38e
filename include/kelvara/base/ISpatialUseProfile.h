// A spatial use profile: the relation a join test checks between an assignment's entities and
// others (see CJoinTestProfileType), with the tolerance it allows, owned by a user and a company.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/ProfileEnumerations.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_SpatialUseProfile(F)                                                         \
    F(IDENTITY, CSpatialUseProfileID, ID, {}, 1)                                                    \
    F(VALUE, CProjectString, Name, {}, 1)                                                           \
    F(VALUE, CJoinTestProfileType, JoinTestProfileType, CJoinTestProfileType::Intersection, 1)      \
    F(VALUE, CProjectDouble, Tolerance, CProjectDouble(0.0), 1)                                     \
    F(VALUE, CUserID, UserID, {}, 1)                                                                \
    F(VALUE, CCompanyID, CompanyID, {}, 1)

class ISpatialUseProfile : public CRecord<ISpatialUseProfile> {
    KELVARA_INTERFACE(SpatialUseProfile)
    KELVARA_RECORD(ISpatialUseProfile, "SpatialUseProfile", KELVARA_FIELDS_SpatialUseProfile)
};
