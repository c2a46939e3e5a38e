// Per-kind geometry lists and the bundle of them: lazy kinds, the flat index, reads out of range,
// lists copied, appended and inserted into themselves, ownership on attach, the storage shrink
// rule, and damaged records.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CGeometryArray.h"
#include "kelvara/platform/Exceptions.h"

using namespace kelvara::test;

namespace {

CCircle circle(float x) { return CCircle(CGraphicalPoint3D(x, 0, 0), CGraphicalPoint3D(0, x, 0), CGraphicalPoint3D(-x, 0, 0)); }

std::vector<float> tags(const CCircleArray& a) {
    std::vector<float> out;
    for (int i = 0; i < a.GetSize(); ++i) out.push_back(a.elementAt(i)->getPoint1().x());
    return out;
}

CCircleArray circles(std::initializer_list<float> xs) {
    CCircleArray a;
    for (float x : xs) a.Add(circle(x));
    return a;
}

// A circle that is not the stored class, to see what Attach does with foreign objects.
class ForeignCircle : public ICircle {
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Circle)

public:
    ForeignCircle() { initialize(); }
    [[nodiscard]] ICircle* clone() const override { return new ForeignCircle(*this); }

private:
    IHandle<ICircle>* handle() const override { return new CBasicHandle<ICircle, ForeignCircle>(this); }
    IWritableHandle<ICircle>* writableHandle() override { return new CWritableBasicHandle<ICircle, ForeignCircle>(this); }
};

// A writable handle on any circle, of the stored class or not.
class AnyCircleHandle : public IWritableHandle<ICircle> {
public:
    explicit AnyCircleHandle(ICircle* object) : m_object(object) {}
    ICircle* operator->() const override { return m_object; }
    ICircle& operator*() const override { return *m_object; }
    operator ICircle*() const override { return m_object; }
    IWritableHandle<ICircle>* clone() const override { return new AnyCircleHandle(m_object); }
    bool isNull() const override { return m_object == nullptr; }
    void reload() const override {}

private:
    ICircle* m_object;
};

CWritableWrapperHandle<ICircle> owning(ICircle* object) { return CWritableWrapperHandle<ICircle>(new AnyCircleHandle(object)); }

}  // namespace

TEST(GeometryArray, KindsExistOnlyWhileNeeded) {
    CGeometryArray g;
    EXPECT_TRUE(g.IsEmpty());
    EXPECT_EQ(g.getMeshes().GetSize(), 0);
    EXPECT_EQ(g.getPolyLine3Ds().GetSize(), 0);
    for (int k = 0; k < IGeometryArray::kKindCount; ++k) EXPECT_FALSE(g.holdsKind(k));
    (void)g.getWritableMeshes();
    (void)g.getWritableCircles();
    EXPECT_TRUE(g.holdsKind(7));
    g.getWritableCircles().Add(circle(1));
    g.Optimise();
    EXPECT_FALSE(g.holdsKind(7));
    EXPECT_TRUE(g.holdsKind(0));
    g.clearCircles();
    EXPECT_FALSE(g.holdsKind(0));
    EXPECT_LE(sizeof(CGeometryArray), 24u);
}

TEST(GeometryArray, FlatIndexRunsThroughTheKindsInOrder) {
    CGeometryArray g;
    g.getWritableMeshes().Add(CMesh());
    g.getWritableMeshes().Add(CMesh());
    g.getWritableMeshes().Add(CMesh());
    g.getWritableCircles().Add(circle(1));
    g.getWritableCircles().Add(circle(2));
    EXPECT_EQ(g.GetSize(), 5);
    EXPECT_EQ(g.getConstReference(1).get(), g.getCircles().elementAt(1));
    EXPECT_EQ(g.getConstReference(2).get(), g.getMeshes().elementAt(0));
    EXPECT_EQ(g.getWritableReference(4).get(), g.getMeshes().elementAt(2));
    EXPECT_EQ(g.getConstReference(5).get(), &CGeometryArray::defaultAfter());
    EXPECT_EQ(g.getConstReference(-1).get(), &CGeometryArray::defaultBefore());
    EXPECT_NE(g.getWritableReference(9).get(), nullptr);
    EXPECT_NE(g.getWritableReference(9).get(), &CGeometryArray::defaultAfter());
}

TEST(GeometryArray, ReadsOutOfRangeAnswerTheKindsSharedDefaults) {
    CCircleArray a = circles({1, 2});
    for (const int i : {-1, 2, 1000}) {
        EXPECT_EQ(a.getConstReference(i).get(), &CCircleArray::readDefault()) << i;
        EXPECT_EQ(a[i].get(), &CCircleArray::writeDefault()) << i;
        EXPECT_EQ(std::as_const(a)[i].get(), &CCircleArray::readDefault()) << i;
        EXPECT_EQ(a.getConstGeometryReference(i).get(), &CCircleArray::readDefault()) << i;
        EXPECT_EQ(a.getWritableGeometryReference(i).get(), &CCircleArray::writeDefault()) << i;
    }
    EXPECT_EQ(a[1].get(), a.elementAt(1));
    EXPECT_TRUE(a.Detach(2).isNull());
}

TEST(GeometryArray, AddAppendAndChangePosition) {
    CCircleArray a;
    EXPECT_EQ(a.Add(circle(1)), 0);
    CCircleArray four = circles({1, 2, 3, 4});
    EXPECT_EQ(four.Append(circles({5, 6})), 4);
    EXPECT_EQ(tags(four), (std::vector<float>{1, 2, 3, 4, 5, 6}));

    CCircleArray abc = circles({1, 2, 3});
    EXPECT_TRUE(abc.changePosition(0, 2));
    EXPECT_EQ(tags(abc), (std::vector<float>{3, 1, 2}));
    EXPECT_TRUE(abc.changePosition(1, 1));
    EXPECT_EQ(tags(abc), (std::vector<float>{3, 1, 2}));
    EXPECT_FALSE(abc.changePosition(0, 3));
    EXPECT_FALSE(abc.changePosition(-1, 0));
    abc.InsertAt(4, circle(9));  // beyond the end: nothing
    abc.RemoveAt(3);
    EXPECT_EQ(tags(abc), (std::vector<float>{3, 1, 2}));
}

TEST(GeometryArray, SelfCopyAppendAndInsertUseTheContentAsItWas) {
    CCircleArray a = circles({1, 2, 3});
    a.Copy(a);
    EXPECT_EQ(tags(a), (std::vector<float>{1, 2, 3}));
    CCircleArray& alias = a;
    a = alias;
    EXPECT_EQ(tags(a), (std::vector<float>{1, 2, 3}));
    EXPECT_EQ(a.Append(a), 3);
    EXPECT_EQ(tags(a), (std::vector<float>{1, 2, 3, 1, 2, 3}));
    CCircleArray b = circles({1, 2});
    b.InsertAt(1, b);
    EXPECT_EQ(tags(b), (std::vector<float>{1, 1, 2, 2}));

    CGeometryArray g;
    g.getWritableCircles().Copy(circles({4, 5}));
    g.getWritableSpheres().Add(CSphere());
    CGeometryArray& same = g;
    g = same;
    EXPECT_EQ(g.GetSize(), 3);
    g.copyFrom(g);
    EXPECT_EQ(tags(static_cast<const CCircleArray&>(g.getCircles())), (std::vector<float>{4, 5}));
    const CGeometryArray copy(g);
    EXPECT_TRUE(copy == g);
    EXPECT_NE(copy.getCircles().elementAt(0), g.getCircles().elementAt(0));  // deep
}

TEST(GeometryArray, AttachTakesStoredObjectsAndCopiesForeignOnes) {
    CCircleArray a = circles({1, 2});
    auto* own = new CCircle(circle(7));
    a.Attach(owning(own), 1);
    EXPECT_EQ(a.elementAt(1), own);

    auto* foreign = new ForeignCircle();
    foreign->setPoint1(CGraphicalPoint3D(8, 0, 0));
    a.Attach(owning(foreign), -5);  // a negative position is the front; the foreign one is deleted
    EXPECT_EQ(tags(a), (std::vector<float>{8, 1, 7, 2}));
    EXPECT_NE(dynamic_cast<const CCircle*>(a.elementAt(0)), nullptr);

    auto* refused = new CCircle(circle(9));
    a.Attach(owning(refused), 5);  // above the size: refused, still the caller's
    EXPECT_EQ(a.GetSize(), 4);
    delete refused;

    CWritableWrapperHandle<ICircle> taken = a.Detach(0);
    ASSERT_FALSE(taken.isNull());
    EXPECT_EQ(taken->getPoint1().x(), 8.0f);
    delete taken.get();
}

TEST(GeometryArray, StorageShrinksOnlyWhenLargeAndSparse) {
    CCircleArray a;
    for (int i = 0; i < 5000; ++i) a.Add(circle(static_cast<float>(i)));
    bool shrunk = false;
    while (a.GetSize() > 0) {
        const std::size_t before = a.capacity();
        a.RemoveAt(a.GetUpperBound());
        const auto n = static_cast<std::size_t>(a.GetSize());
        if (a.capacity() < before) {
            shrunk = true;
            EXPECT_GT(n, 1000u);
            EXPECT_EQ(a.capacity(), n);
        }
        if (n > 1000) {
            EXPECT_LE(a.capacity(), 4 * n + 1) << n;
        }
    }
    EXPECT_TRUE(shrunk);
    a.Add(circle(1));
    a.RemoveAll();
    EXPECT_GT(a.capacity(), 0u);  // RemoveAll keeps what is reserved
}

TEST(GeometryArray, RecordRoundTripsAndReplacesContent) {
    CGeometryArray g;
    g.getWritableCircles().Add(circle(3));
    CGraphicalPoint3DArray square;
    for (int i = 0; i < 4; ++i) square.Add(CGraphicalPoint3D(static_cast<float>(i & 1), static_cast<float>(i >> 1), 0));
    CMesh mesh(2, 2, square);
    (*mesh.allocateVertexParameters()).setFaceNormalsBufferSize(3, true);
    g.getWritableMeshes().Add(mesh);
    g.getWritablePolyLine3Ds().AddPointSetAsPolyline(square);
    (void)g.getWritableTexts();  // empty: stored as absent
    const Bytes bytes = store(g);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("CNonUniquePointerArray"), std::string::npos);

    CGeometryArray loaded;
    loaded.getWritableSpheres().Add(CSphere());
    load(loaded, bytes);
    EXPECT_TRUE(loaded == g);
    EXPECT_EQ(loaded.getSpheres().GetSize(), 0);
    EXPECT_FALSE(loaded.holdsKind(16));

    CCircleArray list = circles({1, 2, 3});
    CCircleArray other = circles({9});
    load(other, store(list));
    EXPECT_EQ(tags(other), (std::vector<float>{1, 2, 3}));
}

TEST(GeometryArray, DamagedRecordsAbortAndLeaveTheListAsItWas) {
    const auto listWithCount = [](int count, const Bytes& tail) {
        return craft([&](CKelvaraArchive& ar) {
            ar.checkMarkerStart("CNonUniquePointerArray");
            ar << count;
            for (auto b : tail) ar << b;
            ar.checkMarkerEnd("CNonUniquePointerArray");
        });
    };
    CCircle five = circle(5);
    const Bytes element = store(five);
    Bytes cut(element.begin(), element.end() - 3);
    for (const Bytes& bytes : {listWithCount(-1, {}), listWithCount(1 << 28, element), listWithCount(2, element),
                               listWithCount(1, cut)}) {
        CCircleArray a = circles({1, 2});
        CKelvaraArchive ar(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        EXPECT_THROW(a.Serialize(ar), CArchiveException);
        EXPECT_EQ(tags(a), (std::vector<float>{1, 2}));
    }

    // A kind mask naming a kind that does not exist.
    const Bytes bad = craft([](CKelvaraArchive& ar) {
        ar.checkMarkerStart("GeometryArray");
        ar << static_cast<std::uint32_t>(1u << 20);
        ar.checkMarkerEnd("GeometryArray");
    });
    CGeometryArray g;
    g.getWritableCircles().Add(circle(1));
    CKelvaraArchive ar(bad.data(), bad.size(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(g.Serialize(ar), CArchiveException);
    EXPECT_EQ(g.GetSize(), 1);
}
