// The registry of the model's kinds: one line per kind, and nothing else. Everything a kind shares
// with every other kind is derived from its line: its identifier and handle declarations, its
// traits, the concrete family's checks, the project document's roots (in the order they are
// stored), the generic property and golden-archive tests, the schema and the build's list of
// concrete headers. The build reads this file as text, so keep one entry per line in exactly
// this shape:
//
//   X(Thing, Identifier, Iteration, Role, Folder)
//
//   Thing       the kind's name: I<Thing> is its interface, C<Thing> its class in
//               include/kelvara/<Folder>/C<Thing>.h
//   Identifier  its identifier kind (void for a kind that has none)
//   Iteration   how its lists are reached: POSITIONAL (by position, with find(id, position)),
//               ITERABLE (iterators in identifier order) or BOTH (I<Thing>ArrayHandle is the
//               positional form, I<Thing>IterableArrayHandle the iterable one); NONE for singles
//   Role        SINGLE (held by value or as an optional child, no list of its own), LISTED (held
//               in lists of its owner) or ROOT (also the element of one of the project's roots)
//   Folder      the layer folder of its concrete class
//
// Roots are stored in a project file in the order of this list: append new root kinds.
#pragma once

#define KELVARA_KINDS(X)                                                               \
    X(Link, CLinkID, POSITIONAL, LISTED, schedule)                                     \
    X(Code, CCodeID, POSITIONAL, ROOT, schedule)                                       \
    X(CodeValue, CCodeValueID, POSITIONAL, LISTED, schedule)                           \
    X(UserField, CUserFieldID, POSITIONAL, ROOT, schedule)                             \
    X(UserFieldValue, CUserFieldID, ITERABLE, LISTED, schedule)                        \
    X(TaskState, CTaskStateID, POSITIONAL, ROOT, schedule)                             \
    X(TaskCategory, CTaskCategoryID, POSITIONAL, ROOT, schedule)                       \
    X(Cost, CCostID, POSITIONAL, LISTED, schedule)                                     \
    X(TaskReport, CTaskReportID, POSITIONAL, LISTED, schedule)                         \
    X(SupplyChain, CSupplyChainID, NONE, SINGLE, schedule)                             \
    X(Position, CPositionID, POSITIONAL, ROOT, schedule)                               \
    X(TextureDefinition, CTextureDefinitionID, POSITIONAL, ROOT, model3d)              \
    X(GraphicalImage, CGraphicalImageID, POSITIONAL, ROOT, model3d)                    \
    X(BinImage, CBinImageID, POSITIONAL, ROOT, model3d)                                \
    X(SkyBox, CSkyBoxID, POSITIONAL, ROOT, model3d)                                    \
    X(CubeMap, void, NONE, SINGLE, model3d)                                            \
    X(CuttingPlane, CCuttingPlaneID, POSITIONAL, ROOT, model3d)                        \
    X(PhysicalLight, CPhysicalLightID, POSITIONAL, ROOT, model3d)                      \
    X(3DNotation, C3DNotationID, POSITIONAL, ROOT, model3d)                            \
    X(GraphicalTransform, void, NONE, SINGLE, model3d)                                 \
    X(GraphicalMaterial, void, NONE, SINGLE, model3d)                                  \
    X(3DWorldSettings, C3DWorldSettingsID, NONE, SINGLE, model3d)                      \
    X(IraySettings, void, NONE, SINGLE, model3d)                                       \
    X(ViewpointCamera, void, NONE, SINGLE, model3d)                                    \
    X(ViewpointCuttingPlane, void, NONE, SINGLE, model3d)                              \
    X(CameraMarker, void, NONE, SINGLE, model3d)                                       \
    X(TurnableAnimation, void, NONE, SINGLE, model3d)                                  \
    X(KelvaraKeyFrame, CKeyFrameID, NONE, SINGLE, model3d)                             \
    X(CameraKeyFrame, CKeyFrameID, POSITIONAL, LISTED, model3d)                        \
    X(EventKeyFrame, CKeyFrameID, POSITIONAL, LISTED, model3d)                         \
    X(ProjectTimeKeyFrame, CKeyFrameID, POSITIONAL, LISTED, model3d)                   \
    X(PathKey, CKeyFrameID, POSITIONAL, LISTED, model3d)                               \
    X(Timeline, CTimelineID, NONE, SINGLE, model3d)                                    \
    X(CameraTimeline, CTimelineID, NONE, SINGLE, model3d)                              \
    X(EventTimeline, CTimelineID, NONE, SINGLE, model3d)                               \
    X(ProjectTimeTimeline, CTimelineID, NONE, SINGLE, model3d)                         \
    X(PathTimeline, CTimelineID, NONE, SINGLE, model3d)                                \
    X(Animation, CAnimationID, POSITIONAL, ROOT, model3d)                              \
    X(Path, CPathID, POSITIONAL, ROOT, model3d)                                        \
    X(RSHistoryItem, CResourceStateHistoryItemID, POSITIONAL, LISTED, model3d)         \
    X(RSHistory, void, NONE, SINGLE, model3d)                                          \
    X(EntityAppearance, void, NONE, SINGLE, model3d)                                   \
    X(ResourceState, CResourceStateID, POSITIONAL, ROOT, model3d)                      \
    X(UseProfile, CUseProfileID, POSITIONAL, ROOT, model3d)                            \
    X(SpatialUseProfile, CSpatialUseProfileID, POSITIONAL, ROOT, model3d)              \
    X(Note, CNoteID, ITERABLE, LISTED, people)                                         \
    X(AssignedRisk, CAssignedRiskID, POSITIONAL, LISTED, people)                       \
    X(DocumentFile, CDocumentFileID, POSITIONAL, LISTED, people)                       \
    X(Issue, CIssueID, POSITIONAL, ROOT, people)                                       \
    X(Risk, CRiskID, POSITIONAL, ROOT, people)                                         \
    X(DocumentFolder, CDocumentFolderID, POSITIONAL, ROOT, people)                     \
    X(CalendarDayType, CCalendarDayTypeID, POSITIONAL, LISTED, schedule)               \
    X(Calendar, CCalendarID, POSITIONAL, ROOT, schedule)                               \
    X(AssignedResourceTransform, CEntity3DID, POSITIONAL, LISTED, schedule)            \
    X(AssignedResource, CAssignedResourceID, POSITIONAL, LISTED, schedule)             \
    X(AssignedResourceGroup, CAssignedResourceGroupID, POSITIONAL, LISTED, schedule)   \
    X(ResourceRate, CResourceRateID, POSITIONAL, LISTED, schedule)                     \
    X(Resource, CResourceID, POSITIONAL, LISTED, schedule)                             \
    X(Rule, CRuleID, POSITIONAL, ROOT, schedule)                                       \
    X(ResourceGroup, CResourceGroupID, POSITIONAL, ROOT, schedule)                     \
    X(Company, CCompanyID, POSITIONAL, ROOT, schedule)                                 \
    X(GraphicalVertexParameters, void, NONE, SINGLE, model3d)                         \
    X(Circle, void, NONE, SINGLE, model3d)                                            \
    X(CircularArc, void, NONE, SINGLE, model3d)                                       \
    X(Cylinder, void, NONE, SINGLE, model3d)                                          \
    X(Ellipse, void, NONE, SINGLE, model3d)                                           \
    X(EllipticalArc, void, NONE, SINGLE, model3d)                                     \
    X(Extrusion, void, NONE, SINGLE, model3d)                                         \
    X(Include, void, NONE, SINGLE, model3d)                                           \
    X(Mesh, void, NONE, SINGLE, model3d)                                              \
    X(NURBSCurve, void, NONE, SINGLE, model3d)                                        \
    X(NURBSSurface, void, NONE, SINGLE, model3d)                                      \
    X(PolyCylinder, void, NONE, SINGLE, model3d)                                      \
    X(Polygon3D, void, NONE, SINGLE, model3d)                                         \
    X(PolyLine3D, void, NONE, SINGLE, model3d)                                        \
    X(Shell, void, NONE, SINGLE, model3d)                                             \
    X(ShellTristrip, void, NONE, SINGLE, model3d)                                     \
    X(Sphere, void, NONE, SINGLE, model3d)                                            \
    X(Text, void, NONE, SINGLE, model3d)                                              \
    X(SubdivisionByUniformSlices, void, NONE, SINGLE, model3d)                        \
    X(SubPartIndex, void, NONE, SINGLE, model3d)                                      \
    X(TextProperties, void, NONE, SINGLE, model3d)                                    \
    X(LineProperties, void, NONE, SINGLE, model3d)                                    \
    X(Entity3D, CEntity3DID, POSITIONAL, ROOT, model3d)                                \
    X(TaskBaselineData, CTaskID, POSITIONAL, LISTED, schedule)                         \
    X(Task, CTaskID, POSITIONAL, ROOT, schedule)                                       \
    X(ProjectBaseline, CProjectBaselineID, POSITIONAL, ROOT, schedule)

// Filters for a registry walk: KELVARA_IF_ROOT_##Role(code) keeps code for root kinds only.
#define KELVARA_IF_ROOT_ROOT(...) __VA_ARGS__
#define KELVARA_IF_ROOT_LISTED(...)
#define KELVARA_IF_ROOT_SINGLE(...)
