// The root kinds a project document holds, in the order their records are stored. Each entry is
// X(Thing): the document owns one C<Thing>Root.
#pragma once

#define KELVARA_DOCUMENT_ROOTS(X) \
    X(Code)                       \
    X(UserField)                  \
    X(TaskState)                  \
    X(TaskCategory)               \
    X(Position)                   \
    X(TextureDefinition)          \
    X(GraphicalImage)             \
    X(BinImage)                   \
    X(SkyBox)                     \
    X(CuttingPlane)               \
    X(PhysicalLight)              \
    X(3DNotation)
