#include "kelvara/framework/Identifiers.h"

// One instantiation of each identifier array, shared by every user.
template class CIDPointerArray<C3DNotationID>;
template class CIDPointerArray<CAnimationID>;
template class CIDPointerArray<CAssignedResourceGroupID>;
template class CIDPointerArray<CAssignedResourceID>;
template class CIDPointerArray<CAssignedRiskID>;
template class CIDPointerArray<CCalendarID>;
template class CIDPointerArray<CCodeID>;
template class CIDPointerArray<CCodeValueID>;
template class CIDPointerArray<CCompanyID>;
template class CIDPointerArray<CCostID>;
template class CIDPointerArray<CCuttingPlaneID>;
template class CIDPointerArray<CDocumentFileID>;
template class CIDPointerArray<CEntity3DID>;
template class CIDPointerArray<CFilterID>;
template class CIDPointerArray<CGraphicalImageID>;
template class CIDPointerArray<CLayoutID>;
template class CIDPointerArray<CLinkID>;
template class CIDPointerArray<CPathID>;
template class CIDPointerArray<CPositionID>;
template class CIDPointerArray<CProjectBaselineID>;
template class CIDPointerArray<CResourceGroupID>;
template class CIDPointerArray<CResourceID>;
template class CIDPointerArray<CResourceRateID>;
template class CIDPointerArray<CResourceStateID>;
template class CIDPointerArray<CRiskID>;
template class CIDPointerArray<CRuleID>;
template class CIDPointerArray<CTaskID>;
template class CIDPointerArray<CTaskReportID>;
template class CIDPointerArray<CTaskStateID>;
template class CIDPointerArray<CTextureDefinitionID>;
template class CIDPointerArray<CUseProfileID>;
template class CIDPointerArray<CUserFieldID>;
template class CIDPointerArray<CUserGridID>;
template class CIDPointerArray<CIDBase>;
