#include <gtest/gtest.h>

#include "ArchiveTesting.h"
#include "framework/TestWidget.h"
#include "kelvara/schedule/CLink.h"

using namespace kelvara::ftest;
using Keys = std::vector<std::uint32_t>;

namespace {

CWidgetArray arrayOf(std::initializer_list<std::uint32_t> ns) {
    CWidgetArray a;
    for (auto n : ns) a.Add(widget(n, static_cast<int>(n)));
    return a;
}

std::uint32_t key(const CWrapperHandle<IWidget>& h) { return h->getID().getGUID().Data1; }
std::uint32_t key(const CWritableWrapperHandle<IWidget>& h) { return h->getID().getGUID().Data1; }

Keys forward(const IWidgetArrayHandle& h) {
    Keys out;
    auto it = h.getConstIterator();
    while (it.hasNext()) out.push_back(key(it.next()));
    return out;
}

Keys backward(const IWidgetArrayHandle& h) {
    Keys out;
    auto it = h.getConstReverseIterator();
    while (it.hasPrevious()) out.push_back(key(it.previous()));
    return out;
}

CLink link(std::uint32_t n) {
    CLink l;
    l.setID(idOf<CLinkID>(n));
    return l;
}

Keys linkKeys(const CLinkArray& a) {
    Keys out;
    for (int p = 0; p < a.GetSize(); ++p) out.push_back(a.getConstReference(p).getID().getGUID().Data1);
    return out;
}

// An array handle that does not hold its list in memory (as a handle on a stored list would).
class DetachedLinkHandle : public CLinkArrayHandle {
public:
    using CLinkArrayHandle::CLinkArrayHandle;
    bool isMemoryHandle() const override { return false; }
    IArrayHandle<ILink, CLinkID, false>* clone() const override { return new DetachedLinkHandle(array()); }
};

}  // namespace

TEST(ArrayHandle, ANullHandleAnswersNeutralValues) {
    CWidgetArrayHandle null;
    EXPECT_TRUE(null.isNull());
    EXPECT_TRUE(null.isMemoryHandle());
    EXPECT_EQ(null.GetSize(), 0);
    EXPECT_EQ(null.findByID(idOf<CWidgetID>(1)), -1);
    EXPECT_TRUE(null.find(idOf<CWidgetID>(1)).isNull());
    EXPECT_TRUE(null[0].isEmpty());
    EXPECT_TRUE(null.getWritableReference(0).isEmpty());
    EXPECT_FALSE(static_cast<bool>(null.getIterator()));
    EXPECT_FALSE(static_cast<bool>(null.getConstReverseIterator()));
    null.resort();

    CKelvaraArchive out;
    null.Serialize(out);
    EXPECT_EQ(out.size(), 0u) << "a handle without a list writes nothing";
    CKelvaraArchive in(static_cast<const void*>(nullptr), 0, CKelvaraArchive::kCurrentFileVersion);
    null.Serialize(in);

    IWidgetArrayHandle empty;
    EXPECT_TRUE(!empty);
    EXPECT_EQ(empty.GetSize(), 0);
    EXPECT_EQ(empty.findByID(idOf<CWidgetID>(1)), -1);
    EXPECT_TRUE(empty[3].isEmpty());
    EXPECT_TRUE(empty.find(idOf<CWidgetID>(1)).isEmpty());
    EXPECT_FALSE(empty.getConstIterator(idOf<CWidgetID>(1)).hasNext());
    empty.copyFrom(IWidgetArrayHandle(new CWidgetArrayHandle(nullptr)));

    ILinkArrayHandle emptyLinks;
    int position = 7;
    EXPECT_TRUE(emptyLinks.find(idOf<CLinkID>(1), position).isEmpty());
    EXPECT_EQ(position, -1);
}

TEST(ArrayHandle, ReadsAndLookupsGoThroughTheArray) {
    CLinkArray links;
    links.Add(link(3));
    links.Add(link(1));
    ILinkArrayHandle h(new CLinkArrayHandle(&links));
    EXPECT_EQ(h.GetSize(), 2);
    EXPECT_EQ(h[0]->getID(), idOf<CLinkID>(3));
    EXPECT_EQ(h.getConstReference(1).get(), &links.getConstReference(1));

    const auto beyond = h[2];
    ASSERT_FALSE(beyond.isNull()) << "out of range answers the default object, not an empty handle";
    EXPECT_EQ(beyond.get(), &links.getWritableReference(2));
    EXPECT_TRUE(h.find(idOf<CLinkID>(9)).isNull());

    int position = -1;
    const auto found = h.find(idOf<CLinkID>(1), position);
    EXPECT_EQ(position, 1);
    EXPECT_EQ(found.get(), &links.getConstReference(1));
    h.find(idOf<CLinkID>(2), position);
    EXPECT_EQ(position, -1);
    EXPECT_EQ(h.findByID(idOf<CLinkID>(3)), 0);

    h.getWritableReference(0)->setDelay(CProjectDuration(1234));
    EXPECT_EQ(links.getConstReference(0).getDelay().getValue(), 1234);

    ILinkArrayHandle copy(h);
    EXPECT_EQ(copy.GetSize(), 2);
    EXPECT_NE(copy.held(), h.held()) << "copying a wrapper clones the concrete handle";
}

TEST(ArrayHandle, ResortRebuildsTheIndexAfterAnIdentifierChangedInPlace) {
    CWidgetArray a = arrayOf({1, 2, 3});
    IWidgetArrayHandle h(new CWidgetArrayHandle(&a));
    h.getWritableReference(0)->setID(idOf<CWidgetID>(9));
    h.resort();
    EXPECT_EQ(h.findByID(idOf<CWidgetID>(9)), 0);
    EXPECT_EQ(h.findByID(idOf<CWidgetID>(1)), -1);
    EXPECT_EQ(forward(h), (Keys{2, 3, 9}));
    expectConsistentIndex(a);

    // Removing an element whose identifier changed in place, without a resort, still leaves a
    // usable index for the others.
    CWidgetArray b = arrayOf({1, 2, 3});
    b.getWritableReference(1).setID(idOf<CWidgetID>(9));
    b.RemoveAt(1);
    EXPECT_EQ(keys(b), (Keys{1, 3}));
    expectConsistentIndex(b);
}

TEST(ArrayIterator, WalksInIdentifierOrderBothWays) {
    CWidgetArray a = arrayOf({5, 4, 3, 2, 1});
    IWidgetArrayHandle h(new CWidgetArrayHandle(&a));
    EXPECT_EQ(forward(h), (Keys{1, 2, 3, 4, 5}));
    EXPECT_EQ(backward(h), (Keys{5, 4, 3, 2, 1}));

    Keys writable;
    for (auto it = h.getIterator(); it.hasNext();) {
        auto w = it.next();
        w->setWeight(CProjectInt(7));
        writable.push_back(key(w));
    }
    EXPECT_EQ(writable, (Keys{1, 2, 3, 4, 5}));
    EXPECT_EQ(a.getConstReference(2).getWeight().getValue(), 7);

    Keys reverse;
    for (auto it = h.getReverseIterator(); it.hasPrevious();) reverse.push_back(key(it.previous()));
    EXPECT_EQ(reverse, (Keys{5, 4, 3, 2, 1}));

    CWidgetArray empty;
    IWidgetArrayHandle e(new CWidgetArrayHandle(&empty));
    EXPECT_TRUE(forward(e).empty());
    EXPECT_FALSE(e.getIterator().hasPrevious());
    EXPECT_FALSE(e.getReverseIterator().hasPrevious());
}

TEST(ArrayIterator, OneElement) {
    CWidgetArray a = arrayOf({4});
    IWidgetArrayHandle h(new CWidgetArrayHandle(&a));
    auto it = h.getIterator();
    EXPECT_TRUE(it.current().isEmpty()) << "standing before the first element";
    EXPECT_TRUE(it.hasNext());
    EXPECT_FALSE(it.hasPrevious());
    EXPECT_EQ(key(it.next()), 4u);
    EXPECT_EQ(key(it.current()), 4u);
    EXPECT_FALSE(it.hasNext());
    EXPECT_FALSE(it.hasPrevious());
}

TEST(ArrayIterator, StepsPastBothEnds) {
    CWidgetArray a = arrayOf({2, 1});
    IWidgetArrayHandle h(new CWidgetArrayHandle(&a));
    auto it = h.getConstIterator();
    EXPECT_EQ(key(it.next()), 1u);
    EXPECT_EQ(key(it.next()), 2u);
    auto beyond = it.next();
    ASSERT_FALSE(beyond.isNull()) << "stepping onto the end yields the default object";
    EXPECT_TRUE(beyond->getID().isNULL());
    EXPECT_TRUE(it.current().isEmpty());
    EXPECT_FALSE(it.hasNext());
    EXPECT_TRUE(it.hasPrevious());
    EXPECT_TRUE(it.next().isEmpty()) << "past the end nothing moves";
    EXPECT_EQ(key(it.previous()), 2u);
    EXPECT_EQ(key(it.previous()), 1u);
    auto before = it.previous();
    ASSERT_FALSE(before.isNull());
    EXPECT_TRUE(before->getID().isNULL());
    EXPECT_TRUE(it.previous().isEmpty());
    EXPECT_FALSE(it.remove());
    EXPECT_EQ(key(it.next()), 1u);

    CConstIteratorWrapper<IWidget> none;
    EXPECT_FALSE(static_cast<bool>(none));
    EXPECT_TRUE(none.next().isEmpty());
    EXPECT_TRUE(none.previous().isEmpty());
    EXPECT_TRUE(none.current().isEmpty());
    EXPECT_FALSE(none.hasNext() || none.hasPrevious() || none.remove());
}

TEST(ArrayIterator, StartsOnAnIdentifier) {
    CWidgetArray a = arrayOf({30, 10, 20, 40});
    IWidgetArrayHandle h(new CWidgetArrayHandle(&a));
    auto it = h.getConstIterator(idOf<CWidgetID>(20));
    ASSERT_TRUE(static_cast<bool>(it));
    EXPECT_EQ(key(it.current()), 20u);
    EXPECT_TRUE(it.hasNext());
    EXPECT_TRUE(it.hasPrevious());
    EXPECT_EQ(key(it.next()), 30u);
    auto back = h.getIterator(idOf<CWidgetID>(20));
    EXPECT_EQ(key(back.previous()), 10u);
    EXPECT_FALSE(back.hasPrevious());

    auto missing = h.getIterator(idOf<CWidgetID>(25));
    EXPECT_FALSE(static_cast<bool>(missing));
    EXPECT_FALSE(missing.hasNext());
    EXPECT_TRUE(missing.next().isEmpty());

    auto last = h.getConstIterator(idOf<CWidgetID>(40));
    EXPECT_FALSE(last.hasNext());
    EXPECT_TRUE(last.hasPrevious());
}

TEST(ArrayIterator, RemovingWhileWalkingForwardVisitsEveryElementOnce) {
    CWidgetArray a = arrayOf({6, 2, 5, 1, 4, 3});
    IWidgetArrayHandle h(new CWidgetArrayHandle(&a));
    Keys visited;
    for (auto it = h.getIterator(); it.hasNext();) {
        const auto k = key(it.next());
        visited.push_back(k);
        if (k % 2 == 1) {
            EXPECT_TRUE(it.remove());
        }
    }
    EXPECT_EQ(visited, (Keys{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(keys(a), (Keys{6, 2, 4}));
    expectConsistentIndex(a);

    auto it = h.getIterator();
    while (it.hasNext()) {
        it.next();
        it.remove();
    }
    EXPECT_EQ(a.GetSize(), 0);
}

TEST(ArrayIterator, RemovingWhileWalkingBackwardVisitsEveryElementOnce) {
    CWidgetArray a = arrayOf({6, 2, 5, 1, 4, 3});
    IWidgetArrayHandle h(new CWidgetArrayHandle(&a));
    Keys visited;
    for (auto it = h.getReverseIterator(); it.hasPrevious();) {
        const auto k = key(it.previous());
        visited.push_back(k);
        if (k != 1) {
            EXPECT_TRUE(it.remove());
        }
    }
    EXPECT_EQ(visited, (Keys{6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(keys(a), (Keys{1}));
    expectConsistentIndex(a);

    CWidgetArray b = arrayOf({3, 1, 2});
    IWidgetArrayHandle hb(new CWidgetArrayHandle(&b));
    auto it = hb.getConstIterator(idOf<CWidgetID>(2));
    EXPECT_TRUE(it.remove());
    EXPECT_EQ(key(it.next()), 3u) << "after a removal next() yields the element after the removed one";
    it = hb.getConstIterator(idOf<CWidgetID>(3));
    EXPECT_TRUE(it.remove());
    EXPECT_TRUE(it.hasPrevious());
    EXPECT_EQ(key(it.previous()), 1u) << "and previous() the one before it";
}

TEST(ArrayHandleCopy, IterableTargetsTakeIdentifierOrder) {
    CWidgetArray source;
    source.AddNoSort(widget(3));
    source.AddNoSort(widget(1));
    source.AddNoSort(widget(2));
    source.AddNoSort(widget(1, 99));
    CWidgetArray target = arrayOf({8});
    IWidgetArrayHandle t(new CWidgetArrayHandle(&target));
    t.copyFrom(IWidgetArrayHandle(new CWidgetArrayHandle(&source)));
    EXPECT_EQ(keys(target), (Keys{1, 2, 3}));
    expectConsistentIndex(target);
    EXPECT_EQ(source.GetSize(), 4) << "the source is untouched";

    const CWidget* first = &target.getConstReference(0);
    t.copyFrom(IWidgetArrayHandle(new CWidgetArrayHandle(&target)));
    EXPECT_EQ(keys(target), (Keys{1, 2, 3})) << "copying from the same list leaves it unchanged";
    EXPECT_EQ(&target.getConstReference(0), first);
    t.copyFrom(t);
    EXPECT_EQ(target.GetSize(), 3);

    t.copyFrom(IWidgetArrayHandle(new CWidgetArrayHandle(nullptr)));
    EXPECT_EQ(target.GetSize(), 0);
    target.Add(widget(1));
    t.copyFrom(IWidgetArrayHandle());
    EXPECT_EQ(target.GetSize(), 0);
}

TEST(ArrayHandleCopy, NonIterableTargetsKeepTheSourceOrder) {
    CLinkArray source;
    source.Add(link(3));
    source.Add(link(1));
    source.AddNoSort(link(3));
    source.Add(link(2));
    CLinkArray target;
    target.Add(link(9));
    ILinkArrayHandle t(new CLinkArrayHandle(&target));
    t.copyFrom(ILinkArrayHandle(new CLinkArrayHandle(&source)));
    EXPECT_EQ(linkKeys(target), (Keys{3, 1, 2}));
    expectConsistentIndex(target);
    EXPECT_TRUE(target.getConstReference(0) == source.getConstReference(0));
    EXPECT_NE(&target.getConstReference(0), &source.getConstReference(0));

    t.copyFrom(ILinkArrayHandle(new CLinkArrayHandle(&target)));
    EXPECT_EQ(linkKeys(target), (Keys{3, 1, 2}));
}

TEST(ArrayHandleSerialize, IterableRecordIsInIdentifierOrder) {
    CWidgetArray a = arrayOf({30, 10, 20});
    IWidgetArrayHandle h(new CWidgetArrayHandle(&a));
    CKelvaraArchive out;
    h.Serialize(out);
    const auto bytes = out.takeBuffer();

    CKelvaraArchive raw(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    raw.checkMarkerStart("CUniquePointerArray");
    int count = 0;
    raw >> count;
    ASSERT_EQ(count, 3);
    for (int n = 0; n < count; ++n) {
        CWidget w;
        w.Serialize(raw);
        int entry = -1;
        raw >> entry;
        EXPECT_EQ(w.getID(), idOf<CWidgetID>(10u * static_cast<std::uint32_t>(n + 1)));
        EXPECT_EQ(entry, n);
    }
    raw.checkMarkerEnd("CUniquePointerArray");

    CWidgetArray b = arrayOf({99});
    IWidgetArrayHandle hb(new CWidgetArrayHandle(&b));
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    hb.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(keys(b), (Keys{10, 20, 30}));
    expectConsistentIndex(b);
}

TEST(ArrayHandleSerialize, IterableLoadingOfEitherLayout) {
    // The ranks stored after each element are not trusted: the index is built afresh.
    for (int version : {192, 193}) {
        CKelvaraArchive out;
        out.checkMarkerStart("CUniquePointerArray");
        out << 3;
        for (std::uint32_t n : {7u, 5u, 6u}) {
            CWidget w = widget(n);
            w.Serialize(out);
            if (version >= 193) out << 12345;  // ignored
        }
        out.checkMarkerEnd("CUniquePointerArray");
        const auto bytes = out.takeBuffer();

        CWidgetArray b;
        IWidgetArrayHandle hb(new CWidgetArrayHandle(&b));
        CKelvaraArchive in(bytes.data(), bytes.size(), version);
        hb.Serialize(in);
        EXPECT_EQ(keys(b), (Keys{7, 5, 6})) << "version " << version;
        expectConsistentIndex(b);
        EXPECT_EQ(forward(hb), (Keys{5, 6, 7}));

        const int before = CWidget::live();
        for (std::size_t n = 0; n + 1 < bytes.size(); n += 3) {
            CWidgetArray c = arrayOf({1});
            IWidgetArrayHandle hc(new CWidgetArrayHandle(&c));
            CKelvaraArchive cut(bytes.data(), n, version);
            EXPECT_THROW(hc.Serialize(cut), CArchiveException);
            expectConsistentIndex(c);
        }
        // Damage inside the third element: the two read before it are not kept or leaked.
        auto damaged = bytes;
        damaged[damaged.size() - (version >= 193 ? 11 : 7)] = 9;  // its weight's valid flag
        CWidgetArray d = arrayOf({1});
        IWidgetArrayHandle hd(new CWidgetArrayHandle(&d));
        CKelvaraArchive bad(damaged.data(), damaged.size(), version);
        EXPECT_THROW(hd.Serialize(bad), CArchiveException);
        EXPECT_EQ(d.GetSize(), 0);
        EXPECT_EQ(CWidget::live(), before);
    }
}

TEST(ArrayHandleSerialize, NonIterableRecordKeepsElementOrder) {
    CLinkArray a;
    a.Add(link(3));
    a.Add(link(1));
    ILinkArrayHandle h(new CLinkArrayHandle(&a));
    const auto bytes = kelvara::test::store(h);
    CLinkArray b;
    ILinkArrayHandle hb(new CLinkArrayHandle(&b));
    kelvara::test::load(hb, bytes);
    EXPECT_EQ(linkKeys(b), (Keys{3, 1}));
    EXPECT_TRUE(h == hb);
}

TEST(WrapperArrayHandle, EqualityRules) {
    CLinkArray x, y, none;
    x.Add(link(1));
    x.Add(link(2));
    y.Add(link(1));
    y.Add(link(2));
    const ILinkArrayHandle hx(new CLinkArrayHandle(&x)), hy(new CLinkArrayHandle(&y));
    EXPECT_TRUE(hx == hy) << "equal content element by element";
    y.getWritableReference(1).setDelay(CProjectDuration(5));
    EXPECT_TRUE(hx != hy);
    y.RemoveAt(1);
    EXPECT_FALSE(hx == hy);
    y.Add(link(2));
    y.changePosition(0, 1);
    EXPECT_FALSE(hx == hy) << "element order matters";

    const ILinkArrayHandle empty, nullHeld(new CLinkArrayHandle(nullptr));
    const ILinkArrayHandle memoryOnEmpty(new CLinkArrayHandle(&none));
    EXPECT_TRUE(empty == nullHeld);
    EXPECT_TRUE(nullHeld == empty);
    EXPECT_TRUE(empty == empty);
    EXPECT_FALSE(empty == memoryOnEmpty) << "an empty wrapper is not a memory handle on an empty list";
    EXPECT_FALSE(memoryOnEmpty == empty);
    EXPECT_FALSE(nullHeld == memoryOnEmpty);
    EXPECT_FALSE(hx == empty);
    EXPECT_FALSE(empty == hx);

    const ILinkArrayHandle detachedEmpty(new DetachedLinkHandle(&none));
    const ILinkArrayHandle detachedFull(new DetachedLinkHandle(&x));
    EXPECT_TRUE(empty == detachedEmpty) << "a handle that is not in memory and has no elements";
    EXPECT_TRUE(detachedEmpty == empty);
    EXPECT_FALSE(empty == detachedFull);
    EXPECT_FALSE(detachedFull == nullHeld);
    EXPECT_TRUE(detachedEmpty == memoryOnEmpty);
    EXPECT_TRUE(detachedFull == hx);

    ILinkArrayHandle assigned;
    assigned = hx;
    EXPECT_TRUE(assigned == hx);
    const ILinkArrayHandle& alias = assigned;
    assigned = alias;
    EXPECT_EQ(assigned.GetSize(), 2);
    ILinkArrayHandle moved(std::move(assigned));
    EXPECT_TRUE(assigned.isEmpty());
    EXPECT_EQ(moved.GetSize(), 2);
}

TEST(Root, ANewRootHasAnIdentifierAndAnEmptyList) {
    CWidgetRoot r, s;
    EXPECT_TRUE(r.getID().isValidNotNull());
    EXPECT_NE(r.getID(), s.getID());
    EXPECT_EQ(r.get().GetSize(), 0);
    EXPECT_EQ(r.getObjectStateGUID(), r.getID().getGUID());
    r.setID(idOf<CWidgetID>(5));
    EXPECT_EQ(r.getID(), idOf<CWidgetID>(5));
}

TEST(Root, SetReplacesTheListByCopies) {
    CWidgetRoot r;
    r.getArray().Add(widget(4));
    CWidgetArray source;
    source.Add(widget(3));
    source.Add(widget(1));
    source.Add(widget(2));
    r.set(IWidgetArrayHandle(new CWidgetArrayHandle(&source)));
    EXPECT_EQ(keys(r.getArray()), (Keys{1, 2, 3}));
    EXPECT_NE(&r.getArray().getConstReference(0), &source.getConstReference(1));

    const CWidget* first = &r.getArray().getConstReference(0);
    r.set(r.get());
    EXPECT_EQ(keys(r.getArray()), (Keys{1, 2, 3})) << "set(get()) leaves the list as it was";
    EXPECT_EQ(&r.getArray().getConstReference(0), first);

    EXPECT_EQ(r.get().findByID(idOf<CWidgetID>(2)), 1);
    r.get().getWritableReference(0)->setWeight(CProjectInt(8));
    EXPECT_EQ(r.getArray().getConstReference(0).getWeight().getValue(), 8);

    CWidgetRoot copy(r);
    EXPECT_TRUE(copy == r);
    copy.getArray().RemoveAt(0);
    EXPECT_EQ(r.getArray().GetSize(), 3) << "a copied root owns its own list";

    r.set(IWidgetArrayHandle());
    EXPECT_EQ(r.getArray().GetSize(), 0);
}

TEST(Root, Handles) {
    CWidgetRoot r;
    const IWidgetRootHandle h = r.getHandle();
    EXPECT_EQ(h->getID(), r.getID());
    IWidgetRootWritableHandle w = r.getWritableHandle();
    w->setID(idOf<CWidgetID>(3));
    EXPECT_EQ(r.getID(), idOf<CWidgetID>(3));
    EXPECT_TRUE(CWidgetRootHandle()->getID().isValidNotNull()) << "the invalid root is a new root";
}
