// The plain list sources packed for the loaders, by the core and by qdrpack.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <string>
#include <sys/wait.h>

#include "ListTestFiles.h"
#include "daynames/ListSource.h"

namespace {

TEST(PackListSource, RefusesTheFirstLineThatDoesNotFit) {
    constexpr ListKind R = ListKind::Rep, S = ListKind::Saints;
    const std::string longName(100, 'n');
    const struct {
        ListKind kind;
        std::string source;
        int line; // 0: accepted
    } cases[] = {
        // clang-format off
        {R, "0101|Raisin\n0201|Safran\n", 0}, {R, "0101|Raisin\r\n0613|Révolution", 0},
        {R, "0113|Vertu\n0613|Révolution\n", 0}, {R, "0101|Raisin\n0713|Jour\n", 2},
        {R, "0001|Raisin\n", 1}, {R, "3101|Raisin\n", 1}, {R, "0114|Raisin\n", 1},
        {R, "0100|Raisin\n", 1}, {R, "1a01|Raisin\n", 1}, {R, "101|Raisin\n", 1},
        {R, "0101Raisin\n", 1}, {R, "0101|\n", 1}, {R, "0101|Two words\n", 1}, {R, "0101|Ta\tb\n", 1},
        {R, "0101|A|B\n", 1}, {R, "0101|A/B\n", 1}, {R, "0101|A\n\n0201|B\n", 2}, {R, "0101|Ω\n", 1},
        {R, "0101|\xC3\n", 1}, {R, "0101|" + longName + "\n", 1},
        {S, "Sainte Anne|2607\nPierre|2906/3006\n", 0}, {S, "Romain|2902\nŒdilon|3112/0101", 0},
        {S, "Romain|3002\n", 1}, {S, "A|3104\n", 1}, {S, "A|0113\n", 1}, {S, "A|0100\n", 1},
        {S, "A|0101/\n", 1}, {S, "A|0101/3206\n", 1}, {S, "A|0101 \n", 1}, {S, "A|0101//0202\n", 1},
        {S, "A|010\n", 1}, {S, "A\n", 1}, {S, "|0101\n", 1}, {S, "A/B|0101\n", 1},
        {S, "A|B|0101\n", 1}, {S, "A|0101\nB|0101\n\xFF|0101\n", 3}, {S, "A|0101\nΩ|0101\n", 2},
        {S, longName + "|0101\n", 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        const CPackResult result = PackListSource(c.kind, c.source);
        EXPECT_EQ(result.bOk, c.line == 0) << c.source;
        EXPECT_EQ(result.nLine, c.line) << c.source << result.strError;
        EXPECT_EQ(result.strError.empty(), c.line == 0) << c.source;
    }
}

TEST_F(ListsTest, PackedWindows1252IsWhatTheLoadersReadBack) {
    const CPackResult rep = PackListSource(ListKind::Rep, "0101|Châtaigne\r\n0613|Révolution");
    ASSERT_TRUE(rep.bOk);
    EXPECT_EQ(UnscrambleText(rep.strStored, kRepListKey),
              "0101|Ch\xE2taigne\n0613|R\xE9volution\n");
    const CPackResult sts = PackListSource(ListKind::Saints, "Œdilon|3112/0101\n");
    ASSERT_TRUE(sts.bOk);
    ASSERT_TRUE(LoadRepFeastDaysFile(m_dir.Write("rep.qdr", rep.strStored)));
    ASSERT_TRUE(LoadSaintsFile(m_dir.Write("sts.qdr", sts.strStored), 0));
    ASSERT_NE(FindRepFeastDay(6, 13), nullptr);
    EXPECT_EQ(FindRepFeastDay(6, 13)->strName, "R\xE9volution");
    ASSERT_EQ(g_saintList.size(), 2u);
    EXPECT_EQ(g_saintList.front()->strName, "\x8C"
                                            "dilon");
    EXPECT_EQ(g_saintList.back()->nDay + g_saintList.back()->nMonth, 2);
}

// The built tool: its exit status, the backup, and nothing written on refusal.
TEST_F(ListsTest, QdrpackWritesKeepsABackupAndRefusesWithTheLine) {
    const std::string tool = std::string(QUINDOR_BUILD_DIR) + "/qdrpack";
    if (!std::filesystem::exists(tool))
        GTEST_SKIP() << "qdrpack was not built";
    const auto run = [&](const std::string& args) {
        const int status =
            std::system((tool + " " + args + " 2>" + m_dir.File("err") + " >/dev/null").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const auto read = [&](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string rep = m_dir.Write("rep.txt", "0101|Raisin\n"), qdr = m_dir.File("rep.qdr");
    ASSERT_EQ(run("rep " + rep + " " + qdr), 0);
    EXPECT_EQ(UnscrambleText(read(qdr), kRepListKey), "0101|Raisin\n");
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("rep.bak")));
    m_dir.Write("rep.txt", "0201|Safran\n");
    ASSERT_EQ(run("rep " + rep + " " + qdr), 0);
    EXPECT_EQ(UnscrambleText(read(qdr), kRepListKey), "0201|Safran\n");
    EXPECT_EQ(UnscrambleText(read(m_dir.File("rep.bak")), kRepListKey), "0101|Raisin\n");

    const std::string sts = m_dir.Write("sts.txt", "A|0101\nB|3002\n");
    const std::string old = m_dir.Write("sts.qdr", "old");
    EXPECT_EQ(run("saints " + sts + " " + old), 1);
    const std::string message = read(m_dir.File("err"));
    EXPECT_NE(message.find("sts.txt:2:"), std::string::npos) << message;
    EXPECT_EQ(run("feasts " + sts + " " + old), 2);
    EXPECT_EQ(read(old), "old");
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("sts.bak")));
    EXPECT_FALSE(std::filesystem::exists(old + ".tmp"));
}

} // namespace
