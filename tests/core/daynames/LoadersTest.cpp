// Loading the list files into the process-wide lists, and looking days up.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "ListTestFiles.h"
#include "daynames/ListFile.h"

namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;

Strings Saints(std::int32_t day, std::int32_t month, std::int32_t list) {
    std::vector<const CSaintEntry*> found{nullptr}; // the old contents always go
    FindSaints(day, month, list, found);
    Strings names;
    for (const CSaintEntry* e : found)
        names.push_back(e->strName);
    return names;
}

TEST_F(ListsTest, RepDaysByDayAndMonthTheLaterLineWinning) {
    ASSERT_TRUE(LoadRepFeastDaysFile(m_dir.WriteList(
        "rep.qdr", "0101|First\r\n0613|Revolution\n0101|Second\n3012|Charrue\n", kRepListKey)));
    EXPECT_EQ(g_repFeastList.size(), 4u);
    EXPECT_EQ(g_repFeastMap.size(), 3u);
    EXPECT_EQ(g_repFeastMap.at(1306)->strName, "Revolution");
    EXPECT_EQ(FindRepFeastDay(30, 12)->strName, "Charrue");
    EXPECT_EQ(FindRepFeastDay(2, 1), nullptr);
    const CRepFeastDay* second = FindRepFeastDay(1, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->strName, "Second");
    // Deleting the earlier duplicate leaves the later one's key alone; deleting
    // the one the map points at falls back to one that remains.
    delete g_repFeastList.front();
    EXPECT_EQ(FindRepFeastDay(1, 1), second);
    new CRepFeastDay(1, 1, "Third");
    delete FindRepFeastDay(1, 1);
    EXPECT_EQ(FindRepFeastDay(1, 1), second);
    delete second;
    EXPECT_EQ(FindRepFeastDay(1, 1), nullptr);
    // An entry leaves under the key it came with, whatever its fields say now.
    auto* moved = new CRepFeastDay(5, 2, "Five");
    moved->nDay = 9;
    delete moved;
    EXPECT_EQ(g_repFeastMap.size(), 2u);
    FreeDayNameLists();
    FreeDayNameLists(); // twice is harmless
    EXPECT_TRUE(g_repFeastList.empty() && g_repFeastMap.empty());
}

TEST_F(ListsTest, SaintsInFileOrderTraditionalFirstAndByList) {
    ASSERT_TRUE(LoadSaintsFile(
        m_dir.WriteList("sts.qdr", "A|0105\n|0105\nB|0105/0205\nC|0105\n", kSaintsListKey), 0));
    ASSERT_TRUE(LoadSaintsFile(m_dir.WriteList("sts2.qdr", "P|0105\nQ|0205\n", kSaintsListKey), 1));
    Strings names;
    for (const CSaintEntry* e : g_saintList)
        names.push_back(e->strName);
    EXPECT_EQ(names, (Strings{"A", "B", "B", "C", "P", "Q"})); // a line without a name is skipped
    EXPECT_EQ(Saints(1, 5, 0), (Strings{"A", "B", "C"}));
    EXPECT_EQ(Saints(1, 5, 1), Strings{"P"});
    EXPECT_EQ(Saints(2, 5, 0), Strings{"B"});
    for (const std::int32_t list : {2, -1, 256, 257}) // only 0 and 1 name a list
        EXPECT_TRUE(Saints(1, 5, list).empty()) << list;
}

TEST_F(ListsTest, MissingFilesAddNothingAndAnEmptyOneOpens) {
    EXPECT_FALSE(LoadRepFeastDaysFile(m_dir.File("rep.qdr")));
    EXPECT_FALSE(LoadSaintsFile(m_dir.File("sts.qdr"), 0));
    std::filesystem::create_directory(m_dir.File("sts2.qdr"));
    EXPECT_FALSE(LoadSaintsFile(m_dir.File("sts2.qdr"), 1));
    EXPECT_TRUE(LoadRepFeastDaysFile(m_dir.Write("empty.qdr", "")));
    EXPECT_TRUE(g_repFeastList.empty() && g_repFeastMap.empty() && g_saintList.empty());
}

TEST_F(ListsTest, LooksInTheCurrentFolderFirstThenBesideTheProgram) {
    const auto candidates = ListFileCandidates("rep.qdr");
    ASSERT_GE(candidates.size(), 2u);
    EXPECT_EQ(candidates[0], "rep.qdr");
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    EXPECT_EQ(candidates[1], (exe.parent_path() / "rep.qdr").string());

    m_dir.WriteList("rep.qdr", "0101|Here\n", kRepListKey);
    m_dir.WriteList("sts.qdr", "Here|0101\n", kSaintsListKey);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(m_dir.m_path);
    const bool rep = LoadRepFeastDays();
    const bool sts = LoadSaints("sts", 0);
    std::filesystem::current_path(previous);
    ASSERT_TRUE(rep && sts);
    EXPECT_EQ(FindRepFeastDay(1, 1)->strName, "Here");
    EXPECT_EQ(Saints(1, 1, 0), Strings{"Here"});
}

// The list files the build made from data/*.txt, beside the programs.
std::string Built(const std::string& name) {
    return std::string(QUINDOR_BUILD_DIR) + "/" + name;
}

TEST_F(ListsTest, ShippedRepublicanListHasEveryMonthDayOnce) {
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
    for (const auto& [key, n] : count)
        EXPECT_TRUE(key / 100 >= 1 && key / 100 <= 13 && key % 100 >= 1 &&
                    key % 100 <= (key / 100 == 13 ? 6 : 30))
            << key;
}

TEST_F(ListsTest, ShippedSaintsListsHaveEveryDayAndNoEntryTwice) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (const std::string file : {"sts.qdr", "sts2.qdr"}) {
        if (!std::filesystem::exists(Built(file)))
            GTEST_SKIP() << file << " was not built";
        FreeDayNameLists();
        ASSERT_TRUE(LoadSaintsFile(Built(file), 0));
        EXPECT_GE(g_saintList.size(), 500u);
        std::set<std::tuple<std::string, int, int>> seen;
        for (const CSaintEntry* e : g_saintList)
            EXPECT_TRUE(seen.emplace(e->strName, e->nDay, e->nMonth).second)
                << e->strName << " " << e->nDay << "/" << e->nMonth;
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= kDays[month - 1]; ++day)
                EXPECT_FALSE(Saints(day, month, 0).empty()) << file << " " << day << "/" << month;
    }
}

} // namespace
