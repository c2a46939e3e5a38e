// Several threads reading one fully built model at the same time. Every operation used here must
// leave the shared objects and the shared defaults untouched; scripts/tsan.sh runs this file
// under ThreadSanitizer, which reports any write that races with a read.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "ArchiveTesting.h"
#include "framework/TestWidget.h"
#include "kelvara/document/CProjectDocument.h"
#include "kelvara/AllKinds.h"

using namespace kelvara::ftest;

namespace {

constexpr int kThreads = 4;
constexpr std::uint32_t kWidgets = 300;

// Runs body(thread) on kThreads threads released together and answers the problems they report
// (checked on the calling thread, after every thread has joined).
template <class Body>
std::vector<std::string> onThreads(Body body) {
    std::vector<std::vector<std::string>> problems(kThreads);
    std::atomic<int> waiting{kThreads};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            waiting.fetch_sub(1);
            while (waiting.load() > 0) std::this_thread::yield();
            body(t, problems[static_cast<std::size_t>(t)]);
        });
    for (std::thread& thread : threads) thread.join();
    std::vector<std::string> all;
    for (auto& list : problems) all.insert(all.end(), list.begin(), list.end());
    return all;
}

// Widgets added in a scrambled order, so element order and identifier order differ.
CWidgetArray scrambledWidgets() {
    CWidgetArray a;
    for (std::uint32_t k = 0; k < kWidgets; ++k) {
        const std::uint32_t n = (k * 7919u) % kWidgets + 1;
        a.Add(widget(n, static_cast<int>(n) * 3));
    }
    return a;
}

std::uint32_t keyOf(const IWidget& w) { return w.getID().getGUID().Data1; }

}  // namespace

TEST(ConcurrentReaders, LookupIterationAndCopiesOfASharedArray) {
    const CWidgetArray shared = scrambledWidgets();
    ASSERT_TRUE(shared.isSorted());
    ASSERT_EQ(shared.GetSize(), static_cast<int>(kWidgets));

    const auto problems = onThreads([&](int t, std::vector<std::string>& out) {
        for (std::uint32_t n = 1; n <= kWidgets; ++n) {
            const CWidgetID id = idOf<CWidgetID>(n);
            const int p = shared.findByID(id);
            if (p < 0 || keyOf(shared.getConstReference(p)) != n) out.push_back("lookup of " + std::to_string(n));
        }
        if (shared.findByID(idOf<CWidgetID>(kWidgets + 1)) != -1) out.push_back("found a missing identifier");
        for (int k = 1; k < shared.getOrderedIndexSize(); ++k)
            if (!(shared.getID(shared.getOrderedIndex(k - 1)) < shared.getID(shared.getOrderedIndex(k))))
                out.push_back("ordered index out of order at " + std::to_string(k));

        // Walks through a handle on the shared list, both ways, reading through operator->.
        const IWidgetArrayHandle handle(new CWidgetArrayHandle(&shared));
        std::uint32_t expected = 1;
        auto it = handle.getConstIterator();
        while (it.hasNext()) {
            const CWrapperHandle<IWidget> w = it.next();
            if (keyOf(*w) != expected || w->getWeight() != CProjectInt(static_cast<int>(expected) * 3))
                out.push_back("forward walk at " + std::to_string(expected));
            ++expected;
        }
        auto back = handle.getConstReverseIterator();
        while (back.hasPrevious()) {
            --expected;
            if (keyOf(*back.previous()) != expected) out.push_back("backward walk at " + std::to_string(expected));
        }
        if (handle.find(idOf<CWidgetID>(static_cast<std::uint32_t>(t) + 1))->getWeight() !=
            CProjectInt((t + 1) * 3))
            out.push_back("find through the handle");

        // Reads out of range and through null handles answer shared defaults, made on first use.
        if (!shared.getConstReference(-1).getID().isNULL() || !handle[static_cast<int>(kWidgets)]->getID().isNULL())
            out.push_back("out-of-range read");
        if (!CWidgetHandle()->getID().isNULL()) out.push_back("null handle");

        const CWidgetArray copy(shared);
        if (!(copy == shared) || !(shared == copy)) out.push_back("copy differs");
        if (copy.getConstReference(5).getID().compare(&shared.getConstReference(5).getID()) != 0)
            out.push_back("identifier compare");
    });
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems, first: " << problems.front();
}

// An array changed without sorting stays unsorted; comparing it with a set and looking up in it
// read it without building its index.
TEST(ConcurrentReaders, AnUnsortedArrayIsReadWithoutSortingIt) {
    CWidgetArray built;
    CWidgetArray::Set set;
    for (std::uint32_t n = 40; n >= 1; --n) {
        built.AddNoSort(widget(n, 1));
        set.insert(widget(n, 1));
    }
    const CWidgetArray& shared = built;
    ASSERT_FALSE(shared.isSorted());

    const auto problems = onThreads([&](int, std::vector<std::string>& out) {
        if (!(shared == set)) out.push_back("differs from the set");
        if (shared.findByID(idOf<CWidgetID>(40)) != 0) out.push_back("lookup by scan");
    });
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems, first: " << problems.front();
    EXPECT_FALSE(shared.isSorted()) << "a const comparison sorted the array";
    built.sort();
    EXPECT_TRUE(shared == set);
}

// A project with nested lists, copied, compared and stored by every thread at once. Storing only
// reads the object, so each thread stores the shared project into an archive of its own.
TEST(ConcurrentReaders, CopyingComparingAndStoringASharedProject) {
    CProjectDocument project;
    for (int c = 0; c < 5; ++c) {
        CCode code;
        code.setName(CProjectString(L"Code " + std::to_wstring(c)));
        for (int v = 0; v < 6; ++v) {
            CCodeValue value;
            value.setID(CCodeValueID::generated());
            value.setName(CProjectString(L"Value " + std::to_wstring(v)));
            CCodeValue child;
            child.setID(CCodeValueID::generated());
            value.insertSubCodeValue(-1, child);
            code.insertCodeValue(-1, value);
        }
        project.getCodeRoot().getArray().Add(code);
    }
    const std::vector<std::uint8_t> expected = project.save();
    const CProjectDocument& shared = project;
    const CCodeArray& codes = shared.getCodeRoot().getArray();
    const std::vector<std::uint8_t> expectedCodes = kelvara::test::store(project.getCodeRoot().getArray());

    const auto problems = onThreads([&](int, std::vector<std::string>& out) {
        const CProjectDocument copy(shared);
        if (!(copy == shared)) out.push_back("document copy differs");
        const CCode& first = codes.getConstReference(0);
        const CCode codeCopy(first);
        if (!(codeCopy == first)) out.push_back("code copy differs");
        if (first.getCodeValues().GetSize() != 6 || first.getCodeValues()[2]->getSubCodeValues().GetSize() != 1)
            out.push_back("nested lists");
        if (project.save() != expected) out.push_back("stored document differs");
        if (kelvara::test::store(project.getCodeRoot().getArray()) != expectedCodes) out.push_back("stored list differs");
    });
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems, first: " << problems.front();
}
