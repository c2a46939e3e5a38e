// A list that exists only while it holds something (LAZY field-list entries): absent and empty are
// one state for the caller, for copies, equality and the archive, and no write leaves an empty
// list behind. The test kind holds a lazy list of its own kind, the hard case for declaring it.
#include <gtest/gtest.h>

#include "ArchiveTesting.h"
#include "framework/TestWidget.h"
#include "kelvara/framework/Family.h"

KELVARA_DECLARE_ID(CTwigID, CTwig)
KELVARA_FORWARD(Twig)
KELVARA_INTERFACE_ARRAY(Twig, CTwigID, false)
class CTwigArray;

template <>
struct kelvara::KindTraits<ITwig> {
    static constexpr const char* kName = "Twig";
    static constexpr const char* kFolder = "tests";
    using ID = CTwigID;
    static constexpr KindRole kRole = KindRole::Listed;
    static constexpr bool kPositional = true;
    static constexpr bool kIterable = false;
    static constexpr bool kPrimaryIterable = false;
};

#define KELVARA_FIELDS_Twig(F)              \
    F(IDENTITY, CTwigID, ID, {}, 1)         \
    F(VALUE, CProjectInt, Length, {}, 1)    \
    F(LAZY, Twig, Shoots, {}, 1)

class ITwig : public CRecord<ITwig> {
    KELVARA_INTERFACE(Twig)
    KELVARA_RECORD(ITwig, "Twig", KELVARA_FIELDS_Twig)

public:
    virtual void addShoot(const ITwig& shoot) = 0;
    virtual bool removeShoot(const CTwigID& id) = 0;
};

class CTwig : public ITwig {
    KELVARA_OBJECT(Twig)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Twig)

public:
    ~CTwig() override;
    void addShoot(const ITwig& shoot) override;
    bool removeShoot(const CTwigID& id) override;
    bool hasShootList() const { return m_Shoots != nullptr; }
};

KELVARA_KIND_FAMILY_AS(Twig, CTwigID, false)
KELVARA_DEFINE_KIND_AS(Twig, CTwigID, false)

CTwig::~CTwig() = default;
void CTwig::addShoot(const ITwig& shoot) { kelvara::detail::allocateList(m_Shoots).Add(shoot); }
bool CTwig::removeShoot(const CTwigID& id) {
    const int position = m_Shoots ? m_Shoots->findByID(id) : -1;
    if (position < 0) return false;
    m_Shoots->RemoveAt(position);
    kelvara::detail::releaseListIfEmpty(m_Shoots);
    return true;
}

namespace kelvara::test {
namespace {

CTwig twig(std::uint32_t n, int length) {
    CTwig t;
    t.setID(ftest::idOf<CTwigID>(n));
    t.setLength(CProjectInt(length));
    return t;
}

TEST(LazyList, AbsentUntilFilledAndReleasedWhenEmptied) {
    CTwig root = twig(1, 10);
    EXPECT_TRUE(root.getShoots().isNull()) << "no list until something is added";
    EXPECT_EQ(root.getShoots().GetSize(), 0);

    root.addShoot(twig(2, 5));
    root.addShoot(twig(3, 7));
    ASSERT_FALSE(root.getShoots().isNull());
    EXPECT_EQ(root.getShoots().GetSize(), 2);

    // Assigning the list to itself changes nothing; assigning an empty list releases it.
    root.setShoots(root.getShoots());
    EXPECT_EQ(root.getShoots().GetSize(), 2);
    CTwig bare = twig(9, 0);
    root.setShoots(bare.getShoots());
    EXPECT_FALSE(root.hasShootList());

    root.addShoot(twig(2, 5));
    EXPECT_TRUE(root.removeShoot(ftest::idOf<CTwigID>(2)));
    EXPECT_FALSE(root.hasShootList()) << "removing the last element releases the list";
    EXPECT_FALSE(root.removeShoot(ftest::idOf<CTwigID>(2)));
}

TEST(LazyList, CopiesCompareAndStoreTheWholeTree) {
    CTwig root = twig(1, 10);
    CTwig child = twig(2, 5);
    child.addShoot(twig(3, 1));
    root.addShoot(child);

    CTwig copy(root);
    EXPECT_TRUE(copy == root);
    (*(*copy.getShoots().getWritableReference(0)).getShoots().getWritableReference(0)).setLength(CProjectInt(2));
    EXPECT_FALSE(copy == root) << "equality reaches the grandchild";

    CTwig loaded = twig(7, 7);
    loaded.addShoot(twig(8, 8));
    load(loaded, store(root));
    EXPECT_TRUE(loaded == root);
    EXPECT_EQ(loaded.getShoots()[0]->getShoots()[0]->getLength().getValue(), 1);

    // An absent list stores as an empty one, which loads as absent, equal to the original.
    CTwig bare = twig(4, 4);
    CTwig reloaded = twig(5, 5);
    reloaded.addShoot(twig(6, 6));
    load(reloaded, store(bare));
    EXPECT_FALSE(reloaded.hasShootList());
    EXPECT_TRUE(reloaded == bare);

    // Copying a tree into a twig with a list, and an absent list over a present one.
    copy = bare;
    EXPECT_FALSE(copy.hasShootList());
    root.generateIDs();
    EXPECT_NE(root.getShoots()[0]->getShoots()[0]->getID(), ftest::idOf<CTwigID>(3)) << "identifiers renewed to the leaves";
}

TEST(LazyList, AFailedLoadLeavesTheListAsItWas) {
    CTwig root = twig(1, 10);
    root.addShoot(twig(2, 5));
    root.addShoot(twig(3, 6));
    Bytes bytes = store(root);
    bytes.resize(bytes.size() - 12);

    CTwig target = twig(1, 10);
    target.addShoot(twig(4, 4));
    CKelvaraArchive ar(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(target.Serialize(ar), CArchiveException);
    ASSERT_EQ(target.getShoots().GetSize(), 1);
    EXPECT_EQ(target.getShoots()[0]->getLength().getValue(), 4);
}

}  // namespace
}  // namespace kelvara::test
