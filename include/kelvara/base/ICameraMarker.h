// A marker a camera key frame carries: what kind of object the camera points at, and which one.
#pragma once

#include "kelvara/base/CKelvaraEnumeration.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(CameraMarker)

#define KELVARA_CAMERAMARKER_FIELDS(F)           \
    F(VALUE, ICameraMarker::CMarkerType, Type)   \
    F(VALUE, CIDBase, ObjectID)

class ICameraMarker : public CRecord<ICameraMarker> {
public:
    KELVARA_ENUMERATION(CMarkerType,
                        (None, 0, "None"),
                        (Task, 1, "Task"),
                        (Entity3D, 2, "3D Object"),
                        (Position, 3, "Viewpoint"),
                        (Notation3D, 4, "3D Notation"),
                        (Issue, 5, "Issue"))

    KELVARA_INTERFACE(CameraMarker)
    KELVARA_RECORD(ICameraMarker, "CameraMarker", KELVARA_CAMERAMARKER_FIELDS)
};

KELVARA_INTERFACE_FAMILY(CameraMarker)
