// A small kind that exists only in the tests: iterable in identifier order, with a root, and a
// count of live objects so that ownership mistakes (leaks, double owners) show up as numbers.
// Its templates are instantiated once, in TestWidget.cpp.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <vector>

#include "kelvara/framework/Family.h"

KELVARA_DECLARE_ID(CWidgetID, CWidget)
KELVARA_FORWARD(Widget)
KELVARA_INTERFACE_ARRAY(Widget, CWidgetID, true)

#define KELVARA_FIELDS_Widget(F)         \
    F(IDENTITY, CWidgetID, ID, {}, 1)    \
    F(VALUE, CProjectInt, Weight, {}, 1)

class IWidget : public CRecord<IWidget> {
    KELVARA_INTERFACE(Widget)
    KELVARA_RECORD(IWidget, "Widget", KELVARA_FIELDS_Widget)
};

namespace kelvara::ftest {
struct LiveCount {
    static inline std::atomic<int> live{0};  // widgets are made on several threads at once too
    LiveCount() noexcept { ++live; }
    LiveCount(const LiveCount&) noexcept { ++live; }
    LiveCount& operator=(const LiveCount&) noexcept = default;
    ~LiveCount() { --live; }
};
}  // namespace kelvara::ftest

class CWidget : public IWidget {
    KELVARA_OBJECT(Widget)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Widget)

public:
    ~CWidget() override = default;
    static int live() { return kelvara::ftest::LiveCount::live; }

private:
    kelvara::ftest::LiveCount m_count;
};

KELVARA_ROOT_FAMILY_AS(Widget, CWidgetID, true)

namespace kelvara::ftest {

// Identifiers whose order is the order of n (the leading field carries it).
template <class ID>
ID idOf(std::uint32_t n, std::uint8_t tail = 0) {
    _GUID g;
    g.Data1 = n;
    g.Data2 = 0x1234;
    g.Data4[7] = tail;
    return ID(g);
}

inline CWidget widget(std::uint32_t n, int weight = 0) {
    CWidget w;
    w.setID(idOf<CWidgetID>(n));
    w.setWeight(CProjectInt(weight));
    return w;
}

// The leading field of the identifiers in element order.
template <class Array>
std::vector<std::uint32_t> keys(const Array& a) {
    std::vector<std::uint32_t> out;
    for (int p = 0; p < a.GetSize(); ++p) out.push_back(a.getConstReference(p).getID().getGUID().Data1);
    return out;
}

// The ordered index is complete, ascending, a permutation, and every element is found by identifier.
template <class Array>
void expectConsistentIndex(const Array& a) {
    ASSERT_TRUE(a.isSorted());
    ASSERT_EQ(a.getOrderedIndexSize(), a.GetSize());
    std::vector<bool> seen(static_cast<std::size_t>(a.GetSize()), false);
    for (int k = 0; k < a.GetSize(); ++k) {
        const int p = a.getOrderedIndex(k);
        ASSERT_GE(p, 0);
        ASSERT_LT(p, a.GetSize());
        EXPECT_FALSE(seen[static_cast<std::size_t>(p)]) << "position " << p << " listed twice";
        seen[static_cast<std::size_t>(p)] = true;
        if (k > 0) {
            const CIDBase& prev = a.getConstReference(a.getOrderedIndex(k - 1)).getID();
            EXPECT_LE(prev.compare(&a.getConstReference(p).getID()), 0) << "index not ascending at " << k;
        }
    }
    for (int p = 0; p < a.GetSize(); ++p) {
        const auto& id = a.getConstReference(p).getID();
        const int found = a.findByID(id);
        ASSERT_GE(found, 0);
        EXPECT_EQ(a.getConstReference(found).getID(), id);
    }
}

}  // namespace kelvara::ftest
