// Random content for any field of a field list, so the property tests can fill a record without
// knowing its fields. Value types of other areas add Randomizer specializations in their own
// headers (see RandomizeSpecializations below).
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <type_traits>

#include "kelvara/base/CKelvaraEnumeration.h"
#include "kelvara/base/IDPointerArray.h"
#include "kelvara/base/Record.h"
#include "kelvara/base/Values.h"
#include "kelvara/framework/ArrayHandles.h"
#include "kelvara/framework/Family.h"
#include "kelvara/framework/UniqueObjectPointerArray.h"

namespace kelvara::test {

using Rng = std::mt19937_64;

template <class T, class Enable = void>
struct Randomizer;  // specialise for value types the generic rules below do not cover

template <class T>
void randomize(T& value, Rng& rng);

inline bool chance(Rng& rng, int percent) { return static_cast<int>(rng() % 100) < percent; }
inline int between(Rng& rng, int lo, int hi) { return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1)); }
inline float unitFloat(Rng& rng) { return static_cast<float>(rng() % 1000001) / 1000000.0f; }

// N values drawn one after the other. A call's arguments are evaluated in no fixed order, so
// draw(rng) written N times as arguments would give other values on another compiler, and the
// golden files need the same values everywhere.
template <std::size_t N, class Draw>
auto drawInOrder(Rng& rng, Draw draw) {
    std::array<decltype(draw(rng)), N> values{};
    for (auto& value : values) value = draw(rng);
    return values;
}

inline CString randomText(Rng& rng) {
    static const wchar_t alphabet[] = {L'a', L'b', L'Z', L'7', L' ', L'-', L'\u00e9', L'\u4e2d', static_cast<wchar_t>(0x1F600)};
    std::wstring s;
    const int n = between(rng, 0, 12);
    for (int i = 0; i < n; ++i) s += alphabet[rng() % std::size(alphabet)];
    return CString(std::move(s));
}

// Identifiers come from rng, not from the process's generator, so that a filler run from a fixed
// seed always gives the same bytes.
template <class T>
struct Randomizer<T, std::enable_if_t<std::is_base_of_v<CIDBase, T>>> {
    static void apply(T& id, Rng& rng) {
        if (chance(rng, 5)) {
            id.clear();
            return;
        }
        const std::uint64_t hi = rng(), lo = rng();
        _GUID guid{};
        guid.Data1 = static_cast<std::uint32_t>(hi >> 32);
        guid.Data2 = static_cast<std::uint16_t>(hi >> 16);
        guid.Data3 = static_cast<std::uint16_t>((hi & 0x0FFF) | 0x4000);
        for (int i = 0; i < 8; ++i) guid.Data4[i] = static_cast<std::uint8_t>(lo >> (56 - 8 * i));
        static_cast<CIDBase&>(id) = CIDBase(guid);
    }
};

// Each field draws from a generator of its own, seeded by the record's generator and the field's
// name: two fields that trade places in a list then trade values too, and the stored bytes change.
inline Rng fieldRng(Rng& rng, const char* name) {
    std::uint64_t h = 14695981039346656037ull;
    for (const char* c = name; *c; ++c) h = (h ^ static_cast<unsigned char>(*c)) * 1099511628211ull;
    return Rng(rng() ^ h);
}

template <class T, class Tag>
struct Randomizer<CProjectValue<T, Tag>> {
    static void apply(CProjectValue<T, Tag>& v, Rng& rng) {
        if constexpr (std::is_floating_point_v<T>)
            v.setValue(static_cast<T>(static_cast<double>(static_cast<std::int64_t>(rng() % 2000001) - 1000000) / 7.0));
        else
            v.setValue(static_cast<T>(static_cast<std::int64_t>(rng() % 2000001) - 1000000));
        if (chance(rng, 15)) v.unset();
    }
};

template <>
struct Randomizer<CProjectBool> {
    static void apply(CProjectBool& v, Rng& rng) {
        v.setValue(chance(rng, 50));
        if (chance(rng, 15)) v.unset();
    }
};

template <>
struct Randomizer<CProjectString> {
    static void apply(CProjectString& v, Rng& rng) {
        v.setValue(randomText(rng));
        if (chance(rng, 15)) v.unset();
    }
};

template <>
struct Randomizer<CProjectColorRGB> {
    static void apply(CProjectColorRGB& v, Rng& rng) {
        const auto c = drawInOrder<3>(rng, unitFloat);
        v = CProjectColorRGB(c[0], c[1], c[2]);
    }
};

template <>
struct Randomizer<CString> {
    static void apply(CString& v, Rng& rng) { v = randomText(rng); }
};

template <>
struct Randomizer<bool> {
    static void apply(bool& v, Rng& rng) { v = chance(rng, 50); }
};

template <class T>
struct Randomizer<T, std::enable_if_t<std::is_arithmetic_v<T> && !std::is_same_v<T, bool>>> {
    static void apply(T& v, Rng& rng) {
        if constexpr (std::is_floating_point_v<T>) v = static_cast<T>(between(rng, -100000, 100000)) / static_cast<T>(8);
        else v = static_cast<T>(rng() % 1000);
    }
};

template <class T>
struct Randomizer<T, std::enable_if_t<std::is_base_of_v<CKelvaraEnumeration, T>>> {
    static void apply(T& v, Rng& rng) {
        const auto items = v.getItems();
        if (items.empty() || chance(rng, 5)) v.setCurrentValue(between(rng, 0, 50));
        else v.setCurrentValue(items[rng() % items.size()].value);
    }
};

// Up to four non-null identifiers.
template <class List, class ID>
struct RandomIDList {
    static void apply(List& v, Rng& rng) {
        v.RemoveAll();
        const int n = between(rng, 0, 4);
        for (int i = 0; i < n; ++i) {
            ID id;
            do Randomizer<ID>::apply(id, rng);
            while (id.isNULL());
            v.Add(id);
        }
    }
};

template <class T>
struct Randomizer<T, std::enable_if_t<std::is_base_of_v<IIDPointerArray<typename T::value_type>, T>>>
    : RandomIDList<T, typename T::value_type> {};

// Fills every field of a record through its field list.
template <class I>
struct FillFields {
    I& object;
    Rng& rng;
    int depth;

    template <class G, class W, class D>
    void value(const FieldInfo& info, G, W writable, D) const {
        decltype(auto) v = deref((object.*writable)());
        using V = std::remove_cvref_t<decltype(v)>;
        Rng local = fieldRng(rng, info.name);
        if constexpr (requires { V::forEachField(std::declval<FillFields<V>>()); }) {
            V::forEachField(FillFields<V>{v, local, depth + 1});
        } else {
            Randomizer<V>::apply(v, local);
        }
    }
    template <class G>
    void children(const FieldInfo&, G get) const;
    template <class G, class A, class R>
    void optional(const FieldInfo&, G get, A allocate, R clear) const {
        (void)get;
        if (depth > 2 || chance(rng, 30)) {
            (object.*clear)();
            return;
        }
        auto&& child = *(object.*allocate)();
        using V = std::remove_cvref_t<decltype(child)>;
        V::forEachField(FillFields<V>{child, rng, depth + 1});
    }
};

template <class H>
struct HandleParts;
template <class I, class ID, bool iterable>
struct HandleParts<CWrapperArrayHandle<I, ID, iterable>> {
    using Interface = I;
    using Identifier = ID;
    static constexpr bool kIterable = iterable;
};

template <class H>
using WrapperBaseOf = typename H::Base;

// A record filled with random content (children to a bounded depth).
template <class C>
void fillRandom(C& object, Rng& rng, int depth = 0) {
    using I = typename C::Self;
    I::forEachField(FillFields<I>{object, rng, depth});
}

template <class I>
template <class G>
void FillFields<I>::children(const FieldInfo&, G get) const {
    const auto list = (object.*get)();
    using H = std::remove_cvref_t<decltype(list)>;
    using Parts = HandleParts<typename H::Base>;
    using CI = typename Parts::Interface;
    using CC = typename ConcreteOf<CI>::type;
    using ID = typename Parts::Identifier;
    CUniqueObjectPointerArray<CI, CC, ID> source;
    const int n = depth > 2 ? 0 : between(rng, 0, 3);
    for (int i = 0; i < n; ++i) {
        CC child;
        fillRandom(child, rng, depth + 1);
        child.generateIDs();
        source.Add(child);
    }
    list.copyFrom(H(new CBasicArrayHandle<CI, CC, ID, Parts::kIterable>(&source)));
}

template <class T>
void randomize(T& value, Rng& rng) {
    Randomizer<T>::apply(value, rng);
}

}  // namespace kelvara::test
