#include "daynames/DayNameLists.h"
#include "daynames/ListFile.h"
#include "daynames/Scramble.h"
#include "exchange/PasteDate.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Sanitized builds are slower: smaller, still far past every bound.
#ifdef QUINDOR_SANITIZED
constexpr std::size_t kHuge = 16u << 20;
#else
constexpr std::size_t kHuge = 100u << 20;
#endif

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class HostileLists : public ::testing::Test {
protected:
    HostileLists() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quindor-hostile-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            m_dir = pattern;
    }
    ~HostileLists() override {
        FreeDayNameLists();
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    std::string File(const char* name) const { return (m_dir / name).string(); }

    // `fill` up to `size` bytes then `tail`, written block by block.
    std::string Write(const char* name, const CListKey& key, const std::string& tail, char fill = 0,
                      std::size_t size = 0) {
        const std::string path = File(name);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        EXPECT_NE(file, nullptr);
        std::string block(kListBlockSize, fill);
        ScrambleBlock(reinterpret_cast<unsigned char*>(block.data()), block.size(), key);
        for (std::size_t written = 0; written < size; written += block.size())
            std::fwrite(block.data(), 1, block.size(), file);
        const std::string stored = ScrambleText(tail, key);
        std::fwrite(stored.data(), 1, stored.size(), file);
        std::fclose(file);
        return path;
    }

    std::filesystem::path m_dir;
};

} // namespace

TEST(HostilePaste, HugeClipboardIsRefusedForEveryRow) {
    const std::string huge = "3/6/1997" + std::string(kHuge, ' ');
    for (const CalendarRow row : kAllRows) {
        EXPECT_FALSE(ParsePastedText(row, huge).bOk) << RowIndex(row);
        EXPECT_FALSE(PastedDay(row, huge).has_value()) << RowIndex(row);
        EXPECT_FALSE(PastedDayFromUtf8(row, huge).has_value()) << RowIndex(row);
    }
    const std::string date = "3/6/1997";
    const std::string fits = date + std::string(kMaxPasteText - date.size(), ' ');
    EXPECT_TRUE(PastedDay(CalendarRow::Gregorian, fits).has_value());
    EXPECT_FALSE(PastedDay(CalendarRow::Gregorian, fits + ' ').has_value());
    const std::string cut = date + '\0' + std::string(kHuge, 'x');
    EXPECT_EQ(PastedDay(CalendarRow::Gregorian, cut), CJulianDay(2450603));
    EXPECT_EQ(PastedDayFromUtf8(CalendarRow::Gregorian, cut), CJulianDay(2450603));
    std::string late = fits + std::string(8, ' ');
    late[kMaxPasteText + 1] = '\0'; // a zero only past the bound
    EXPECT_FALSE(ParsePastedText(CalendarRow::Gregorian, late).bOk);
}

TEST_F(HostileLists, SingleLineIsDroppedInBoundedMemory) {
    for (const char* tail : {"|0101", "|0101\n"}) {
        const std::string path =
            Write("sts.qdr", kSaintsListKey, tail, 'A', kListFileMax - 2 * kListBlockSize);
        const long before = PeakKilobytes();
        EXPECT_TRUE(LoadSaintsFile(path, 0));
        const long grown = PeakKilobytes() - before;
        EXPECT_TRUE(g_saintList.empty());
        EXPECT_LT(grown, static_cast<long>(kListFileMax * 3 / 4 / 1024)) << grown << " KiB";
    }
}

TEST_F(HostileLists, OnlyPlainFilesUnderTheBoundAreRead) {
    const std::string fifo = File("fifo.qdr");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string folder = File("folder.qdr");
    std::filesystem::create_directory(folder);
    const std::string device = File("zero.qdr");
    std::filesystem::create_symlink("/dev/zero", device);
    const std::string huge = Write("sts.qdr", kSaintsListKey, "|0101\n0101|Raisin\n", 'A', kHuge);
    for (const std::string& path : {fifo, folder, device, huge}) {
        EXPECT_FALSE(LoadSaintsFile(path, 0)) << path;
        EXPECT_FALSE(LoadRepFeastDaysFile(path)) << path;
    }
    EXPECT_TRUE(g_saintList.empty());
    EXPECT_TRUE(g_repFeastList.empty());
}

TEST_F(HostileLists, EntriesOfOneFileAreBounded) {
    std::string line = "Odile|1312";
    while (line.size() + 5 < kListLineMax - 64)
        line += "/1312";
    ASSERT_GT((line.size() - 10) / 5 + 1, kListEntriesMax);
    const std::string sts = Write("sts.qdr", kSaintsListKey, line + "\nLate|0101\n");
    EXPECT_TRUE(LoadSaintsFile(sts, 0));
    EXPECT_EQ(g_saintList.size(), kListEntriesMax);
    EXPECT_TRUE(LoadSaintsFile(sts, 1));
    EXPECT_EQ(g_saintList.size(), 2 * kListEntriesMax);
    std::string lines;
    for (std::size_t i = 0; i <= kListEntriesMax; ++i)
        lines += "0101|Raisin\n";
    EXPECT_TRUE(LoadRepFeastDaysFile(Write("rep.qdr", kRepListKey, lines)));
    EXPECT_EQ(g_repFeastList.size(), kListEntriesMax);
}
