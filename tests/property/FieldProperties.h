// Property tests every kind with a field list gets from one line:
//   KELVARA_FIELD_PROPERTY_TESTS(CLink)
// A random object survives the archive and copies unchanged, storing is deterministic, and
// changing any one compared field makes two objects unequal.
#pragma once

#include <vector>

#include "ArchiveTesting.h"
#include "property/Randomize.h"

namespace kelvara::test {

// Walks the field list and changes only field `target`, answering its name (null past the end).
template <class I>
struct ChangeOneField {
    I& object;
    Rng& rng;
    int target;
    mutable int index = 0;
    mutable const char* changed = nullptr;
    mutable bool compared = true;

    template <class G, class W, class D>
    void value(const FieldInfo& info, G get, W writable, D) const {
        if (index++ != target) return;
        const char* name = info.name;
        changed = name;
        compared = !(info.flags & kNotCompared);
        decltype(auto) v = deref((object.*writable)());
        using V = std::remove_cvref_t<decltype(v)>;
        // A text read as IProjectString is copied and compared as the CProjectString it is stored
        // as: across the two types == is ambiguous.
        constexpr bool text = std::is_same_v<std::remove_cvref_t<decltype(deref((object.*get)()))>, IProjectString>;
        const auto before = [&] {
            if constexpr (text) return copyOf(v);
            else return copyOf(deref((object.*get)()));
        }();
        for (int attempt = 0; attempt < 50; ++attempt) {
            if constexpr (requires { V::forEachField(std::declval<FillFields<V>>()); })
                V::forEachField(FillFields<V>{v, rng, 1});
            else
                Randomizer<V>::apply(v, rng);
            if constexpr (text) {
                if (!(v == *before)) return;
            } else {
                if (!(deref((object.*get)()) == *before)) return;
            }
        }
        ADD_FAILURE() << "could not change field " << name;
    }
    template <class G>
    void children(const FieldInfo& info, G get) const {
        if (index++ != target) return;
        changed = info.name;
        const auto list = (object.*get)();
        const int before = list.GetSize();
        for (int attempt = 0; attempt < 50 && list.GetSize() == before; ++attempt)
            FillFields<I>{object, rng, 1}.children(info, get);
    }
    template <class G, class A, class R>
    void optional(const FieldInfo& info, G get, A allocate, R clear) const {
        if (index++ != target) return;
        changed = info.name;
        if ((object.*get)().isNull()) {
            auto&& child = *(object.*allocate)();
            using V = std::remove_cvref_t<decltype(child)>;
            V::forEachField(FillFields<V>{child, rng, 1});
        } else {
            (object.*clear)();
        }
    }

private:
    template <class V>
    static auto copyOf(const V& v) {
        if constexpr (requires { v.clone(); }) return std::unique_ptr<V>(v.clone());
        else if constexpr (std::is_abstract_v<V>) return std::unique_ptr<typename ConcreteOf<V>::type>(
            new typename ConcreteOf<V>::type(static_cast<const typename ConcreteOf<V>::type&>(v)));
        else return std::make_unique<V>(v);
    }
};

template <class C>
void checkFieldProperties(std::uint64_t seed) {
    using I = typename C::Self;
    Rng rng(seed);
    C a;
    fillRandom(a, rng);

    const auto bytes = store(a);
    EXPECT_EQ(store(a), bytes) << "storing twice gave different bytes";
    C loaded;
    load(loaded, bytes);
    EXPECT_TRUE(loaded == a) << "archive round trip changed the object";
    EXPECT_EQ(store(loaded), bytes) << "storing the loaded object gave different bytes";

    C copied;
    copied.copyFrom(a);
    EXPECT_TRUE(copied == a) << "copyFrom lost content";
    C constructed(a);
    EXPECT_TRUE(constructed == a) << "copy construction lost content";
    std::unique_ptr<I> cloned(a.clone());
    EXPECT_TRUE(*cloned == a) << "clone lost content";

    for (int field = 0;; ++field) {
        C b(a);
        ChangeOneField<I> change{b, rng, field};
        I::forEachField(change);
        if (!change.changed) break;
        if (change.compared) {
            EXPECT_FALSE(b == a) << "changing " << change.changed << " left the objects equal";
        }
        C reloaded;
        load(reloaded, store(b));
        EXPECT_TRUE(reloaded == b) << "round trip after changing " << change.changed;
    }
}

}  // namespace kelvara::test

#define KELVARA_FIELD_PROPERTY_TESTS(C)                                                   \
    TEST(FieldProperties, C) {                                                            \
        for (std::uint64_t seed = 1; seed <= 8; ++seed) {                                 \
            SCOPED_TRACE(::testing::Message() << "seed " << seed);                        \
            ::kelvara::test::checkFieldProperties<C>(seed);                               \
        }                                                                                 \
    }
