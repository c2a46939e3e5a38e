// The ownership rule every owning list keeps: an object whose attach was refused is still the
// caller's, an accepted one is the list's, a detached one is the caller's and is deleted through
// its interface. Live counts show a leak or a second owner here; the sanitizer build shows the rest.
#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

#include "framework/TestWidget.h"
#include "kelvara/AllKinds.h"
#include "kelvara/model3d/CGraphicalMaterial.h"
#include "kelvara/model3d/CGraphicalTransform.h"
#include "kelvara/schedule/CCode.h"

using namespace kelvara::ftest;

// A detached object is released with delete through the interface it is handed out as.
#define KELVARA_DELETABLE_THROUGH_INTERFACE(Thing) \
    static_assert(std::has_virtual_destructor_v<I##Thing>, "I" #Thing " is deleted through its interface");
#define KELVARA_EVERY_KIND_DELETABLE_(Thing, Identifier, Iteration, Role, Folder) KELVARA_DELETABLE_THROUGH_INTERFACE(Thing)
KELVARA_KINDS(KELVARA_EVERY_KIND_DELETABLE_)
KELVARA_DELETABLE_THROUGH_INTERFACE(Widget)
#undef KELVARA_DELETABLE_THROUGH_INTERFACE

namespace {

// A transform that is not the stored class: the array keeps a copy and deletes the original.
class ForeignTransform : public IGraphicalTransform {
public:
    static inline int destroyed = 0;

    ForeignTransform() = default;
    ForeignTransform(const ForeignTransform& other) : IGraphicalTransform(), m_elements(other.m_elements) {}
    ~ForeignTransform() override { ++destroyed; }

    IGraphicalTransform* clone() const override { return new ForeignTransform(*this); }
    const float* getMatrix() const override { return m_elements.data(); }
    void setMatrix(const float* matrix) override {
        if (matrix) m_elements = CGraphicalTransformMatrix(matrix);
    }
    void setToIdentity() override { m_elements.setIdentity(); }
    float* getMatrix() override { return m_elements.data(); }
    const CGraphicalTransform& getIdentityTransform() const override {
        static const CGraphicalTransform identity;
        return identity;
    }
    void swapRows(int, int) override {}
    const CGraphicalTransformMatrix& getElements() const override { return m_elements; }

private:
    IHandle<IGraphicalTransform>* handle() const override { return nullptr; }
    IWritableHandle<IGraphicalTransform>* writableHandle() override { return nullptr; }
    CGraphicalTransformMatrix& getWritableElements() override { return m_elements; }

    CGraphicalTransformMatrix m_elements;
};

CGraphicalTransform translation(float x) {
    CGraphicalTransform t;
    t.setAsTranslation(CGraphicalVector3D(x, 0, 0));
    return t;
}

}  // namespace

TEST(Ownership, UniqueArrayTakesOnlyWhatItAcceptsAndHandsOutWhatItDetaches) {
    const int before = CWidget::live();
    {
        CWidgetArray a;
        ASSERT_GE(a.Add(widget(1)), 0);
        ASSERT_GE(a.Add(widget(2)), 0);
        auto mine = std::make_unique<CWidget>(widget(3));
        a.AttachNoSort(3, mine.get());   // past the end
        a.AttachNoSort(-1, mine.get());
        a.Attach(-1, mine.get());
        EXPECT_EQ(a.GetSize(), 2) << "refused: still the caller's, deleted by the unique_ptr";
        a.AttachNoSort(2, mine.release());
        EXPECT_EQ(keys(a), (std::vector<std::uint32_t>{1, 2, 3}));

        std::unique_ptr<IWidget> out(a.Detach(idOf<CWidgetID>(3)));  // as the interface
        ASSERT_TRUE(out);
        EXPECT_EQ(a.GetSize(), 2);
        EXPECT_EQ(CWidget::live(), before + 3);
    }
    EXPECT_EQ(CWidget::live(), before) << "every object deleted once";
}

TEST(Ownership, TransformArraysSeenThroughTheirInterface) {
    ForeignTransform::destroyed = 0;
    CGraphicalTransformArray stored;
    kelvara::detail::IOwnedPointerArray<IGraphicalTransform>& a = stored;
    a.Add(translation(1));

    auto* foreign = new ForeignTransform;
    foreign->setMatrix(translation(2).getMatrix());
    a.Attach(foreign, 1);  // accepted: copied into the stored class, the original deleted
    EXPECT_EQ(ForeignTransform::destroyed, 1);
    ASSERT_EQ(a.GetSize(), 2);
    EXPECT_NE(dynamic_cast<const CGraphicalTransform*>(&a.getConstReference(1)), nullptr);
    EXPECT_TRUE(a.getConstReference(1) == translation(2));

    std::unique_ptr<IGraphicalTransform> out(a.Detach(0));
    ASSERT_TRUE(out);
    EXPECT_TRUE(*out == translation(1));
    EXPECT_EQ(a.Detach(5), nullptr);
    EXPECT_EQ(a.GetSize(), 1);
}

// A detached value takes its whole subtree with it; deleting it through the interface frees all.
TEST(Ownership, ADetachedCodeValueIsDeletedWithItsSubtree) {
    CCode code;
    CCodeValue value, child, grandchild;
    for (CCodeValue* v : {&value, &child, &grandchild}) v->generateIDs();
    child.insertSubCodeValue(-1, grandchild);
    value.insertSubCodeValue(-1, child);
    code.insertCodeValue(-1, value);

    ICodeValueWritableHandle handle = code.detachCodeValue(value.getID());
    ASSERT_FALSE(handle.isNull());
    std::unique_ptr<ICodeValue> owned(handle.get());
    EXPECT_EQ(code.getCodeValues().GetSize(), 0);
    ASSERT_EQ(owned->getSubCodeValues().GetSize(), 1);
    EXPECT_EQ(owned->getSubCodeValues()[0]->getSubCodeValues().GetSize(), 1);
}
