// The fast pass over lines that cannot matter agrees with splitting them one
// by one, whatever the line ends and wherever the tags fall.
#include "gedcom/GedcomFile.h"

#include <gtest/gtest.h>

#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

// Line ends before 'at' as the reader counts them: a LF, or a CR not
// followed by a LF.
std::int64_t EndsBefore(const std::string& text, std::size_t at) {
    std::int64_t n = 0;
    for (std::size_t i = 0; i < at; ++i)
        n += text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'));
    return n;
}

bool HoldsTag(const std::string& line) {
    std::string lower;
    for (const char c : line)
        lower += static_cast<char>(c | 0x20);
    return lower.find("date") != std::string::npos || lower.find("head") != std::string::npos;
}

// Up to maxLines lines, each one of the words or a run of x (now and then
// of several KiB when long), with every kind of line end.
std::string RandomLines(std::span<const char* const> words, std::mt19937& rng, int maxLines,
                        bool longLines) {
    const char* const ends[] = {"\n", "\r", "\r\n", "\n\r"};
    std::string text;
    const int lines = 1 + static_cast<int>(rng() % static_cast<unsigned>(maxLines));
    for (int i = 0; i < lines; ++i) {
        const std::size_t w = rng() % (2 * words.size());
        if (w < words.size())
            text += words[w];
        else
            text += std::string(rng() % (longLines && w + 1 == 2 * words.size() ? 9000 : 100), 'x');
        text += ends[rng() % 4];
    }
    return text;
}

// Every set of instructions this processor has.
std::vector<EGedcomScan> AvailableScans() {
    std::vector<EGedcomScan> scans;
    for (const EGedcomScan scan : {EGedcomScan::Portable, EGedcomScan::Sse2, EGedcomScan::Avx2,
                                   EGedcomScan::Avx512}) {
        if (GedcomScanAvailable(scan))
            scans.push_back(scan);
    }
    return scans;
}

} // namespace

TEST(GedcomSkip, StopsAtTheFirstLineThatMayMatterWithTheLinesCounted) {
    // with words that start and end as the tags do
    const char* const words[] = {"2 PLAC Dale Head",
                                 "1 NAME Jean /Hood/ Dane",
                                 "2 DaTe 1 JAN 1900",
                                 "0 @I1@ INDI",
                                 "0 head",
                                 "3 NOTE hold the data",
                                 "",
                                 "1 _UPD 2000"};
    std::mt19937 rng(7);
    for (int round = 0; round < 400; ++round) {
        const std::string text = RandomLines(words, rng, 60, false);
        // With every set of instructions, the same way.
        for (const EGedcomScan scan : AvailableScans()) {
            const CGedcomSkip skip = SkipGedcomLines(text.data(), text.size(), scan);
            ASSERT_LE(skip.nStart, text.size());
            // A line start, every line before it free of the tags.
            ASSERT_TRUE(skip.nStart == 0 || text[skip.nStart - 1] == '\n' ||
                        (text[skip.nStart - 1] == '\r' && text[skip.nStart] != '\n'))
                << round;
            EXPECT_FALSE(HoldsTag(text.substr(0, skip.nStart))) << round;
            EXPECT_EQ(skip.nLines, EndsBefore(text, skip.nStart)) << round;
            if (skip.bFound) {
                const std::size_t end = text.find_first_of("\r\n", skip.nStart);
                EXPECT_TRUE(HoldsTag(text.substr(skip.nStart, end - skip.nStart))) << round;
            }
        }
    }
}

// The scan kept going over one text while its caller splits some lines
// itself: each line it gives starts at or after where the caller is, none
// between holds a tag, and its count of line ends from the start is right.
TEST(GedcomSkip, KeepsItsPlaceWhileTheCallerSplitsLines) {
    const char* const words[] = {
        "2 DATE 1 JAN 1900", "1 NOTE Dale Hood", "0 HEAD", "3 CONC date here", "", "1 _UPD x"};
    std::mt19937 rng(13);
    for (int round = 0; round < 300; ++round) {
        const std::string text = RandomLines(words, rng, 200, true);
        for (const EGedcomScan scan : AvailableScans()) {
            CGedcomLineScanner scanner(text.data(), text.size(), scan);
            std::size_t from = 0;
            for (int step = 0; step < 400 && from < text.size(); ++step) {
                const CGedcomSkip skip = scanner.Next(from);
                if (skip.nStart == CGedcomLineScanner::kWhereYouAre) {
                    EXPECT_GT(from + 200, text.size()) << round;
                    break;
                }
                ASSERT_GE(skip.nStart, from) << round;
                ASSERT_LE(skip.nStart, text.size()) << round;
                EXPECT_FALSE(HoldsTag(text.substr(from, skip.nStart - from))) << round;
                EXPECT_EQ(skip.nLines, EndsBefore(text, skip.nStart)) << round;
                // The caller takes one to three lines itself (a long line,
                // or the last ones, it must).
                from = skip.nStart;
                for (std::size_t n = 1 + rng() % 3; n > 0 && from < text.size(); --n) {
                    from = text.find_first_of("\r\n", from);
                    if (from == std::string::npos) {
                        from = text.size();
                        break;
                    }
                    from += text.compare(from, 2, "\r\n") == 0 ? 2 : 1;
                }
            }
        }
    }
}
