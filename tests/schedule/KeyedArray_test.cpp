// The keyed owning arrays (a rule's rates by effective date, a group assignment's parameters by
// resource): one element per key whichever way it arrives, lookups that stay right after every
// change of element order and after loading, and loaders that refuse hostile counts cleanly.
#include <gtest/gtest.h>

#include <memory>

#include "ArchiveTesting.h"
#include "kelvara/base/CAssignedResourceParameters.h"
#include "kelvara/base/CRuleRate.h"
#include "kelvara/platform/Exceptions.h"

namespace kelvara::test {
namespace {

constexpr std::int64_t kDay = 86400000;

CRuleRate rateOn(int day, double rate) { return CRuleRate(CProjectDate(day * kDay), rate, rate * 8); }

// Every element is found at its own position by its key.
template <class Array, class KeyOf>
void expectAllFindable(const Array& array, KeyOf keyOf) {
    for (int p = 0; p < array.GetSize(); ++p)
        EXPECT_EQ(array.findByID(keyOf(array.getConstReference(p))), p) << "element " << p;
}

const auto dateOf = [](const CRuleRate& r) { return r.getEffectiveDate(); };

TEST(KeyedArray, OneElementPerKeyWhicheverOperationInserts) {
    CRuleRateArray rates;
    EXPECT_EQ(rates.Add(rateOn(30, 50.0)), 0);
    EXPECT_EQ(rates.Add(rateOn(10, 40.0)), 1);
    EXPECT_EQ(rates.Add(rateOn(30, 99.0)), -1) << "a second rate for a date";
    EXPECT_EQ(rates.GetSize(), 2);
    EXPECT_EQ(rates.getConstReference(0).getRate().getValue(), 50.0) << "the refused add changed the stored rate";

    rates.InsertAt(0, rateOn(10, 1.0));
    rates.InsertAt(5, rateOn(99, 1.0));
    EXPECT_EQ(rates.GetSize(), 2) << "InsertAt takes neither a present date nor a position beyond the count";

    auto* repeated = new CRuleRate(rateOn(10, 7.0));
    rates.Attach(0, repeated);
    ASSERT_EQ(rates.GetSize(), 2) << "Attach must refuse a present date too";
    delete repeated;  // refused: still ours

    rates.InsertAt(1, rateOn(20, 45.0));
    rates.Attach(0, new CRuleRate(rateOn(5, 30.0)));
    ASSERT_EQ(rates.GetSize(), 4);
    EXPECT_EQ(rates.getConstReference(0).getEffectiveDate(), CProjectDate(5 * kDay));
    EXPECT_EQ(rates.getConstReference(2).getEffectiveDate(), CProjectDate(20 * kDay));
    expectAllFindable(rates, dateOf);
    EXPECT_EQ(rates.Add(rateOn(5, 1.0)), -1) << "an attached rate's date is known to the index";
    EXPECT_EQ(rates.getOrderedIndex(0), 0);
    EXPECT_EQ(rates.getOrderedIndex(3), 1) << "the latest date is the rate added first";
}

TEST(KeyedArray, LookupsFollowDetachMovesAndCopies) {
    CRuleRateArray rates;
    for (int day : {40, 10, 30, 20}) rates.Add(rateOn(day, day));
    std::unique_ptr<CRuleRate> taken(rates.Detach(1));
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->getEffectiveDate(), CProjectDate(10 * kDay));
    EXPECT_EQ(rates.findByID(CProjectDate(10 * kDay)), -1);
    expectAllFindable(rates, dateOf);
    EXPECT_EQ(rates.Detach(3), nullptr);

    ASSERT_TRUE(rates.changePosition(0, 2));
    EXPECT_EQ(rates.getConstReference(0).getEffectiveDate(), CProjectDate(20 * kDay));
    expectAllFindable(rates, dateOf);
    EXPECT_FALSE(rates.changePosition(0, 3));

    EXPECT_TRUE(rates.changeElement(rateOn(30, 31.0)));
    EXPECT_EQ(rates.getConstReference(rates.findByID(CProjectDate(30 * kDay))).getRate().getValue(), 31.0);
    EXPECT_FALSE(rates.changeElement(rateOn(11, 1.0)));

    const CRuleRateArray before = rates;
    rates.Copy(rates);
    rates.InsertAt(0, rates);
    rates.Append(rates);
    EXPECT_TRUE(rates == before) << "copying or inserting an array into itself adds only what it lacks: nothing";

    rates.SetSize(10);
    EXPECT_EQ(rates.GetSize(), 3) << "growing would add rates sharing one date";
    rates.SetSize(1);
    EXPECT_EQ(rates.GetSize(), 1);
    expectAllFindable(rates, dateOf);
    EXPECT_EQ(rates.getConstReference(7).getEffectiveDate(), CProjectDate()) << "out of range answers the default";
}

TEST(KeyedArray, LoadingKeepsElementOrderAndRebuildsTheKeyIndex) {
    CRuleRateArray rates;
    for (int day : {30, 10, 20}) rates.Add(rateOn(day, day));
    const Bytes bytes = store(rates);
    CRuleRateArray loaded;
    loaded.Add(rateOn(99, 1.0));
    load(loaded, bytes);
    ASSERT_TRUE(loaded == rates);
    EXPECT_EQ(loaded.getConstReference(0).getEffectiveDate(), CProjectDate(30 * kDay)) << "insertion order, not date order";
    expectAllFindable(loaded, dateOf);
    EXPECT_EQ(loaded.Add(rateOn(10, 2.0)), -1) << "duplicate refusal works after a load";

    // A damaged file that repeats a date: the first rate stays, the others are dropped.
    const Bytes damaged = craft([](CKelvaraArchive& ar) {
        ar.checkMarkerStart("CUniquePointerArray");
        ar << 3;
        for (double rate : {1.0, 2.0, 3.0}) {
            CRuleRate r = rateOn(rate == 2.0 ? 5 : 1, rate);
            r.Serialize(ar);
        }
        ar.checkMarkerEnd("CUniquePointerArray");
    });
    load(loaded, damaged);
    ASSERT_EQ(loaded.GetSize(), 2);
    EXPECT_EQ(loaded.getConstReference(0).getRate().getValue(), 1.0);
    EXPECT_EQ(loaded.getConstReference(1).getRate().getValue(), 2.0);
}

TEST(KeyedArray, HostileCountsAbortAndLeaveTheArrayEmpty) {
    for (int count : {-1, 1000000, 2}) {
        SCOPED_TRACE(count);
        const Bytes bytes = craft([count](CKelvaraArchive& ar) {
            ar.checkMarkerStart("CUniquePointerArray");
            ar << count;
            CRuleRate r = rateOn(1, 1.0);
            r.Serialize(ar);  // one element whatever the count says
            ar.checkMarkerEnd("CUniquePointerArray");
        });
        CRuleRateArray rates;
        rates.Add(rateOn(3, 3.0));
        CKelvaraArchive ar(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        EXPECT_THROW(rates.Serialize(ar), CArchiveException);
        EXPECT_EQ(rates.GetSize(), 0) << "a failed load leaves the array empty, never half-filled";
    }
}

TEST(KeyedArray, ParametersAreKeyedByResource) {
    const CResourceID crane = CResourceID::generated(), crew = CResourceID::generated();
    CAssignedResourceParametersArray parameters;
    EXPECT_EQ(parameters.Add(CAssignedResourceParameters(crane, 1.0, 8.0)), 0);
    EXPECT_EQ(parameters.Add(CAssignedResourceParameters(crane, 2.0, 8.0)), -1) << "a second record for one resource";
    EXPECT_EQ(parameters.Add(CAssignedResourceParameters(crew, 6.0, 8.0)), 1);
    CAssignedResourceParametersArray loaded;
    load(loaded, store(parameters));
    EXPECT_TRUE(loaded == parameters);
    EXPECT_EQ(loaded.findByID(crew), 1);
}

}  // namespace
}  // namespace kelvara::test
