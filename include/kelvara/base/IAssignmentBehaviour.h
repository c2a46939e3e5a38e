// What an assignment (of a resource or of a resource group) does with the assigned 3D objects
// while its task runs: the use profile and spatial use profile they are shown with, an optional
// placement transform, a motion path with its alignment, alignment point, move type and direction,
// and the fraction window of the task (0 .. 1) in which the motion happens.
//
// KELVARA_FIELDS_AssignmentBehaviour is spliced into both assignments' field lists, so the two
// records store these fields in the same order. The placement transform is stored from file
// version kPlacementTransformVersion on; older files kept per-entity transforms instead (see
// IAssignedResource).
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/IGraphicalTransform.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"
#include "kelvara/base/ResourceEnumerations.h"

#define KELVARA_FIELDS_AssignmentBehaviour(F)                                                        \
    F(VALUE, CUseProfileID, UseProfileID, {}, 1)                                                     \
    F(VALUE, CSpatialUseProfileID, SpatialUseProfileID, {}, 1)                                       \
    F(OPTIONAL, GraphicalTransform, Transform, {}, IAssignmentBehaviour::kPlacementTransformVersion) \
    F(VALUE, CPathID, PathID, {}, 1)                                                                 \
    F(VALUE, CPathAlignment, PathAlignment, CPathAlignment::Center, 1)                               \
    F(VALUE, CGraphicalPoint3D, PathAlignmentPoint, {}, 1)                                           \
    F(VALUE, CProjectDouble, MotionSimulationStart, CProjectDouble(0.0), 1)                          \
    F(VALUE, CProjectDouble, MotionSimulationFinish, CProjectDouble(1.0), 1)                         \
    F(VALUE, CProjectBool, UseReverseDirectionByPath, CProjectBool(false), 1)                        \
    F(VALUE, CProjectBool, MotionSimulationBasedOnPercentComplete, CProjectBool(false), 1)           \
    F(VALUE, CProjectBool, MotionSimulationPauseDuringNonWorkingTime, CProjectBool(false), 1)        \
    F(VALUE, CPathMoveType, PathMoveType, CPathMoveType::FollowPath, 1)

// The shared base of IAssignedResource and IAssignedResourceGroup: the accessors of the fields
// above, so a caller can treat either assignment alike. setTransform copies into the present
// transform, creating one when there is none; clearTransform removes it.
class IAssignmentBehaviour {
public:
    // Files before this version store per-entity transforms in a resource assignment and no
    // placement transform in either assignment.
    static constexpr int kPlacementTransformVersion = 120;

    virtual ~IAssignmentBehaviour() = default;

    KELVARA_FIELDS_AssignmentBehaviour(KELVARA_IFACE_)
};
