// Calendars: the fixed default content, identifier renewal that keeps every day-type reference
// pointing at a held day type, time blocks, exceptions kept one per date, sub-calendar trees and
// what loading accepts.
#include <gtest/gtest.h>

#include <memory>

#include "ArchiveTesting.h"
#include "kelvara/platform/Exceptions.h"
#include "kelvara/schedule/CCalendar.h"
#include "model3d/DeepNesting.h"

using kelvara::test::Bytes;
using kelvara::test::load;
using kelvara::test::store;

namespace {

CProjectTimeOfDaySpan span(int fromHour, int toHour) {
    return CProjectTimeOfDaySpan(CProjectTimeOfDay(fromHour, 0), CProjectTimeOfDay(toHour, 0));
}

// Midnight of a day counted from 1970-01-01.
CProjectDate day(std::int64_t dayNumber) { return CProjectDate(dayNumber * CProjectTimeOfDay::kMillisecondsPerDay); }
// 2027-01-01, a Friday.
constexpr std::int64_t kNewYear2027 = 20819;

CCalendar named(const wchar_t* name) {
    CCalendar calendar;
    calendar.setName(CProjectString(name));
    (void)calendar.generateIDs();
    return calendar;
}

// A calendar with a third day type (a half day), used by Friday and by two exceptions.
CCalendar withHalfDay() {
    CCalendar calendar = named(L"site");
    CCalendarDayType half;
    half.setDescription(CString(L"Half day"));
    (void)half.setTimeBlock(0, span(8, 12));
    EXPECT_EQ(calendar.addCalendarDayType(half), 2);
    CCalendarWeek week = calendar.getCalendarWeek();
    week.setDay(6, half.getID());
    calendar.setCalendarWeek(week);
    EXPECT_EQ(calendar.addCalendarException(CCalendarException(day(kNewYear2027), half.getID()), -1), 0);
    const CCalendarDayTypeID off = calendar.getCalendarDayTypes()[1]->getID();
    EXPECT_EQ(calendar.addCalendarException(CCalendarException(day(kNewYear2027 + 3), off), -1), 1);
    return calendar;
}

// Every week day and exception names a day type the calendar holds.
void expectReferencesHeld(const ICalendar& calendar) {
    const auto dayTypes = calendar.getCalendarDayTypes();
    for (int d = 1; d <= 7; ++d) EXPECT_GE(dayTypes.findByID(calendar.getCalendarWeek().getDay(d)), 0) << "day " << d;
    const CCalendarExceptionArray& exceptions = calendar.getCalendarDayExceptions();
    for (int i = 0; i < exceptions.GetSize(); ++i) EXPECT_GE(dayTypes.findByID(exceptions[i].getCalendarDayTypeID()), 0);
}

}  // namespace

TEST(Calendar, NewAndClearedCalendarsHoldTheFixedDefaults) {
    CCalendar calendar;
    EXPECT_EQ(calendar.getID().toString(), CString(L"1e6717b6-e37a-4046-a86e-d5dc457a2de6"));
    const auto dayTypes = calendar.getCalendarDayTypes();
    ASSERT_EQ(dayTypes.GetSize(), 2);
    EXPECT_EQ(dayTypes[0]->getID().toString(), CString(L"c7ea95b1-c2f2-7d48-86f0-17d37bbd5484"));
    EXPECT_EQ(dayTypes[0]->getDescription().getValue(), CString(L"Normal Working Day"));
    EXPECT_TRUE(dayTypes[0]->getColor() == CProjectColorRGB(0xC8D0D4ul));
    EXPECT_TRUE(dayTypes[0]->isWorkingDay());
    ASSERT_EQ(dayTypes[0]->getTimeOfDaySpanArray().GetSize(), 1);
    EXPECT_TRUE(dayTypes[0]->getTimeOfDaySpanArray()[0] == span(9, 17));
    EXPECT_EQ(dayTypes[0]->getWorkingMilliseconds(), 8 * 3600000);
    EXPECT_EQ(dayTypes[1]->getID().toString(), CString(L"6c231cb1-ae9b-9d4a-b478-20cbaaf96c45"));
    EXPECT_TRUE(dayTypes[1]->getColor() == CProjectColorRGB(0x808080ul));
    EXPECT_EQ(dayTypes[1]->getDayType().getCurrentValue(), 2);
    EXPECT_EQ(dayTypes[1]->getTimeOfDaySpanArray().GetSize(), 0);
    for (int d = 1; d <= 7; ++d)
        EXPECT_EQ(calendar.getCalendarWeek().getDay(d), d == 1 || d == 7 ? dayTypes[1]->getID() : dayTypes[0]->getID());
    EXPECT_EQ(calendar.getCalendarDayExceptions().GetSize(), 0);
    EXPECT_EQ(calendar.getSubCalendars().GetSize(), 0);

    std::unique_ptr<ICalendar> temporary(createTemporaryCalendar());
    ASSERT_TRUE(temporary);
    EXPECT_TRUE(*temporary == calendar);

    CCalendar changed = withHalfDay();
    (void)changed.addSubCalendar(named(L"sub"));
    changed.clear();
    EXPECT_TRUE(changed == calendar);
    EXPECT_EQ(changed.getSubCalendars().GetSize(), 0);
    EXPECT_EQ(changed.getCalendarDayExceptions().GetSize(), 0);
}

TEST(Calendar, RenewedIdentifiersKeepEveryReferenceAndStayFindable) {
    CCalendar calendar = withHalfDay();
    CCalendar sub = withHalfDay();
    ASSERT_EQ(calendar.addSubCalendar(sub), 0);
    (void)calendar.addSubCalendar(named(L"second"));
    const CCalendar before(calendar);

    ASSERT_TRUE(calendar.generateIDs());
    EXPECT_NE(calendar.getID(), before.getID());
    expectReferencesHeld(calendar);
    const auto dayTypes = calendar.getCalendarDayTypes();
    const auto oldDayTypes = before.getCalendarDayTypes();
    ASSERT_EQ(dayTypes.GetSize(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(dayTypes[i]->getID(), oldDayTypes[i]->getID());
        EXPECT_TRUE(dayTypes[i]->getDescription() == oldDayTypes[i]->getDescription());
        EXPECT_TRUE(dayTypes[i]->getTimeOfDaySpanArray() == oldDayTypes[i]->getTimeOfDaySpanArray());
    }
    // Friday and New Year still name the half day, the other exception the non-working day.
    EXPECT_EQ(calendar.getCalendarWeek().getDay(6), dayTypes[2]->getID());
    EXPECT_EQ(calendar.getDayTypeIDForDate(day(kNewYear2027)), dayTypes[2]->getID());
    EXPECT_EQ(calendar.getCalendarDayExceptions()[1].getCalendarDayTypeID(), dayTypes[1]->getID());

    // The sub-calendars were renewed in place and are found, removed and refused by the new ones.
    const auto subs = calendar.getSubCalendars();
    const CCalendarID renewedSub = subs[0]->getID();
    EXPECT_NE(renewedSub, sub.getID());
    expectReferencesHeld(*subs[0]);
    EXPECT_EQ(subs.findByID(renewedSub), 0);
    EXPECT_EQ(calendar.addSubCalendar(*subs[1]), -1);
    EXPECT_TRUE(calendar.removeSubCalendar(renewedSub));
    EXPECT_FALSE(calendar.removeSubCalendar(sub.getID()));
    EXPECT_EQ(calendar.getSubCalendars().GetSize(), 1);
}

TEST(Calendar, DanglingDayTypeReferenceStopsRenewalWithoutChange) {
    CCalendar calendar = withHalfDay();
    CCalendarDayTypeID stray;
    (void)stray.generate();
    (void)calendar.addCalendarException(CCalendarException(day(kNewYear2027 + 10), stray), -1);
    const CCalendar before(calendar);
    EXPECT_FALSE(calendar.generateIDs());
    EXPECT_TRUE(calendar == before);
    EXPECT_EQ(calendar.getID(), before.getID());

    // A parent renews itself and its sound sub-calendars, and says that one of them failed.
    CCalendar parent = named(L"parent");
    (void)parent.addSubCalendar(calendar);
    (void)parent.addSubCalendar(named(L"sound"));
    const CCalendarID parentBefore = parent.getID();
    const CCalendarID soundBefore = parent.getSubCalendars()[1]->getID();
    EXPECT_FALSE(parent.generateIDs());
    EXPECT_NE(parent.getID(), parentBefore);
    EXPECT_NE(parent.getSubCalendars()[1]->getID(), soundBefore);
    EXPECT_EQ(parent.getSubCalendars().findByID(before.getID()), 0);
}

TEST(Calendar, TimeBlocksAreLimitedAndValidated) {
    CCalendarDayType dayType;
    CProjectTimeOfDaySpanArray blocks;
    for (int i = 0; i < 24; ++i) blocks.Add(span(i, i + 1));
    dayType.setTimeOfDaySpanArray(blocks);
    EXPECT_EQ(dayType.getTimeOfDaySpanArray().GetSize(), 24);
    EXPECT_FALSE(dayType.setTimeBlock(24, span(1, 2)));
    blocks.Add(span(0, 1));
    dayType.setTimeOfDaySpanArray(blocks);
    EXPECT_EQ(dayType.getTimeOfDaySpanArray().GetSize(), 24);
    EXPECT_TRUE(dayType.getTimeOfDaySpanArray()[23] == span(23, 24));

    auto validated = [](std::initializer_list<CProjectTimeOfDaySpan> spans) {
        CCalendarDayType d;
        CProjectTimeOfDaySpanArray in;
        for (const auto& s : spans) in.Add(s);
        d.setTimeOfDaySpanArray(in);
        d.validateTimeBlocks();
        return d.getTimeOfDaySpanArray();
    };
    // Touching blocks join; a block inside another keeps the outer end; a gap keeps both.
    CProjectTimeOfDaySpanArray joined = validated({span(13, 17), span(8, 12), span(12, 13)});
    ASSERT_EQ(joined.GetSize(), 1);
    EXPECT_TRUE(joined[0] == span(8, 17));
    CProjectTimeOfDaySpanArray inner = validated({span(8, 17), span(10, 12), span(16, 18)});
    ASSERT_EQ(inner.GetSize(), 1);
    EXPECT_TRUE(inner[0] == span(8, 18));
    CProjectTimeOfDaySpanArray apart = validated({span(13, 17), span(7, 12)});
    ASSERT_EQ(apart.GetSize(), 2);
    EXPECT_TRUE(apart[0] == span(7, 12));
    EXPECT_EQ(apart.getTotalDuration(), 9 * 3600000);
}

TEST(Calendar, ExceptionsAreKeptOnePerDate) {
    CCalendar calendar;
    const CCalendarDayTypeID off = ICalendar::nonWorkingDayTypeID();
    EXPECT_EQ(calendar.addCalendarException(CCalendarException(day(kNewYear2027 + 5), off), -1), 0);
    EXPECT_EQ(calendar.addCalendarException(CCalendarException(day(kNewYear2027), off), 1), 1);   // index == count appends
    EXPECT_EQ(calendar.addCalendarException(CCalendarException(day(kNewYear2027 + 2), off), 0), 0);
    // A date already held is refused whichever branch is taken.
    EXPECT_EQ(calendar.addCalendarException(CCalendarException(day(kNewYear2027), off), 0), -1);
    EXPECT_EQ(calendar.addCalendarException(CCalendarException(day(kNewYear2027), off), -1), -1);
    const CCalendarExceptionArray& exceptions = calendar.getCalendarDayExceptions();
    ASSERT_EQ(exceptions.GetSize(), 3);
    EXPECT_EQ(exceptions.findByDate(day(kNewYear2027)), 2);
    EXPECT_EQ(exceptions.getOrderedIndex(0), 2);
    EXPECT_FALSE(calendar.removeCalendarDayException(3));
    EXPECT_FALSE(calendar.removeCalendarDayException(-1));
    EXPECT_TRUE(calendar.removeCalendarDayException(0));
    EXPECT_EQ(exceptions.findByDate(day(kNewYear2027)), 1);
    EXPECT_EQ(exceptions.findByDate(day(kNewYear2027 + 2)), -1);

    // The week decides other dates: 2027-01-01 is a Friday, so the 2nd a Saturday, the 4th a Monday.
    EXPECT_EQ(CCalendarWeek::dayOfWeek(day(kNewYear2027)), 6);
    EXPECT_EQ(CCalendarWeek::dayOfWeek(day(-1)), 4);
    EXPECT_EQ(calendar.getDayTypeIDForDate(day(kNewYear2027 + 1)), off);
    EXPECT_EQ(calendar.getDayTypeIDForDate(day(kNewYear2027 + 3)), ICalendar::workingDayTypeID());
    EXPECT_EQ(calendar.getDayTypeIDForDate(day(kNewYear2027 + 5)), off);
    EXPECT_EQ(calendar.getDayTypeIDForDate(CProjectDate(day(kNewYear2027).getValue() + 3600000)), off);
    // An exception stored in the afternoon governs the morning of its day too, and not the next.
    const std::int64_t monday = day(kNewYear2027 + 3).getValue();
    ASSERT_GE(calendar.addCalendarException(CCalendarException(CProjectDate(monday + 15 * 3600000), off), -1), 0);
    EXPECT_EQ(calendar.getDayTypeIDForDate(CProjectDate(monday + 8 * 3600000)), off);
    EXPECT_EQ(calendar.getDayTypeIDForDate(CProjectDate(monday + 24 * 3600000)), ICalendar::workingDayTypeID());
    EXPECT_EQ(calendar.getDayTypeIDForDate(CProjectDate(INT64_MIN)), calendar.getCalendarWeek().getDay(CCalendarWeek::dayOfWeek(CProjectDate(INT64_MIN))));
    ASSERT_TRUE(calendar.removeCalendarDayException(exceptions.findByDate(CProjectDate(monday + 15 * 3600000))));

    // Handing the calendar its own list, or a copy of it, leaves it as it was.
    const CCalendarExceptionArray before = exceptions;
    calendar.setCalendarDayExceptions(calendar.getCalendarDayExceptions());
    EXPECT_TRUE(calendar.getCalendarDayExceptions() == before);
    calendar.setCalendarDayExceptions(before);
    EXPECT_TRUE(calendar.getCalendarDayExceptions() == before);
}

TEST(Calendar, DayTypeListOperations) {
    CCalendar calendar = withHalfDay();
    const CCalendar before(calendar);
    calendar.setCalendarDayTypes(calendar.getCalendarDayTypes());
    EXPECT_TRUE(calendar == before);

    CCalendarDayType edited(static_cast<const CCalendarDayType&>(*calendar.getCalendarDayTypes()[2]));
    edited.setDescription(CString(L"Short Friday"));
    EXPECT_TRUE(calendar.editCalendarDayType(edited));
    EXPECT_EQ(calendar.getCalendarDayTypes()[2]->getDescription().getValue(), CString(L"Short Friday"));
    EXPECT_FALSE(calendar.editCalendarDayType(CCalendarDayType()));
    EXPECT_EQ(calendar.addCalendarDayType(edited), -1);

    CCalendarDayTypeArray replacement;
    (void)replacement.Add(edited);
    calendar.setCalendarDayTypes(replacement);
    EXPECT_EQ(calendar.getCalendarDayTypes().GetSize(), 1);
    EXPECT_FALSE(calendar.removeCalendarDayType(1));
    EXPECT_TRUE(calendar.removeCalendarDayType(0));
    // The week still names the removed day types; reading one gives the shared default.
    EXPECT_EQ(calendar.getCalendarWeek().getDay(6), edited.getID());
    EXPECT_FALSE(calendar.findCalendarDayType(edited.getID()).isNull());
    EXPECT_NE(calendar.findCalendarDayType(edited.getID())->getID(), edited.getID());
}

TEST(Calendar, SubCalendarTreesAttachDetachAndCopyLists) {
    CCalendar top = named(L"top");
    (void)top.addSubCalendar(named(L"a"));
    top.insertSubCalendar(named(L"b"), 5);   // out of range: nothing
    top.insertSubCalendar(named(L"b"), 0);
    ASSERT_EQ(top.getSubCalendars().GetSize(), 2);
    EXPECT_EQ(top.getSubCalendars()[0]->getName().getValue(), CString(L"b"));

    // A refused attach leaves the object the caller's.
    auto loose = std::make_unique<CCalendar>(named(L"loose"));
    EXPECT_FALSE(top.attachSubCalendar(loose->getWritableHandle(), 3));
    EXPECT_FALSE(top.attachSubCalendar(ICalendarWritableHandle(), 0));
    auto twin = std::make_unique<CCalendar>(static_cast<const CCalendar&>(*top.getSubCalendars()[0]));
    EXPECT_FALSE(top.attachSubCalendar(twin->getWritableHandle(), 0));
    EXPECT_TRUE(top.attachSubCalendar(loose->getWritableHandle(), 2));
    (void)loose.release();

    // Detach hands the subtree over; attaching a calendar under its own subtree is refused.
    const CCalendarID a = top.getSubCalendars()[1]->getID();
    ICalendarWritableHandle detached = top.detachSubCalendar(a);
    ASSERT_FALSE(detached.isNull());
    std::unique_ptr<ICalendar> owned(detached.get());
    EXPECT_TRUE(top.detachSubCalendar(a).isNull());
    ICalendarWritableHandle inner = top.getSubCalendars().getWritableReference(0);
    EXPECT_TRUE((*inner).attachSubCalendar(owned->getWritableHandle(), 0));
    (void)owned.release();
    EXPECT_FALSE((*inner).attachSubCalendar(top.getWritableHandle(), 0));

    // A list set from the calendar's own list, or from a descendant's, is copied before it goes.
    const CCalendar before(top);
    top.setSubCalendars(top.getSubCalendars());
    EXPECT_TRUE(top == before);
    top.setSubCalendars(top.getSubCalendars()[0]->getSubCalendars());
    ASSERT_EQ(top.getSubCalendars().GetSize(), 1);
    EXPECT_EQ(top.getSubCalendars()[0]->getID(), a);
}

TEST(Calendar, LoadingKeepsReferencesAndRefusesDamage) {
    // A week naming a day type the calendar does not hold loads as stored.
    CCalendar calendar = withHalfDay();
    (void)calendar.addSubCalendar(withHalfDay());
    EXPECT_TRUE(calendar.removeCalendarDayType(2));
    CCalendar loaded;
    load(loaded, store(calendar));
    EXPECT_TRUE(loaded == calendar);
    EXPECT_EQ(loaded.getCalendarDayExceptions().findByDate(day(kNewYear2027 + 3)), 1);
    // Files before the indexed array layout hold no index entries.
    CKelvaraArchive old(CKelvaraArchive::StoreAtVersion{192});
    calendar.Serialize(old);
    CCalendar loadedOld;
    load(loadedOld, old.takeBuffer(), 192);
    EXPECT_TRUE(loadedOld == calendar);

    auto exceptionRecord = [](std::int64_t dayNumber) {
        return kelvara::test::craft([&](CKelvaraArchive& ar) {
            ar.checkMarkerStart("CUniquePointerArray");
            ar << 2;
            for (int i = 0; i < 2; ++i) {
                CCalendarException(day(dayNumber), ICalendar::nonWorkingDayTypeID()).Serialize(ar);
                ar << i;
            }
            ar.checkMarkerEnd("CUniquePointerArray");
        });
    };
    // A date repeated in a damaged file: the first exception counts.
    CCalendarExceptionArray exceptions;
    load(exceptions, exceptionRecord(7));
    EXPECT_EQ(exceptions.GetSize(), 1);

    auto refused = [](auto& object, const Bytes& bytes) {
        EXPECT_THROW(load(object, bytes), CArchiveException);
    };
    CProjectTimeOfDaySpanArray blocks;
    refused(blocks, kelvara::test::craft([](CKelvaraArchive& ar) {
        ar << 25;
        for (int i = 0; i < 50; ++i) ar << 0;
    }));
    refused(blocks, kelvara::test::craft([](CKelvaraArchive& ar) { ar << 1 << 0 << CProjectTimeOfDay::kMillisecondsPerDay + 1; }));
    refused(blocks, kelvara::test::craft([](CKelvaraArchive& ar) { ar << -1; }));
}

// Each level of a tree is two nested records (the calendar and its sub-calendar list): a tree
// nests at most half as deep as the archive's record limit, and deeper ones are refused.
TEST(Calendar, TreesDeeperThanTheRecordLimitAreRefused) {
    CCalendar leaf = named(L"leaf");
    CCalendar parent = named(L"parent");
    (void)parent.addSubCalendar(leaf);
    const kelvara::test::DeepNesting nesting(store(parent), store(leaf), {"Calendar", "CUniquePointerArray"});
    CCalendar hostile;
    kelvara::test::expectRefusedAsTooDeep(hostile, nesting.nest(CKelvaraArchive::kMaxDepth / 2 + 1));

    CCalendar fits;
    load(fits, nesting.nest(60));
    int depth = 0;
    for (ICalendarHandle at = fits.getHandle(); at->getSubCalendars().GetSize() > 0; at = at->getSubCalendars()[0]) ++depth;
    EXPECT_EQ(depth, 60);
}
