// A marker a camera key frame carries: what kind of object the camera points at, and which one.
#pragma once

#include "kelvara/base/CKelvaraEnumeration.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_CameraMarker(F) \
    F(VALUE, ICameraMarker::CMarkerType, Type, ICameraMarker::CMarkerType::None, 1) \
    F(VALUE, CIDBase, ObjectID, {}, 1)

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
    KELVARA_RECORD(ICameraMarker, "CameraMarker", KELVARA_FIELDS_CameraMarker)
};

