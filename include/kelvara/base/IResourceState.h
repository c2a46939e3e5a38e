// A named display status a resource can be put into (delivered, installed, inspected, ...): the
// colour, transparency and visibility its entities take while it is in that status. States nest:
// a state owns its sub-states, whose list exists only while it holds something.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_ResourceState(F)                                          \
    F(IDENTITY, CResourceStateID, ID, {}, 1)                                     \
    F(VALUE, CProjectString, Name, {}, 1)                                        \
    F(VALUE, CProjectColorRGB, Color, {}, 1)                                     \
    F(VALUE, CProjectBool, UseOriginalTransparency, CProjectBool(true), 1)       \
    F(VALUE, CProjectInt, Transparency, CProjectInt(0), 1)                       \
    F(VALUE, CProjectBool, Visible, CProjectBool(true), 1)                       \
    F(LAZY, ResourceState, SubStates, {}, 1)

class IResourceState : public CRecord<IResourceState> {
    KELVARA_INTERFACE(ResourceState)
    KELVARA_RECORD(IResourceState, "ResourceState", KELVARA_FIELDS_ResourceState)

public:
    // A handle through which the sub-states can be changed in place or replaced as a whole; unlike
    // getSubStates() it is never null: copying a list in creates the list, and a write that leaves
    // it empty releases it.
    IResourceStateArrayHandle getWritableSubStates() { return getSubStatesList(); }

    // Inserts a copy at index (0 .. count). False, with nothing changed, for a negative index, an
    // index above the count or a state whose identifier is already among the sub-states.
    virtual bool insertSubState(const IResourceState& state, int index) = 0;
    // Takes over state (no copy) at index: 0 .. count, only 0 while there are no sub-states. False
    // when refused: a null or foreign object (not a CResourceState), an index out of range, an
    // identifier already present, or this state or one of its ancestors (the tree would become a
    // cycle). A refused object stays the caller's.
    virtual bool attachSubState(IResourceState* state, int index) = 0;
    // Removes and destroys the sub-state with that identifier; false when there is none.
    virtual bool removeSubState(const CResourceStateID& id) = 0;
    // Takes the sub-state out without destroying it; the caller owns it. Null when there is none.
    [[nodiscard]] virtual IResourceState* detachSubState(const CResourceStateID& id) = 0;
    virtual void removeAllSubStates() = 0;
};
