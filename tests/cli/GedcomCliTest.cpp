// quindor-cli's GEDCOM commands: the check of a file, and convert reading
// and writing GEDCOM values.
#include "CliRun.h"
#include "CliCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

CRun Check(const std::string& bytes) {
    std::istringstream in(bytes);
    std::ostringstream out, err;
    const int status = CmdGedcomFile(in, "standard input", out, err);
    return {status, out.str(), err.str()};
}

TEST(GedcomCli, FileLinesAndSummary) {
    const CRun run =
        Check("0 HEAD\r\n1 CHAR ANSEL\r\n0 @I1@ INDI\r\n1 BIRT\r\n2 DATE 30 FEB 1700\r\n"
              "2 DATE BET 1700\r\n3 CONC  AND 1710\r\n2 DATE ABT 1 JAN 2000\r\n"
              "2 DATE (in\tthe\r\n3 CONT spring)\r\n2 DATE FROM 1700\r\n0 TRLR\r\n");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "5\t\t\tno-such-day\t30 FEB 1700\n"
                       "6\t2341973\t2345989\tok\tBET 1700 AND 1710\n"
                       "8\t2451545\t2451545\tok\tABT 1 JAN 2000\n"
                       "9\t\t\tphrase\t(in the spring)\n"
                       "11\t2341973\t\tok\tFROM 1700\n");
    EXPECT_EQ(
        run.err,
        "quindor-cli: 5 DATE lines: 3 ok, 2 with findings; ANSEL file, its dates read as ASCII\n");
}

TEST(GedcomCli, FileRefusalsAndUsage) {
    EXPECT_EQ(Check("").status, 1);
    const CRun notGedcom = Check("name,born\nAda,1815\n");
    EXPECT_EQ(notGedcom.status, 1);
    EXPECT_EQ(notGedcom.err,
              "quindor-cli: standard input is not a GEDCOM file: line 1 is not 0 HEAD\n");
    const CRun missing = Cli({"gedcom", "/nonexistent/tree.ged"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "quindor-cli: cannot open /nonexistent/tree.ged\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"gedcom"}, {"gedcom", "a", "b"}, {"gedcom", "--bogus"}}) {
        const CRun run = Cli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    }
}

TEST(GedcomCli, FileByName) {
    const std::string path = ::testing::TempDir() + "gedcom-cli-test.ged";
    {
        std::ofstream file(path, std::ios::binary);
        file << "\xEF\xBB\xBF"
                "0 HEAD\n1 DATE @#DHEBREW@ 14 NSN 5784\n";
    }
    const CRun run = Cli({"gedcom", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "2\t2460423\t2460423\tok\t@#DHEBREW@ 14 NSN 5784\n");
    std::remove(path.c_str());
}

TEST(GedcomCli, ConvertReadsAndWritesValues) {
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {{"convert", "--from", "gedcom", "--jd", "@#DJULIAN@ 21 JAN 1718/19"}, 0, "2348943\n"},
        {{"convert", "--from", "gedcom", "--jd", "INT 14 NSN 5784 (x)"}, 1, ""},
        {{"convert", "--from", "gedcom", "--jd", "cal hebrew 14 nsn 5784"}, 0, "2460423\n"},
        {{"convert", "--from", "gedcom", "--jd", "JAN 2000"}, 1, ""},
        {{"convert", "--from", "gedcom", "--jd", "BET 1 JAN 2000 AND 2 JAN 2000"}, 1, ""},
        {{"convert", "--from", "gedcom", "--jd", "30 FEB 2000"}, 1, ""},
        {{"convert", "--from", "gregorian", "--to", "muslim", "--gedcom", "5", "7/12/2026"},
         0,
         "INT 7 DEC 2026 (27 Jumad Al-Thani 1448)\n"},
        {{"convert", "--from", "gregorian", "--to", "muslim", "--gedcom", "7", "7/12/2026"},
         0,
         "7 DEC 2026\n"},
        {{"convert", "--from", "gregorian", "--to", "jewish", "--gedcom", "5", "14/3/2006"},
         0,
         "@#DHEBREW@ 14 ADR 5766\n"},
        {{"convert", "--from", "gregorian", "--to", "jewish", "--gedcom", "7", "14/3/2006"},
         0,
         "HEBREW 14 ADS 5766\n"},
        {{"convert", "--from", "gedcom", "--to", "republican", "--gedcom", "7", "6 DEC 1793"},
         0,
         "FRENCH_R 16 FRIM 2\n"},
        {{"convert", "--from", "gregorian", "--to", "republican", "--gedcom", "5", "1/1/1700"},
         1,
         ""},
        {{"convert", "--from", "gregorian", "--gedcom", "5", "1/1/2000"}, 2, ""},
        {{"convert", "--from", "gregorian", "--to", "julian", "--gedcom", "6", "1/1/2000"}, 2, ""},
        {{"convert", "--from", "gregorian", "--to", "julian", "--gedcom", "5", "--day", "1",
          "1/1/2000"},
         2,
         ""},
    };
    for (const auto& c : cases) {
        const CRun run = Cli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.back();
        EXPECT_EQ(run.out, c.out) << c.args.back();
        if (c.status != 0)
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.args.back();
    }
}

} // namespace
