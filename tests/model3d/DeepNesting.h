// Bytes of a tree nested deeper than any archive may store: the archive refuses to store records
// beyond its depth limit, so a hostile file is built by hand. From the record of a parent with one
// child and the child's own record, nest(depth) splices copies of the parent's bytes around the
// child again and again, patching the body lengths of the records that enclose the child.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ArchiveTesting.h"
#include "kelvara/platform/Exceptions.h"

namespace kelvara::test {

class DeepNesting {
public:
    // parent: the record of a parent whose only child is leaf; leaf: that child's record;
    // enclosing: the names of the records that are opened before the child and closed after it
    // (each the last record of that name before the child).
    DeepNesting(const Bytes& parent, const Bytes& leaf, const std::vector<std::string>& enclosing) {
        const auto at = std::search(parent.begin(), parent.end(), leaf.begin(), leaf.end());
        EXPECT_NE(at, parent.end()) << "the child's record is not inside the parent's";
        const auto k = static_cast<std::size_t>(at - parent.begin());
        m_prefix.assign(parent.begin(), parent.begin() + static_cast<std::ptrdiff_t>(k));
        m_suffix.assign(parent.begin() + static_cast<std::ptrdiff_t>(k + leaf.size()), parent.end());
        m_leaf = leaf;
        for (const std::string& name : enclosing) {
            Bytes tag{0x7B, static_cast<std::uint8_t>(name.size())};
            tag.insert(tag.end(), name.begin(), name.end());
            // The last such record before the child is the one enclosing it: an earlier list of
            // the parent (a resource's rates before its sub-resources) has the same name.
            const auto found = std::find_end(m_prefix.begin(), m_prefix.end(), tag.begin(), tag.end());
            EXPECT_NE(found, m_prefix.end()) << "no record " << name << " before the child";
            m_lengths.push_back(static_cast<std::size_t>(found - m_prefix.begin()) + tag.size());
        }
    }

    // A chain of levels parents above the leaf.
    Bytes nest(int levels) const {
        Bytes inner = m_leaf;
        for (int level = 0; level < levels; ++level) {
            Bytes outer = m_prefix;
            const auto grown = static_cast<std::uint32_t>(inner.size() - m_leaf.size());
            for (std::size_t at : m_lengths) {
                std::uint32_t length = 0;
                std::memcpy(&length, &outer[at], 4);
                length += grown;
                std::memcpy(&outer[at], &length, 4);
            }
            outer.insert(outer.end(), inner.begin(), inner.end());
            outer.insert(outer.end(), m_suffix.begin(), m_suffix.end());
            inner = std::move(outer);
        }
        return inner;
    }

private:
    Bytes m_prefix, m_suffix, m_leaf;
    std::vector<std::size_t> m_lengths;
};

// Loading bytes into object fails because the records nest too deep, not for any other reason.
template <class C>
void expectRefusedAsTooDeep(C& object, const Bytes& bytes) {
    CKelvaraArchive ar(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    try {
        object.Serialize(ar);
        ADD_FAILURE() << "a tree nested deeper than the limit was loaded";
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find("nested deeper"), std::string::npos) << e.what();
    }
}

}  // namespace kelvara::test
