// Placing one identifier in an identifier list: both forms refuse an identifier already listed on
// every path (an unsorted list included, where a plain positional insert would list it twice),
// and -1 always means nothing was stored.
#include <gtest/gtest.h>

#include "framework/TestWidget.h"
#include "kelvara/framework/IdentifierLists.h"

namespace kelvara::test {
namespace {

using kelvara::detail::insertIdentifier;
using kelvara::detail::placeIdentifier;

CCodeValueIDArray unsortedOf(std::initializer_list<std::uint32_t> ns) {
    CCodeValueIDArray list;
    for (std::uint32_t n : ns) (void)list.AddNoSort(ftest::idOf<CCodeValueID>(n));
    return list;
}

TEST(IdentifierLists, InsertAnswersThePositionOrRefusesWhole) {
    CCodeValueIDArray list = unsortedOf({5, 1});
    EXPECT_EQ(insertIdentifier(list, ftest::idOf<CCodeValueID>(3), 1), 1);
    EXPECT_EQ(insertIdentifier(list, ftest::idOf<CCodeValueID>(7), -1), 3);
    EXPECT_EQ(insertIdentifier(list, ftest::idOf<CCodeValueID>(5), 0), -1) << "listed already";
    EXPECT_EQ(insertIdentifier(list, ftest::idOf<CCodeValueID>(5), -1), -1);
    EXPECT_EQ(insertIdentifier(list, ftest::idOf<CCodeValueID>(9), 5), -1) << "past the end";
    EXPECT_EQ(insertIdentifier(list, ftest::idOf<CCodeValueID>(9), -2), -1);
    ASSERT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list.getConstReference(0), ftest::idOf<CCodeValueID>(5));
    EXPECT_EQ(list.getConstReference(1), ftest::idOf<CCodeValueID>(3));
}

TEST(IdentifierLists, PlaceAppendsOutsideTheRangeAndNeverListsTwice) {
    CCodeValueIDArray list = unsortedOf({5, 1});
    EXPECT_EQ(placeIdentifier(list, ftest::idOf<CCodeValueID>(3), 0), 0);
    EXPECT_EQ(placeIdentifier(list, ftest::idOf<CCodeValueID>(8), 17), 3) << "an index outside appends";
    EXPECT_EQ(placeIdentifier(list, ftest::idOf<CCodeValueID>(1), 0), -1) << "listed already, at a position";
    EXPECT_EQ(placeIdentifier(list, ftest::idOf<CCodeValueID>(1), -5), -1) << "listed already, appended";
    EXPECT_EQ(list.GetSize(), 4);
}

}  // namespace
}  // namespace kelvara::test
