#include <gtest/gtest.h>

#include "kelvara/framework/CProjectConstants.h"
#include "kelvara/platform/Exceptions.h"
#include "kelvara/schedule/CCode.h"
#include "property/FieldProperties.h"

namespace {

CCodeValue makeValue(const wchar_t* name) {
    CCodeValue value;
    value.generateIDs();
    value.setName(CProjectString(name));
    return value;
}

// Values A, B, C; B holds B1 and B2; B1 holds B1a.
struct CodeTree {
    CCode code;
    CCodeValue a = makeValue(L"A"), b = makeValue(L"B"), c = makeValue(L"C");
    CCodeValue b1 = makeValue(L"B1"), b2 = makeValue(L"B2"), b1a = makeValue(L"B1a");

    CodeTree() {
        b1.insertSubCodeValue(-1, b1a);
        b.insertSubCodeValue(-1, b1);
        b.insertSubCodeValue(-1, b2);
        for (const CCodeValue* v : {&a, &b, &c}) code.insertCodeValue(-1, *v);
    }
    ICodeValueWritableHandle valueB() const { return code.getCodeValues().getWritableReference(1); }
};

CString namesOf(const ICodeValueArrayHandle& values) {
    CString names;
    for (int i = 0; i < values.GetSize(); ++i) names += values[i]->getName().getValue() + L";";
    return names;
}

}  // namespace

TEST(Code, NewCodesAndValues) {
    CCode first, second;
    EXPECT_NE(first.getID(), second.getID()) << "two new codes would collide in the root";
    EXPECT_EQ(first.getMaxValueLength(), CProjectInt(CProjectConstants::getDefaultMaximumCodeValueLength()));

    CCodeValue value;
    EXPECT_EQ(static_cast<unsigned long>(value.getBarColor()), 0xFFFFFFul);
    EXPECT_TRUE(value.getName().IsEmpty());
    EXPECT_FALSE(!value.getSubCodeValues()) << "a new value has a list, not an empty handle";
    EXPECT_EQ(value.getSubCodeValues().GetSize(), 0);
}

TEST(Code, InsertAndRemoveFollowPositionsAndRefuseRepeats) {
    CodeTree t;
    t.code.insertCodeValue(0, makeValue(L"First"));
    t.code.insertCodeValue(5, makeValue(L"TooFar"));
    t.code.insertCodeValue(1, t.a);  // identifier already present
    EXPECT_EQ(namesOf(t.code.getCodeValues()), CString(L"First;A;B;C;"));

    EXPECT_FALSE(t.code.removeCodeValue(4));
    EXPECT_FALSE(t.code.removeCodeValue(-1));
    EXPECT_TRUE(t.code.removeCodeValue(0));
    EXPECT_EQ(t.code.getCodeValues().findByID(t.c.getID()), 2) << "the index follows the removal";
    EXPECT_TRUE(t.valueB()->removeSubCodeValue(1));
    EXPECT_EQ(namesOf(t.valueB()->getSubCodeValues()), CString(L"B1;"));
}

TEST(Code, DetachedValuesMoveWithTheirSubtreeWithoutCopying) {
    CodeTree t;
    ICodeValueWritableHandle b = t.code.detachCodeValue(t.b.getID());
    ASSERT_FALSE(b.isNull());
    EXPECT_EQ(namesOf(t.code.getCodeValues()), CString(L"A;C;"));
    EXPECT_TRUE(t.code.detachCodeValue(t.b.getID()).isNull());

    CCode other;
    const ICodeValue* object = b.get();
    EXPECT_TRUE(other.attachCodeValue(b, -1));
    EXPECT_EQ(other.getCodeValues()[0].get(), object) << "attached, not copied";

    // One level down: B1 (with B1a) from under B to the front of A's sub-values.
    ICodeValueWritableHandle b1 = other.getCodeValues().getWritableReference(0)->detachSubCodeValue(t.b1.getID());
    ICodeValueWritableHandle a = t.code.getCodeValues().getWritableReference(0);
    a->insertSubCodeValue(-1, makeValue(L"A1"));
    EXPECT_TRUE(a->attachSubCodeValue(b1, 0));
    EXPECT_EQ(namesOf(a->getSubCodeValues()), CString(L"B1;A1;"));
    EXPECT_EQ(namesOf(a->getSubCodeValues()[0]->getSubCodeValues()), CString(L"B1a;"));
    EXPECT_EQ(a->getSubCodeValues().findByID(t.b1.getID()), 0);
}

// A refused object stays the caller's: the caller deletes it, and the sanitizer build would report
// a leak or a double delete if the list had taken or dropped it.
TEST(Code, RefusedAttachLeavesTheObjectWithTheCaller) {
    CodeTree t;
    ICodeValueWritableHandle c = t.code.detachCodeValue(t.c.getID());
    std::unique_ptr<ICodeValue> owned(c.get());
    t.code.insertCodeValue(-1, t.c);  // a copy takes C's identifier again

    EXPECT_FALSE(t.code.attachCodeValue(c, -1)) << "identifier already listed";
    EXPECT_FALSE(t.code.attachCodeValue(c, 4)) << "index above the count";
    EXPECT_FALSE(t.code.attachCodeValue(ICodeValueWritableHandle(), 0));
    EXPECT_FALSE(t.code.attachCodeValue(ICodeValueWritableHandle(new CCodeValueWritableHandle()), 0))
        << "a null handle's shared invalid object must never be taken";
    EXPECT_EQ(t.code.getCodeValues().GetSize(), 3);
    EXPECT_EQ(owned->getName().getValue(), CString(L"C"));

    EXPECT_FALSE(t.valueB()->attachSubCodeValue(c, 3));
    EXPECT_TRUE(t.valueB()->attachSubCodeValue(c, 2));
    owned.release();  // the list's now
    EXPECT_EQ(namesOf(t.valueB()->getSubCodeValues()), CString(L"B1;B2;C;"));
}

TEST(Code, AValueCannotBeAttachedUnderItself) {
    CodeTree t;
    ICodeValueWritableHandle b = t.valueB();
    ICodeValueWritableHandle b1a = b->getSubCodeValues()[0]->getSubCodeValues().getWritableReference(0);
    EXPECT_FALSE(b->attachSubCodeValue(b, -1));
    EXPECT_FALSE(b1a->attachSubCodeValue(b, -1)) << "under its own grandchild: a cycle";
    EXPECT_EQ(b1a->getSubCodeValues().GetSize(), 0);
}

TEST(Code, CopyEqualityArchiveAndRenewalCoverTheWholeTree) {
    CodeTree t;
    CCode copy(t.code);
    ICodeValueWritableHandle deep =
        copy.getCodeValues()[1]->getSubCodeValues()[0]->getSubCodeValues().getWritableReference(0);
    deep->setBarColor(CProjectColorRGB(0.5f, 0.0f, 0.0f));
    EXPECT_FALSE(copy == t.code) << "a change three levels down";
    EXPECT_EQ(static_cast<unsigned long>(t.b1a.getBarColor()), 0xFFFFFFul);

    CCode loaded;
    kelvara::test::load(loaded, kelvara::test::store(copy));
    EXPECT_TRUE(loaded == copy);
    auto bytes = kelvara::test::store(copy);
    bytes.resize(bytes.size() / 2);
    EXPECT_THROW(kelvara::test::load(loaded, bytes), CArchiveException);

    t.code.generateIDs();
    const ICodeValueArrayHandle subValues = t.code.getCodeValues()[1]->getSubCodeValues();
    EXPECT_EQ(t.code.getCodeValues().findByID(t.b.getID()), -1);
    EXPECT_NE(subValues[0]->getSubCodeValues()[0]->getID(), t.b1a.getID());
    for (int i = 0; i < subValues.GetSize(); ++i) EXPECT_EQ(subValues.findByID(subValues[i]->getID()), i);
}
