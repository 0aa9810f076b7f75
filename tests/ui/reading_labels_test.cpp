// The words the main window shows for the meaning of a reading, and the list entries.

#include "ui/reading_labels.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

TEST(ReadingLabelsTest, ElementNamesAndMarks) {
    const std::pair<Element, const char*> names[] = {{Element::Metal, "Metal"},
                                                     {Element::Wood, "Wood"},
                                                     {Element::Water, "Water"},
                                                     {Element::Fire, "Fire"},
                                                     {Element::Earth, "Earth"}};
    for (const auto& [element, name] : names) {
        EXPECT_EQ(ElementName(element), name);
    }
    // The body in parentheses whatever its relation; the others between their signs.
    EXPECT_EQ(ElementMarkText({Element::Metal, true, Relation::SameElement}), "(Metal)");
    EXPECT_EQ(ElementMarkText({Element::Metal, false, Relation::SameElement}), "+Metal+");
    EXPECT_EQ(ElementMarkText({Element::Wood, false, Relation::BodyControlsUse}), "+Wood+");
    EXPECT_EQ(ElementMarkText({Element::Earth, false, Relation::UseFeedsBody}), "+Earth+");
    EXPECT_EQ(ElementMarkText({Element::Fire, false, Relation::UseControlsBody}), "-Fire-");
    EXPECT_EQ(ElementMarkText({Element::Water, false, Relation::BodyFeedsUse}), "-Water-");
    EXPECT_EQ(RoleText(true), "Body");
    EXPECT_EQ(RoleText(false), "Use");
    EXPECT_EQ(NumberText(64), "64");
}

TEST(ReadingLabelsTest, ListEntriesCountsAndOrder) {
    const auto years = YearEntries();
    ASSERT_EQ(years.size(), 102U);
    EXPECT_EQ(years.front(), "1998");
    EXPECT_EQ(years[6], "2004");
    EXPECT_EQ(years.back(), "2099");

    const auto days = DayEntries();
    ASSERT_EQ(days.size(), 31U);
    EXPECT_EQ(days.front(), "1");
    EXPECT_EQ(days[8], "9");
    EXPECT_EQ(days.back(), "31");

    const auto months = MonthEntries();
    ASSERT_EQ(months.size(), 12U);
    EXPECT_EQ(months.front(), "Jan");
    EXPECT_EQ(months.back(), "Dec");

    const auto periods = PeriodEntries();
    ASSERT_EQ(periods.size(), 12U);
    EXPECT_EQ(periods[0], "11PM - 1AM");
    EXPECT_EQ(periods[6], "11AM - 1PM");
    EXPECT_EQ(periods[7], "1PM - 3-PM");
    EXPECT_EQ(periods[8], "3PM - 5PM");
    EXPECT_EQ(periods[11], "9PM - 11PM");
}

TEST(ReadingLabelsTest, ElementOutsideItsTableStopsADebugBuild) {
#ifdef NDEBUG
    GTEST_SKIP() << "the ranges are checked in debug builds";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(ElementName(static_cast<Element>(5)), "outside its table");
#endif
}

} // namespace
} // namespace zandrel
