#include <gtest/gtest.h>
#include "kelvara/schedule/CLink.h"
TEST(Smoke, LinkArray) {
    CLinkArray a;
    CLink l;
    EXPECT_EQ(a.Add(l), 0);
    EXPECT_EQ(a.Add(l), -1);
    CLink m(CTaskID(), CLinkType(CLinkType::StartToStart));
    m.setDelay(CProjectDuration(5000));
    a.Add(m);
    CKelvaraArchive out;
    a.Serialize(out);
    auto bytes = out.takeBuffer();
    CKelvaraArchive in(bytes.data(), bytes.size(), 250);
    CLinkArray b;
    b.Serialize(in);
    EXPECT_TRUE(a == b);
    EXPECT_EQ(b.getConstReference(1).getDelay().getValue(), 5000);
    CLinkArrayHandle h(&b);
    ILinkArrayHandle w(new CLinkArrayHandle(&b));
    EXPECT_EQ(w.GetSize(), 2);
    EXPECT_TRUE(w.find(m.getID()) == m.getHandle());
    CLink copy(m);
    EXPECT_TRUE(copy == m);
    copy.setStatus(CLinkStatus(2));
    EXPECT_FALSE(copy == m);
    EXPECT_EQ(m.getObjectStateGUID(), m.getID().getGUID());
}
