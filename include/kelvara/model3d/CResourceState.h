// The stored resource state (see IResourceState). A new state has a null identifier, no name, the
// default colour, the resource's own transparency (0 when overridden), is visible and has no
// sub-states.
#pragma once

#include "kelvara/base/IResourceState.h"
#include "kelvara/framework/Family.h"

class CResourceState : public IResourceState {
    KELVARA_OBJECT(ResourceState)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_ResourceState)

public:
    explicit CResourceState(const CString& name);
    ~CResourceState() override;

    bool insertSubState(const IResourceState& state, int index) override;
    bool attachSubState(IResourceState* state, int index) override;
    bool removeSubState(const CResourceStateID& id) override;
    IResourceState* detachSubState(const CResourceStateID& id) override;
    void removeAllSubStates() override;
};

KELVARA_ROOT_FAMILY(ResourceState)
