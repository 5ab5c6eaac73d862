#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "ListTestFiles.h"
#include "daynames/DayNameLists.h"
#include "daynames/ListFile.h"

namespace {

using namespace std::string_literals;

std::vector<std::string> Names(const std::vector<const CSaintEntry*>& entries) {
    std::vector<std::string> names;
    for (const CSaintEntry* e : entries)
        names.push_back(e->strName);
    return names;
}

using RepLists = ListsTest;
using SaintsLists = ListsTest;

TEST_F(RepLists, LoadsEveryLineAndLooksUpByDayAndMonth) {
    const std::string path =
        m_dir.WriteList("rep.qdr", "0101|Raisin\r\n0613|Revolution\n3012|Charrue\n", kRepListKey);
    ASSERT_TRUE(LoadRepFeastDaysFile(path));
    EXPECT_EQ(g_repFeastList.size(), 3u);
    ASSERT_NE(FindRepFeastDay(1, 1), nullptr);
    EXPECT_EQ(FindRepFeastDay(1, 1)->strName, "Raisin");
    EXPECT_EQ(g_repFeastMap.at(1306)->strName, "Revolution");
    EXPECT_EQ(FindRepFeastDay(30, 12)->strName, "Charrue");
    EXPECT_EQ(FindRepFeastDay(2, 1), nullptr);
    EXPECT_EQ(FindRepFeastDay(1, 12), nullptr);
}

TEST_F(RepLists, ALaterLineWithTheSameKeyWinsAndDeletionNeverLeavesTheMapWrong) {
    const std::string path =
        m_dir.WriteList("rep.qdr", "0101|First\n0101|Second\n0201|Other\n", kRepListKey);
    ASSERT_TRUE(LoadRepFeastDaysFile(path));
    ASSERT_EQ(g_repFeastList.size(), 3u);
    EXPECT_EQ(g_repFeastMap.size(), 2u);
    const CRepFeastDay* second = FindRepFeastDay(1, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->strName, "Second");
    CRepFeastDay* first = g_repFeastList.front();
    ASSERT_EQ(first->strName, "First");

    // Deleting the earlier duplicate must not take the later one's key.
    delete first;
    EXPECT_EQ(FindRepFeastDay(1, 1), second);
    // Deleting the entry the map points at falls back to a remaining one.
    new CRepFeastDay(1, 1, "Third");
    delete FindRepFeastDay(1, 1);
    EXPECT_EQ(FindRepFeastDay(1, 1), second);
    delete second;
    EXPECT_EQ(FindRepFeastDay(1, 1), nullptr);
    EXPECT_EQ(g_repFeastList.size(), 1u);
    EXPECT_EQ(g_repFeastMap.size(), 1u);
}

TEST_F(RepLists, UnregistersUnderItsOwnKeyEvenWhenItsFieldsChanged) {
    auto* entry = new CRepFeastDay(5, 2, "Five");
    entry->nDay = 9;
    delete entry;
    EXPECT_TRUE(g_repFeastMap.empty());
    EXPECT_TRUE(g_repFeastList.empty());
}

TEST_F(SaintsLists, TraditionalEntriesComeBeforePresentOnesInFileOrder) {
    const std::string sts =
        m_dir.WriteList("sts.qdr", "A|0105\nB|0105/0205\nC|0105\n", kSaintsListKey);
    const std::string sts2 = m_dir.WriteList("sts2.qdr", "P|0105\nQ|0205\n", kSaintsListKey);
    ASSERT_TRUE(LoadSaintsFile(sts, 0));
    ASSERT_TRUE(LoadSaintsFile(sts2, 1));
    std::vector<std::string> all;
    std::vector<int> flags;
    for (const CSaintEntry* e : g_saintList) {
        all.push_back(e->strName);
        flags.push_back(e->nList);
    }
    EXPECT_EQ(all, (std::vector<std::string>{"A", "B", "B", "C", "P", "Q"}));
    EXPECT_EQ(flags, (std::vector<int>{0, 0, 0, 0, 1, 1}));

    std::vector<const CSaintEntry*> found{nullptr};
    FindSaints(1, 5, 0, found);
    EXPECT_EQ(Names(found), (std::vector<std::string>{"A", "B", "C"}));
    FindSaints(1, 5, 1, found);
    EXPECT_EQ(Names(found), std::vector<std::string>{"P"});
    FindSaints(2, 5, 0, found);
    EXPECT_EQ(Names(found), std::vector<std::string>{"B"});
    // Only flags 0 and 1 name a list; the caller's old contents always go.
    for (const std::int32_t flag : {2, -1, 256, 257}) {
        FindSaints(1, 5, flag, found);
        EXPECT_TRUE(found.empty()) << flag;
    }
    FindSaints(3, 5, 0, found);
    EXPECT_TRUE(found.empty());
}

TEST_F(SaintsLists, ALineWithoutANameIsSkipped) {
    const std::string sts = m_dir.WriteList("sts.qdr", "|0101\nA|0101\n", kSaintsListKey);
    ASSERT_TRUE(LoadSaintsFile(sts, 0));
    ASSERT_EQ(g_saintList.size(), 1u);
    EXPECT_EQ(g_saintList.front()->strName, "A");
}

TEST_F(ListsTest, MissingFilesReturnFalseAndAddNothing) {
    EXPECT_FALSE(LoadRepFeastDaysFile(m_dir.File("rep.qdr")));
    EXPECT_FALSE(LoadSaintsFile(m_dir.File("sts.qdr"), 0));
    std::filesystem::create_directory(m_dir.File("sts2.qdr"));
    EXPECT_FALSE(LoadSaintsFile(m_dir.File("sts2.qdr"), 1));
    EXPECT_TRUE(g_repFeastList.empty());
    EXPECT_TRUE(g_repFeastMap.empty());
    EXPECT_TRUE(g_saintList.empty());
    // An empty file opens: true, nothing added.
    EXPECT_TRUE(LoadRepFeastDaysFile(m_dir.Write("empty.qdr", "")));
    EXPECT_TRUE(g_repFeastList.empty());
}

TEST_F(ListsTest, FreeEmptiesEverything) {
    m_dir.WriteList("rep.qdr", "0101|A\n0101|B\n0201|C\n", kRepListKey);
    m_dir.WriteList("sts.qdr", "A|0101/0201\n", kSaintsListKey);
    ASSERT_TRUE(LoadRepFeastDaysFile(m_dir.File("rep.qdr")));
    ASSERT_TRUE(LoadSaintsFile(m_dir.File("sts.qdr"), 0));
    FreeDayNameLists();
    EXPECT_TRUE(g_repFeastList.empty());
    EXPECT_TRUE(g_repFeastMap.empty());
    EXPECT_TRUE(g_saintList.empty());
    FreeDayNameLists(); // twice is harmless
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
    std::filesystem::current_path(m_dir.Path());
    const bool rep = LoadRepFeastDays();
    const bool sts = LoadSaints("sts", 0);
    std::filesystem::current_path(previous);
    ASSERT_TRUE(rep);
    ASSERT_TRUE(sts);
    EXPECT_EQ(FindRepFeastDay(1, 1)->strName, "Here");
    EXPECT_EQ(g_saintList.size(), 1u);
    EXPECT_EQ(g_saintList.front()->strName, "Here");
}

// Random files through the real reader and loaders: nothing crashes, and
// whatever was loaded is consistent.
TEST_F(ListsTest, RandomFilesNeverBreakTheLoaders) {
    std::mt19937 rng(4);
    const std::string alphabet = "0123456789||//\n\n\r \t-+aZ\xE9\0"s;
    for (int round = 0; round < 60; ++round) {
        const std::size_t size = rng() % 5000;
        const bool textLike = round % 2 == 1;
        const std::string plain = RandomBytes(rng, size, textLike ? alphabet : "");
        const std::string rep = m_dir.WriteList("rep.qdr", plain, kRepListKey);
        const std::string sts = m_dir.WriteList("sts.qdr", plain, kSaintsListKey);
        // And the same bytes as stored bytes, unscrambled into noise.
        const std::string raw = m_dir.Write("raw.qdr", plain);
        ASSERT_TRUE(LoadRepFeastDaysFile(rep));
        ASSERT_TRUE(LoadSaintsFile(sts, 0));
        ASSERT_TRUE(LoadRepFeastDaysFile(raw));
        ASSERT_TRUE(LoadSaintsFile(raw, 1));

        EXPECT_LE(g_repFeastMap.size(), g_repFeastList.size());
        for (const auto& [key, entry] : g_repFeastMap) {
            ASSERT_NE(std::find(g_repFeastList.begin(), g_repFeastList.end(), entry),
                      g_repFeastList.end());
            EXPECT_EQ(key, entry->nMonth * 100 + entry->nDay);
        }
        for (const CRepFeastDay* e : g_repFeastList)
            EXPECT_LE(e->strName.size(), kListNameMax);
        for (const CSaintEntry* e : g_saintList) {
            EXPECT_FALSE(e->strName.empty());
            EXPECT_LE(e->strName.size(), kListNameMax);
            EXPECT_EQ(e->strName.find('\0'), std::string::npos);
            EXPECT_GE(e->nDay, -9);
            EXPECT_LE(e->nDay, 99);
        }
        FreeDayNameLists();
    }
}

} // namespace
