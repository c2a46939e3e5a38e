// Enumerations of resources, companies and assignments. Stored values never change meaning; new
// values are appended.
#pragma once

#include "kelvara/base/CKelvaraEnumeration.h"

// What a resource is; a sub-resource is of its parent's type.
KELVARA_ENUMERATION(CResourceType,
                    (Labour, 0, "Labour"),
                    (Equipment, 1, "Equipment"),
                    (Material, 2, "Material"),
                    (Space, 3, "Space"))

KELVARA_ENUMERATION(CResourceStatus,
                    (Active, 0, "Active"),
                    (Inactive, 1, "Inactive"),
                    (Planned, 2, "Planned"))

// The unit a resource (and a rule's rate) is counted in.
KELVARA_ENUMERATION(CResourceUnitType,
                    (Unit, 0, "Unit"),
                    (Hour, 1, "Hour"),
                    (Day, 2, "Day"),
                    (Tonne, 3, "Tonne"),
                    (CubicMetre, 4, "Cubic Metre"),
                    (SquareMetre, 5, "Square Metre"),
                    (Metre, 6, "Metre"))

KELVARA_ENUMERATION(CCompanyType,
                    (Owner, 0, "Owner"),
                    (Contractor, 1, "Contractor"),
                    (Subcontractor, 2, "Subcontractor"),
                    (Supplier, 3, "Supplier"),
                    (Consultant, 4, "Consultant"))

// Which point of the moved objects follows a motion path.
KELVARA_ENUMERATION(CPathAlignment,
                    (Center, 0, "Center"),
                    (BoundingBoxMinimum, 1, "Bounding Box Minimum"),
                    (BoundingBoxMaximum, 2, "Bounding Box Maximum"),
                    (UserPoint, 3, "User Point"))

// How the moved objects travel along a motion path.
KELVARA_ENUMERATION(CPathMoveType,
                    (FollowPath, 0, "Follow Path"),
                    (TranslateOnly, 1, "Translate Only"),
                    (TranslateAndRotate, 2, "Translate and Rotate"))
