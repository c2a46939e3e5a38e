// Helpers for the collaboration tests: a document store in a fresh temporary folder, and the bytes
// of a record tree nested deeper than a storing archive would ever write.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "ArchiveTesting.h"
#include "FileTesting.h"
#include "kelvara/base/CDocumentManager.h"

namespace kelvara::test {

// Points the document store at a temporary folder for the test's lifetime, so no test touches the
// user's data folder; afterwards the store is back to choosing its default when next asked.
class TemporaryStore {
public:
    TemporaryStore() { CDocumentManager::getInstance()->setDocumentFolder(CString::fromUtf8(m_folder.path())); }
    TemporaryStore(const TemporaryStore&) = delete;
    TemporaryStore& operator=(const TemporaryStore&) = delete;
    ~TemporaryStore() { CDocumentManager::getInstance()->setDocumentFolder(CString()); }

    const TemporaryFolder& folder() const { return m_folder; }
    std::string pathOf(const CIDBase& id) const { return m_folder / id.toString().toUtf8(); }

private:
    TemporaryFolder m_folder;
};

// The bytes of a chain of depth records of kind C, each the only child of the one before. A leaf and
// a parent holding one leaf are stored the ordinary way; deeper chains splice the parent's bytes
// around the chain below and patch the two record lengths that enclose it (the parent's own and
// its child list's), so the chain can be deeper than storing allows.
template <class C, class AddChild>
Bytes nestedChain(int depth, AddChild addChild) {
    C leaf;
    const Bytes leafBytes = store(leaf);
    C parent;
    addChild(parent, leaf);
    const Bytes parentBytes = store(parent);

    const auto at = std::search(parentBytes.begin(), parentBytes.end(), leafBytes.begin(), leafBytes.end());
    EXPECT_NE(at, parentBytes.end()) << "the child's record is not inside its parent's";
    const Bytes head(parentBytes.begin(), at);
    const Bytes tail(at + static_cast<std::ptrdiff_t>(leafBytes.size()), parentBytes.end());

    // Where the two enclosing lengths are: after the parent's name, and after the last list marker
    // before the child.
    const std::size_t outerLength = 2 + head[1];
    const std::string marker = "CUniquePointerArray";
    const auto listAt = std::find_end(head.begin(), head.end(), marker.begin(), marker.end());
    EXPECT_NE(listAt, head.end());
    const std::size_t listLength = static_cast<std::size_t>(listAt - head.begin()) + marker.size();

    Bytes chain = leafBytes;
    for (int level = 1; level < depth; ++level) {
        const std::uint32_t grown = static_cast<std::uint32_t>(chain.size() - leafBytes.size());
        Bytes next = head;
        for (std::size_t offset : {outerLength, listLength}) {
            std::uint32_t length = 0;
            std::memcpy(&length, next.data() + offset, 4);
            length += grown;
            std::memcpy(next.data() + offset, &length, 4);
        }
        next.insert(next.end(), chain.begin(), chain.end());
        next.insert(next.end(), tail.begin(), tail.end());
        chain = std::move(next);
    }
    return chain;
}

}  // namespace kelvara::test
