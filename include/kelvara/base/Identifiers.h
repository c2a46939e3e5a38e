// Every identifier kind of the model, and the identifier arrays C<Thing>IDArray. Several kinds
// share one identifier kind (CFilterID for every filter, CKeyFrameID for every key frame,
// CTimelineID for every timeline), and a kind's identifier can be named before the kind itself
// exists, so the identifier kinds have their own list. The arrays are instantiated once, in
// base/Identifiers.cpp.
#pragma once

#include "kelvara/base/KelvaraID.h"

// X(Identifier, Tag, Array): Identifier is CKelvaraID<Tag>'s named class; WITH_ARRAY also declares
// its identifier array IdentifierArray. Arrays are declared where a record holds one (each costs
// about a second of compile time in base/Identifiers.cpp); a new kind switches its own on.
#define KELVARA_IDENTIFIER_KINDS(X) \
    X(C3DNotationID, C3DNotation, WITH_ARRAY) \
    X(C3DWorldSettingsID, C3DWorldSettings, NO_ARRAY) \
    X(CAnimationID, CAnimation, WITH_ARRAY) \
    X(CAssignedResourceGroupID, CAssignedResourceGroup, WITH_ARRAY) \
    X(CAssignedResourceID, CAssignedResource, WITH_ARRAY) \
    X(CAssignedRiskID, CAssignedRisk, WITH_ARRAY) \
    X(CBinImageID, CBinImage, NO_ARRAY) \
    X(CCalendarDayTypeID, CCalendarDayType, NO_ARRAY) \
    X(CCalendarID, CCalendar, WITH_ARRAY) \
    X(CClashTestID, CClashTest, NO_ARRAY) \
    X(CClashTestResultID, CClashTestResult, NO_ARRAY) \
    X(CCodeID, CCode, WITH_ARRAY) \
    X(CCodeValueID, CCodeValue, WITH_ARRAY) \
    X(CCompanyID, CCompany, WITH_ARRAY) \
    X(CCostID, CCost, WITH_ARRAY) \
    X(CCuttingPlaneID, CCuttingPlane, WITH_ARRAY) \
    X(CDocumentFileID, CDocumentFile, WITH_ARRAY) \
    X(CDocumentFolderID, CDocumentFolder, NO_ARRAY) \
    X(CEntity3DID, CEntity3D, WITH_ARRAY) \
    X(CFilterID, CFilter, WITH_ARRAY) \
    X(CGraphicalImageID, CGraphicalImage, WITH_ARRAY) \
    X(CIssueID, CIssue, NO_ARRAY) \
    X(CJoinTestID, CJoinTest, NO_ARRAY) \
    X(CJoinTestResultID, CJoinTestResult, NO_ARRAY) \
    X(CKeyFrameID, CKeyFrame, NO_ARRAY) \
    X(CLayoutID, CLayout, WITH_ARRAY) \
    X(CLinkID, CLink, WITH_ARRAY) \
    X(CNoteID, CNote, NO_ARRAY) \
    X(CPathID, CPath, WITH_ARRAY) \
    X(CPhysicalLightID, CPhysicalLight, NO_ARRAY) \
    X(CPositionID, CPosition, WITH_ARRAY) \
    X(CProjectBaselineID, CProjectBaseline, WITH_ARRAY) \
    X(CResourceGroupID, CResourceGroup, WITH_ARRAY) \
    X(CResourceID, CResource, WITH_ARRAY) \
    X(CResourceRateID, CResourceRate, WITH_ARRAY) \
    X(CResourceStateHistoryItemID, CResourceStateHistoryItem, NO_ARRAY) \
    X(CResourceStateID, CResourceState, WITH_ARRAY) \
    X(CRiskID, CRisk, WITH_ARRAY) \
    X(CRoleID, CRole, NO_ARRAY) \
    X(CRuleID, CRule, WITH_ARRAY) \
    X(CSkyBoxID, CSkyBox, NO_ARRAY) \
    X(CSpatialUseProfileID, CSpatialUseProfile, NO_ARRAY) \
    X(CSupplyChainID, CSupplyChain, NO_ARRAY) \
    X(CSynchronizerID, CSynchronizer, NO_ARRAY) \
    X(CTaskCategoryID, CTaskCategory, NO_ARRAY) \
    X(CTaskID, CTask, WITH_ARRAY) \
    X(CTaskReportID, CTaskReport, WITH_ARRAY) \
    X(CTaskStateID, CTaskState, WITH_ARRAY) \
    X(CTextureDefinitionID, CTextureDefinition, WITH_ARRAY) \
    X(CTimelineID, CTimeline, NO_ARRAY) \
    X(CUseProfileID, CUseProfile, WITH_ARRAY) \
    X(CUserFieldID, CUserField, WITH_ARRAY) \
    X(CUserGridID, CUserGrid, WITH_ARRAY) \
    X(CUserID, CUser, NO_ARRAY) \
    X(CWbsLayoutID, CWbsLayout, NO_ARRAY) \
    X(CWbsLevelID, CWbsLevel, NO_ARRAY)

#define KELVARA_ID_ARRAY_WITH_ARRAY(Name) KELVARA_DECLARE_ID_ARRAY(Name)
#define KELVARA_ID_ARRAY_NO_ARRAY(Name)
#define KELVARA_DECLARE_IDENTIFIER_KIND_(Name, Tag, Array) KELVARA_DECLARE_ID(Name, Tag) KELVARA_ID_ARRAY_##Array(Name)
KELVARA_IDENTIFIER_KINDS(KELVARA_DECLARE_IDENTIFIER_KIND_)
#undef KELVARA_DECLARE_IDENTIFIER_KIND_

// Untyped identifier lists.
extern template class CIDPointerArray<CIDBase>;
