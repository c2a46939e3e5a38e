// Resource states and their sub-state trees: the list exists only while it holds something, every
// refused insert or attach answers false and changes nothing (a refused object stays the caller's),
// and a tree nested deeper than the archive allows is refused on loading.
#include <gtest/gtest.h>

#include <memory>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CResourceState.h"
#include "kelvara/platform/Exceptions.h"
#include "model3d/DeepNesting.h"

namespace kelvara::test {
namespace {

CResourceState stateNamed(const wchar_t* name) {
    CResourceState state{CString(name)};
    state.generateIDs();
    return state;
}

CString namesOf(const IResourceStateArrayHandle& states) {
    CString names;
    for (int i = 0; i < states.GetSize(); ++i) names += states[i]->getName().getValue() + L";";
    return names;
}

TEST(ResourceState, InsertRefusesBadIndicesAndRepeatedIdentifiersWithoutLeavingAList) {
    CResourceState delivered = stateNamed(L"Delivered");
    const CResourceState stored = stateNamed(L"Stored on site"), checked = stateNamed(L"Checked");

    EXPECT_FALSE(delivered.insertSubState(stored, -1));
    EXPECT_FALSE(delivered.insertSubState(stored, 1)) << "index above the count of an absent list";
    EXPECT_TRUE(delivered.getSubStates().isNull()) << "a refused first insert must not leave an empty list";

    EXPECT_TRUE(delivered.insertSubState(stored, 0));
    EXPECT_FALSE(delivered.insertSubState(stored, 1)) << "the identifier is already present";
    EXPECT_TRUE(delivered.insertSubState(checked, 0));
    EXPECT_EQ(namesOf(delivered.getSubStates()), CString(L"Checked;Stored on site;"));

    EXPECT_TRUE(delivered.removeSubState(checked.getID()));
    EXPECT_FALSE(delivered.removeSubState(checked.getID()));
    EXPECT_TRUE(delivered.removeSubState(stored.getID()));
    EXPECT_TRUE(delivered.getSubStates().isNull()) << "removing the last sub-state releases the list";
}

TEST(ResourceState, AttachTakesOwnershipOnlyWhenAccepted) {
    CResourceState installed = stateNamed(L"Installed");
    auto inspected = std::make_unique<CResourceState>(stateNamed(L"Inspected"));

    EXPECT_FALSE(installed.attachSubState(inspected.get(), 1)) << "only index 0 without sub-states";
    EXPECT_FALSE(installed.attachSubState(nullptr, 0));
    EXPECT_TRUE(installed.getSubStates().isNull());
    ASSERT_TRUE(installed.attachSubState(inspected.get(), 0));
    IResourceState* attached = inspected.release();

    // A second object with the same identifier is refused and stays ours (unique_ptr frees it).
    auto twin = std::make_unique<CResourceState>(*static_cast<CResourceState*>(attached));
    EXPECT_FALSE(installed.attachSubState(twin.get(), 0));
    EXPECT_EQ(installed.getSubStates().GetSize(), 1);

    // A state under itself, or above itself, would make the tree a cycle.
    EXPECT_FALSE(installed.attachSubState(&installed, 0));
    EXPECT_FALSE(attached->attachSubState(&installed, 0));

    std::unique_ptr<IResourceState> detached(installed.detachSubState(attached->getID()));
    EXPECT_EQ(detached.get(), attached) << "detach hands back the very object";
    EXPECT_TRUE(installed.getSubStates().isNull());
    EXPECT_EQ(installed.detachSubState(attached->getID()), nullptr);
}

TEST(ResourceState, ListSettersKeepTheTree) {
    CResourceState installed = stateNamed(L"Installed");
    CResourceState inspected = stateNamed(L"Inspected");
    ASSERT_TRUE(inspected.insertSubState(stateNamed(L"Snagged"), 0));
    ASSERT_TRUE(installed.insertSubState(inspected, 0));
    ASSERT_TRUE(installed.insertSubState(stateNamed(L"Commissioned"), 1));

    installed.setSubStates(installed.getSubStates());
    installed.getWritableSubStates().copyFrom(installed.getSubStates());
    EXPECT_EQ(namesOf(installed.getSubStates()), CString(L"Inspected;Commissioned;")) << "self-assignment";
    const CResourceState& alias = installed;
    installed = alias;
    EXPECT_EQ(installed.getSubStates().GetSize(), 2);

    // Assigning a grandchild's list to the root copies it before the old tree goes away.
    CResourceState before(installed);
    installed.setSubStates(installed.getSubStates()[0]->getSubStates());
    EXPECT_EQ(namesOf(installed.getSubStates()), CString(L"Snagged;"));

    installed.removeAllSubStates();
    EXPECT_TRUE(installed.getSubStates().isNull());
    EXPECT_TRUE(installed.getWritableSubStates().GetSize() == 0);
    installed.getWritableSubStates().copyFrom(before.getSubStates());
    EXPECT_EQ(installed.getSubStates().GetSize(), 2);
}

TEST(ResourceState, LoadingRefusesTreesDeeperThanTheArchiveAllows) {
    CResourceState parent = stateNamed(L"p"), leaf = stateNamed(L"l");
    ASSERT_TRUE(parent.insertSubState(leaf, 0));
    const DeepNesting chain(store(parent), store(leaf), {"ResourceState", "CUniquePointerArray"});

    CResourceState shallow;
    load(shallow, chain.nest(40));
    int depth = 0;
    for (IResourceStateArrayHandle level = shallow.getSubStates(); !level.isNull(); level = level[0]->getSubStates())
        ++depth;
    EXPECT_EQ(depth, 40) << "the crafted chain loads while it stays within the limit";

    const Bytes hostile = chain.nest(150);
    CResourceState target = stateNamed(L"kept");
    expectRefusedAsTooDeep(target, hostile);
}

}  // namespace
}  // namespace kelvara::test
