// Random values of the transform, material and image records for the property tests. Records of
// other areas that embed or own these include this header too.
#pragma once

#include <cstdlib>

#include "kelvara/base/IBinImage.h"
#include "kelvara/base/IGraphicalImage.h"
#include "kelvara/base/IGraphicalMaterial.h"
#include "kelvara/base/IGraphicalTransform.h"
#include "kelvara/base/IIRayMaterial.h"
#include "property/RandomGeometry.h"

namespace kelvara::test {

template <>
struct Randomizer<CGraphicalTransformMatrix> {
    static void apply(CGraphicalTransformMatrix& m, Rng& rng) {
        m.setIdentity();
        if (chance(rng, 10)) return;
        for (int i = 0; i < 16; ++i) m.data()[i] = coordinate(rng);
    }
};

template <>
struct Randomizer<CGraphicalMaterialBuffer> {
    static void apply(CGraphicalMaterialBuffer& b, Rng& rng) {
        static const char alphabet[] = "Diffuse=0.5 1 0;Transparency=.25;\0xyz";
        const int n = between(rng, 0, 40);
        std::string text;
        for (int i = 0; i < n; ++i) text += alphabet[rng() % (sizeof alphabet - 1)];
        b.assign(text.data(), n);
    }
};

template <>
struct Randomizer<CTextureDefinitionIDArray> : RandomIDList<CTextureDefinitionIDArray, CTextureDefinitionID> {};

template <>
struct Randomizer<CGraphicalImageData> {
    static void apply(CGraphicalImageData& d, Rng& rng) {
        std::vector<unsigned char> bytes(static_cast<std::size_t>(between(rng, 0, 64)));
        for (auto& b : bytes) b = static_cast<unsigned char>(rng());
        d.setData(bytes.data(), static_cast<int>(bytes.size()));
    }
};

template <>
struct Randomizer<CBinImageContent> {
    static void apply(CBinImageContent& c, Rng& rng) {
        c.setWidth(static_cast<unsigned int>(rng() % 4096));
        const auto n = static_cast<std::size_t>(between(rng, 0, 64));
        auto* bytes = n ? static_cast<unsigned char*>(std::malloc(n)) : nullptr;
        for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<unsigned char>(rng());
        c.setBytes(n, bytes);
    }
};

template <>
struct Randomizer<CIRayAttributeMap> {
    static void apply(CIRayAttributeMap& m, Rng& rng) {
        m.clear();
        const int n = between(rng, 0, 5);
        for (int i = 0; i < n; ++i) {
            const auto texts = drawInOrder<2>(rng, randomText);
            m.set(texts[0], texts[1]);
        }
    }
};

}  // namespace kelvara::test
