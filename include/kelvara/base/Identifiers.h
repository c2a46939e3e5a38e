// Every identifier kind of the model, each with its identifier array C<Thing>IDArray. Several kinds
// share one identifier kind (CFilterID for every filter, CKeyFrameID for every key frame,
// CTimelineID for every timeline), and a kind's identifier can be named before the kind itself
// exists, so the identifier kinds have their own list. Their arrays are instantiated once, in
// base/Identifiers.cpp.
#pragma once

#include "kelvara/base/KelvaraID.h"

// X(Identifier, Tag): Identifier is CKelvaraID<Tag>'s named class.
#define KELVARA_IDENTIFIER_KINDS(X) \
    X(C3DNotationID, C3DNotation) \
    X(C3DWorldSettingsID, C3DWorldSettings) \
    X(CAnimationID, CAnimation) \
    X(CAssignedResourceGroupID, CAssignedResourceGroup) \
    X(CAssignedResourceID, CAssignedResource) \
    X(CAssignedRiskID, CAssignedRisk) \
    X(CBinImageID, CBinImage) \
    X(CCalendarDayTypeID, CCalendarDayType) \
    X(CCalendarID, CCalendar) \
    X(CClashTestID, CClashTest) \
    X(CClashTestResultID, CClashTestResult) \
    X(CCodeID, CCode) \
    X(CCodeValueID, CCodeValue) \
    X(CCompanyID, CCompany) \
    X(CCostID, CCost) \
    X(CCuttingPlaneID, CCuttingPlane) \
    X(CDocumentFileID, CDocumentFile) \
    X(CDocumentFolderID, CDocumentFolder) \
    X(CEntity3DID, CEntity3D) \
    X(CFilterID, CFilter) \
    X(CGraphicalImageID, CGraphicalImage) \
    X(CIssueID, CIssue) \
    X(CJoinTestID, CJoinTest) \
    X(CJoinTestResultID, CJoinTestResult) \
    X(CKeyFrameID, CKeyFrame) \
    X(CLayoutID, CLayout) \
    X(CLinkID, CLink) \
    X(CNoteID, CNote) \
    X(CPathID, CPath) \
    X(CPhysicalLightID, CPhysicalLight) \
    X(CPositionID, CPosition) \
    X(CProjectBaselineID, CProjectBaseline) \
    X(CResourceGroupID, CResourceGroup) \
    X(CResourceID, CResource) \
    X(CResourceRateID, CResourceRate) \
    X(CResourceStateHistoryItemID, CResourceStateHistoryItem) \
    X(CResourceStateID, CResourceState) \
    X(CRiskID, CRisk) \
    X(CRoleID, CRole) \
    X(CRuleID, CRule) \
    X(CSkyBoxID, CSkyBox) \
    X(CSpatialUseProfileID, CSpatialUseProfile) \
    X(CSupplyChainID, CSupplyChain) \
    X(CSynchronizerID, CSynchronizer) \
    X(CTaskCategoryID, CTaskCategory) \
    X(CTaskID, CTask) \
    X(CTaskReportID, CTaskReport) \
    X(CTaskStateID, CTaskState) \
    X(CTextureDefinitionID, CTextureDefinition) \
    X(CTimelineID, CTimeline) \
    X(CUseProfileID, CUseProfile) \
    X(CUserFieldID, CUserField) \
    X(CUserGridID, CUserGrid) \
    X(CUserID, CUser) \
    X(CWbsLayoutID, CWbsLayout) \
    X(CWbsLevelID, CWbsLevel)

#define KELVARA_DECLARE_IDENTIFIER_KIND_(Name, Tag) KELVARA_DECLARE_ID(Name, Tag) KELVARA_DECLARE_ID_ARRAY(Name)
KELVARA_IDENTIFIER_KINDS(KELVARA_DECLARE_IDENTIFIER_KIND_)
#undef KELVARA_DECLARE_IDENTIFIER_KIND_

// Untyped identifier lists.
extern template class CIDPointerArray<CIDBase>;
