// Counting queries over resource and rule trees, answered through the interfaces.
#include "kelvara/base/IResource.h"
#include "kelvara/base/IRule.h"

int IResource::countSubResources(bool deep) const {
    const IResourceArrayHandle children = getSubResources();
    int count = children.GetSize();
    if (deep)
        for (int i = 0; i < children.GetSize(); ++i) count += children[i]->countSubResources(true);
    return count;
}

int IRule::countSubRules(bool deep) const {
    const IRuleArrayHandle children = getSubRules();
    int count = children.GetSize();
    if (deep)
        for (int i = 0; i < children.GetSize(); ++i) count += children[i]->countSubRules(true);
    return count;
}
