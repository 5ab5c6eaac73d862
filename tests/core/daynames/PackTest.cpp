#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

#include "ListTestFiles.h"
#include "daynames/DayNameLists.h"
#include "daynames/ListSource.h"
#include "daynames/Scramble.h"

namespace {

TEST(PackListSource, RefusesTheFirstLineThatDoesNotFit) {
    struct Case {
        ListKind kind;
        std::string source;
        int line; // 0: accepted
    };
    const std::string longName(100, 'n');
    const Case cases[] = {
        {ListKind::Rep, "0101|Raisin\n0201|Safran\n", 0},
        {ListKind::Rep, "0101|Raisin\r\n0613|Révolution", 0},
        {ListKind::Rep, "0113|Vertu\n0613|Révolution\n", 0},
        {ListKind::Rep, "0101|Raisin\n0713|Jour\n", 2},
        {ListKind::Rep, "0001|Raisin\n", 1},
        {ListKind::Rep, "3101|Raisin\n", 1},
        {ListKind::Rep, "0114|Raisin\n", 1},
        {ListKind::Rep, "0100|Raisin\n", 1},
        {ListKind::Rep, "1a01|Raisin\n", 1},
        {ListKind::Rep, "101|Raisin\n", 1},
        {ListKind::Rep, "0101Raisin\n", 1},
        {ListKind::Rep, "0101|\n", 1},
        {ListKind::Rep, "0101|Two words\n", 1},
        {ListKind::Rep, "0101|Ta\tb\n", 1},
        {ListKind::Rep, "0101|A|B\n", 1},
        {ListKind::Rep, "0101|A/B\n", 1},
        {ListKind::Rep, "0101|A\n\n0201|B\n", 2},
        {ListKind::Rep, "0101|Ω\n", 1},
        {ListKind::Rep, "0101|\xC3\n", 1},
        {ListKind::Rep, "0101|" + longName + "\n", 1},
        {ListKind::Saints, "Sainte Anne|2607\nPierre|2906/3006\n", 0},
        {ListKind::Saints, "Romain|2902\nŒdilon|3112/0101", 0},
        {ListKind::Saints, "Romain|3002\n", 1},
        {ListKind::Saints, "A|3104\n", 1},
        {ListKind::Saints, "A|0113\n", 1},
        {ListKind::Saints, "A|0100\n", 1},
        {ListKind::Saints, "A|0101/\n", 1},
        {ListKind::Saints, "A|0101/3206\n", 1},
        {ListKind::Saints, "A|0101 \n", 1},
        {ListKind::Saints, "A|0101//0202\n", 1},
        {ListKind::Saints, "A|010\n", 1},
        {ListKind::Saints, "A\n", 1},
        {ListKind::Saints, "|0101\n", 1},
        {ListKind::Saints, "A/B|0101\n", 1},
        {ListKind::Saints, "A|B|0101\n", 1},
        {ListKind::Saints, "A|0101\nB|0101\n\xFF|0101\n", 3},
        {ListKind::Saints, "A|0101\nΩ|0101\n", 2},
        {ListKind::Saints, longName + "|0101\n", 1},
    };
    for (const Case& c : cases) {
        const CPackResult result = PackListSource(c.kind, c.source);
        EXPECT_EQ(result.bOk, c.line == 0) << c.source;
        EXPECT_EQ(result.nLine, c.line) << c.source << result.strError;
        if (c.line != 0) {
            EXPECT_FALSE(result.strError.empty());
            EXPECT_TRUE(result.strStored.empty());
        }
    }
}

TEST(PackListSource, StoresWindows1252ThatTheLoaderReadsBack) {
    CTempDir dir;
    const CPackResult rep = PackListSource(ListKind::Rep, "0101|Châtaigne\r\n0613|Révolution");
    ASSERT_TRUE(rep.bOk);
    EXPECT_EQ(UnscrambleText(rep.strStored, kRepListKey),
              "0101|Ch\xE2taigne\n0613|R\xE9volution\n");
    const CPackResult sts = PackListSource(ListKind::Saints, "Œdilon|3112/0101\n");
    ASSERT_TRUE(sts.bOk);

    FreeDayNameLists();
    ASSERT_TRUE(LoadRepFeastDaysFile(dir.Write("rep.qdr", rep.strStored)));
    ASSERT_TRUE(LoadSaintsFile(dir.Write("sts.qdr", sts.strStored), 0));
    ASSERT_NE(FindRepFeastDay(6, 13), nullptr);
    EXPECT_EQ(FindRepFeastDay(6, 13)->strName, "R\xE9volution");
    ASSERT_EQ(g_saintList.size(), 2u);
    EXPECT_EQ(g_saintList.front()->strName, "\x8C"
                                            "dilon");
    EXPECT_EQ(g_saintList.back()->nDay, 1);
    EXPECT_EQ(g_saintList.back()->nMonth, 1);
    FreeDayNameLists();
}

// The built tool itself: exit status, backup and nothing written on refusal.
class QdrpackTool : public ::testing::Test {
protected:
    void SetUp() override {
        m_tool = std::string(QUINDOR_BUILD_DIR) + "/qdrpack";
        if (!std::filesystem::exists(m_tool))
            GTEST_SKIP() << "qdrpack was not built";
    }
    int Run(const std::string& args) {
        const std::string command =
            m_tool + " " + args + " 2>" + m_dir.File("stderr.txt") + " >/dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string m_tool;
    CTempDir m_dir;
};

TEST_F(QdrpackTool, WritesTheStoredFileAndKeepsThePreviousOneAsBak) {
    const std::string source = m_dir.Write("rep.txt", "0101|Raisin\n");
    const std::string output = m_dir.File("rep.qdr");
    ASSERT_EQ(Run("rep " + source + " " + output), 0);
    EXPECT_EQ(UnscrambleText(Read(output), kRepListKey), "0101|Raisin\n");
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("rep.bak")));

    m_dir.Write("rep.txt", "0201|Safran\n");
    ASSERT_EQ(Run("rep " + source + " " + output), 0);
    EXPECT_EQ(UnscrambleText(Read(output), kRepListKey), "0201|Safran\n");
    EXPECT_EQ(UnscrambleText(Read(m_dir.File("rep.bak")), kRepListKey), "0101|Raisin\n");
}

TEST_F(QdrpackTool, RefusesWithTheLineNumberAndWritesNothing) {
    const std::string source = m_dir.Write("sts.txt", "A|0101\nB|3002\n");
    const std::string output = m_dir.Write("sts.qdr", "old");
    EXPECT_EQ(Run("saints " + source + " " + output), 1);
    const std::string message = Read(m_dir.File("stderr.txt"));
    EXPECT_NE(message.find("sts.txt:2:"), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
    EXPECT_EQ(Read(output), "old");
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("sts.bak")));
    EXPECT_FALSE(std::filesystem::exists(output + ".tmp"));

    EXPECT_EQ(Run("saints " + m_dir.File("missing.txt") + " " + output), 1);
    EXPECT_EQ(Run("feasts " + source + " " + output), 2);
    EXPECT_EQ(Run("rep " + source), 2);
    EXPECT_EQ(Read(output), "old");
}

} // namespace
