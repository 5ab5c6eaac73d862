#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "ListTestFiles.h"
#include "daynames/DayNameLists.h"

namespace {

// The list files the build made from data/*.txt, beside the programs.
std::string Built(const char* name) {
    return std::string(QUINDOR_BUILD_DIR) + "/" + name;
}

using ShippedLists = ListsTest;

TEST_F(ShippedLists, RepublicanListHasEveryMonthDayOnce) {
    if (!std::filesystem::exists(Built("rep.qdr")))
        GTEST_SKIP() << "rep.qdr was not built";
    ASSERT_TRUE(LoadRepFeastDaysFile(Built("rep.qdr")));
    std::map<int, int> count;
    for (const CRepFeastDay* e : g_repFeastList) {
        EXPECT_FALSE(e->strName.empty()) << e->nDay << "/" << e->nMonth;
        ++count[e->nMonth * 100 + e->nDay];
    }
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 30; ++day)
            EXPECT_EQ(count[month * 100 + day], 1) << day << "/" << month;
    for (const auto& [key, n] : count) {
        const int month = key / 100;
        const int day = key % 100;
        EXPECT_TRUE(month >= 1 && month <= 13 && day >= 1 && day <= (month == 13 ? 6 : 30)) << key;
    }
}

class ShippedSaints : public ListsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ShippedSaints, EveryDayOfTheYearHasASaintAndNoEntryIsRepeated) {
    const std::string file = std::string(GetParam()) + ".qdr";
    if (!std::filesystem::exists(Built(file.c_str())))
        GTEST_SKIP() << file << " was not built";
    ASSERT_TRUE(LoadSaintsFile(Built(file.c_str()), 0));
    EXPECT_GE(g_saintList.size(), 500u);
    std::set<std::tuple<std::string, int, int>> seen;
    for (const CSaintEntry* e : g_saintList) {
        EXPECT_TRUE(seen.emplace(e->strName, e->nDay, e->nMonth).second)
            << e->strName << " " << e->nDay << "/" << e->nMonth;
    }
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<const CSaintEntry*> found;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= kDays[month - 1]; ++day) {
            FindSaints(day, month, 0, found);
            EXPECT_FALSE(found.empty()) << file << " " << day << "/" << month;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLists, ShippedSaints, ::testing::Values("sts", "sts2"));

} // namespace
