#include <gtest/gtest.h>

#include "kelvara/schedule/CTaskCategory.h"
#include "kelvara/schedule/CTaskState.h"
#include "property/FieldProperties.h"

namespace {

CTaskState namedState(const wchar_t* name) {
    CTaskState state;
    state.generateIDs();
    state.setName(CProjectString(name));
    state.setIsDefault(false);
    state.setStatus(CTaskStatus(CTaskStatus::InProgress));
    state.setColor(CProjectColorRGB(0.0f, 0.5f, 1.0f));
    return state;
}

}  // namespace

TEST(TaskState, EqualityIgnoresTheIdentifierOnly) {
    const CTaskState a = namedState(L"Erecting"), b = namedState(L"Erecting");
    ASSERT_NE(a.getID(), b.getID());
    EXPECT_TRUE(a == b);
    EXPECT_TRUE(static_cast<const ITaskState&>(a) == b) << "the interface agrees with the free comparison";

    CTaskState c(b);
    c.setIsDefault(true);
    EXPECT_TRUE(a != c);
    EXPECT_TRUE(static_cast<const ITaskState&>(a) != c);
    c.setIsDefault(CProjectBool());
    EXPECT_TRUE(a != c) << "an unset flag is not a false one";
    c = b;
    c.setStatus(CTaskStatus(CTaskStatus::Complete));
    EXPECT_TRUE(a != c);

    // The identifier still travels with copies and records, and keeps equal states apart in a list.
    CTaskState loaded;
    kelvara::test::load(loaded, kelvara::test::store(c));
    EXPECT_EQ(loaded.getID(), b.getID());
    CTaskStateRoot root;
    EXPECT_EQ(root.getArray().Add(a), 0);
    EXPECT_EQ(root.getArray().Add(b), 1);
}

TEST(TaskCategory, NewCategoriesShareARoot) {
    const CTaskCategory plain, named(CProjectString(L"Civil"));
    EXPECT_EQ(named.getName().getValue(), CString(L"Civil"));
    CTaskCategoryRoot root;
    EXPECT_EQ(root.getArray().Add(plain), 0);
    EXPECT_EQ(root.getArray().Add(named), 1);
}
