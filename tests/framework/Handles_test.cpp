#include <gtest/gtest.h>

#include <memory>

#include "kelvara/schedule/CLink.h"

namespace {

CLink linkWithDelay(std::int64_t delay) {
    CLink l;
    l.setDelay(CProjectDuration(delay));
    return l;
}

}  // namespace

TEST(BasicHandle, ANullHandleReadsTheInvalidObject) {
    const CLinkHandle null;
    EXPECT_TRUE(null.isNull());
    EXPECT_EQ(static_cast<const ILink*>(null), nullptr);
    const CLink fresh;
    EXPECT_EQ(null->getType(), fresh.getType()) << "the invalid object holds the class's defaults";
    EXPECT_EQ(null->getDelay(), fresh.getDelay());
    EXPECT_EQ(&*null, &*CLinkHandle()) << "one invalid object per class";
    null.reload();

    const CLink l = linkWithDelay(9);
    const CLinkHandle h(&l);
    EXPECT_FALSE(h.isNull());
    EXPECT_EQ(static_cast<const ILink*>(h), &l);
    EXPECT_EQ(h->getDelay().getValue(), 9);
    const ILink* asInterface = &l;
    const CLinkHandle fromInterface(asInterface);
    EXPECT_EQ(&*fromInterface, &l);

    std::unique_ptr<IHandle<ILink>> clone(h.clone());
    EXPECT_EQ(static_cast<const ILink*>(*clone), &l);
    clone.reset();
    EXPECT_EQ(h->getDelay().getValue(), 9) << "destroying a clone leaves the handle and the object alone";

    CLinkHandle assigned;
    assigned = &l;
    EXPECT_EQ(&*assigned, &l);
    assigned = CLinkHandle();
    EXPECT_TRUE(assigned.isNull());
}

TEST(BasicHandle, TheWritableInvalidObjectIsDistinctAndKeepsWrites) {
    CLinkWritableHandle null;
    const CLinkHandle readOnly;
    EXPECT_NE(static_cast<const ILink*>(&*null), &*readOnly);
    const CProjectDuration saved = null->getDelay();
    null->setDelay(CProjectDuration(777));
    EXPECT_EQ(CLinkWritableHandle()->getDelay().getValue(), 777) << "later null writable handles see the write";
    EXPECT_NE(readOnly->getDelay().getValue(), 777);
    null->setDelay(saved);

    CLink l;
    CLinkWritableHandle w(&l);
    w->setDelay(CProjectDuration(5));
    EXPECT_EQ(l.getDelay().getValue(), 5);
    std::unique_ptr<IWritableHandle<ILink>> clone(w.clone());
    (**clone).setDelay(CProjectDuration(6));
    EXPECT_EQ(l.getDelay().getValue(), 6);
}

TEST(WrapperHandle, CopiesCloneTheConcreteHandleNeverTheObject) {
    CLink l = linkWithDelay(3);
    const ILinkHandle h = l.getHandle();
    ASSERT_FALSE(h.isNull());
    EXPECT_EQ(h.get(), &l);
    ILinkHandle copy(h);
    EXPECT_NE(copy.held(), h.held());
    EXPECT_EQ(copy.get(), &l);
    copy = ILinkHandle();
    EXPECT_EQ(h.get(), &l);

    const ILinkHandle ofNull(new CLinkHandle());
    EXPECT_TRUE(ofNull.isNull());
    EXPECT_FALSE(ofNull.isEmpty());
    const ILinkHandle copyOfNull(ofNull);
    EXPECT_TRUE(copyOfNull.isEmpty()) << "a copy of a wrapper on a null handle is empty";
    EXPECT_TRUE(copyOfNull == ofNull);
    EXPECT_EQ(static_cast<const ILink*>(ofNull), nullptr);
    EXPECT_EQ(static_cast<const ILink*>(copyOfNull), nullptr);
    EXPECT_TRUE(!copyOfNull);
    copyOfNull.reload();

    ILinkHandle self = l.getHandle();
    const ILinkHandle& alias = self;
    self = alias;
    EXPECT_EQ(self.get(), &l) << "self-assignment keeps the handle";
    ILinkHandle moved(std::move(self));
    EXPECT_EQ(moved.get(), &l);
    EXPECT_TRUE(self.isEmpty());
    ILinkHandle target = l.getHandle();
    target = std::move(moved);
    EXPECT_EQ(target.get(), &l);
}

TEST(WrapperHandle, EqualityIsByContentAndIsSameByIdentity) {
    CLink a = linkWithDelay(1);
    CLink b(a);
    const ILinkHandle ha = a.getHandle(), hb = b.getHandle();
    EXPECT_TRUE(ha == hb);
    EXPECT_FALSE(ha.isSame(hb)) << "equal content, different objects";
    EXPECT_TRUE(ha.isSame(a.getHandle()));
    b.setDelay(CProjectDuration(2));
    EXPECT_TRUE(ha != hb);

    const ILinkHandle empty, ofNull(new CLinkHandle());
    EXPECT_TRUE(empty == ofNull);
    EXPECT_TRUE(empty.isSame(ofNull));
    EXPECT_FALSE(ha == empty);
    EXPECT_FALSE(empty == ha);
    EXPECT_FALSE(ofNull.isSame(ha));
    EXPECT_FALSE(ha.isSame(ofNull));

    // A null handle reads as the invalid object, but it does not equal a handle on an equal object.
    const CLink equalToInvalid(CLinkHandle::invalidObject());
    EXPECT_FALSE(ofNull == equalToInvalid.getHandle());
    EXPECT_FALSE(equalToInvalid.getHandle() == ofNull);
}

TEST(WrapperHandle, WritableWrappersWriteThrough) {
    CLink l;
    ILinkWritableHandle w = l.getWritableHandle();
    w->setDelay(CProjectDuration(11));
    (*w).setType(CLinkType(CLinkType::FinishToFinish));
    EXPECT_EQ(l.getDelay().getValue(), 11);
    EXPECT_EQ(l.getType().getCurrentValue(), CLinkType::FinishToFinish);

    ILinkWritableHandle copy(w);
    EXPECT_TRUE(copy.isSame(w));
    EXPECT_TRUE(copy == w);
    const ILinkWritableHandle ofNull(new CLinkWritableHandle());
    const ILinkWritableHandle copyOfNull(ofNull);
    EXPECT_TRUE(copyOfNull.isEmpty());
    EXPECT_EQ(static_cast<ILink*>(copyOfNull), nullptr);
    EXPECT_FALSE(copy == copyOfNull);

    std::unique_ptr<ILink> cloned(l.clone());
    EXPECT_TRUE(*cloned == l);
    cloned->setDelay(CProjectDuration(12));
    EXPECT_EQ(l.getDelay().getValue(), 11) << "a cloned object is independent";
}
