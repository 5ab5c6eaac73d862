#include "saints/SaintsDialogModel.h"

#include "daynames/DayNameLists.h"
#include "saints/SaintSearch.h"
#include "settings/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Names = std::vector<std::string>;

const std::string kElisabeth = "\xC9lisabeth"; // Élisabeth

class SaintsDialogModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        TearDown();
        // clang-format off
        const std::tuple<const char*, int, int, int> entries[] = {
            {"Pierre", 29, 6, 0}, {"Paul", 29, 6, 0}, {"Jean", 24, 6, 0}, {"Jean", 27, 12, 0},
            {"\xC9lisabeth", 17, 11, 0}, {"agathe", 5, 2, 0}, {"Marie", 15, 8, 0}, {"Jean", 6, 5, 0},
            {"Romain", 29, 2, 0}, {"Zo\xE9", 2, 5, 1}, {"Jean", 26, 8, 1}, {"Pierre", 29, 6, 1}};
        // clang-format on
        for (const auto& [name, day, month, list] : entries)
            new CSaintEntry(name, day, month, static_cast<std::uint8_t>(list));
    }
    void TearDown() override {
        FreeDayNameLists();
        ClearSaintSearchCache();
        CSaintsDialogModel::ResetTypedLength();
    }

    static Names Lines(const CSaintsDialogModel& dlg) {
        Names lines;
        for (const auto& line : dlg.GetResults())
            lines.push_back(line.strLine);
        return lines;
    }
};

const Names kTraditionalNames = {"agathe", kElisabeth, "Jean",   "Jean",
                                 "Marie",  "Paul",     "Pierre", "Romain"};
const Names kPresentNames = {"Jean", "Pierre", "Zo\xE9"};

TEST_F(SaintsDialogModelTest, OpensOnTheStoredList) {
    // Any non-zero stored value means the present list.
    const struct {
        std::int32_t stored;
        std::int32_t list;
        const Names& names;
    } cases[] = {{0, 0, kTraditionalNames}, {1, 1, kPresentNames}, {-1, 1, kPresentNames}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        const CSaintsDialogModel dlg(c.stored);
        EXPECT_EQ(dlg.GetList(), c.list);
        EXPECT_EQ(dlg.GetNames(), c.names);
        EXPECT_TRUE(dlg.GetResults().empty());
    }
    FreeDayNameLists(); // no list loaded: nothing found
    CSaintsDialogModel dlg(0);
    EXPECT_TRUE(dlg.GetNames().empty());
    dlg.SetName("Jean");
    dlg.OnSearch();
    EXPECT_TRUE(dlg.GetResults().empty());
}

// Only neighbours merge: the third "Jean" further down stays a second item.
// The current text selects its item and stays the text even when absent.
TEST_F(SaintsDialogModelTest, FillNameListMergesNeighboursAndSelects) {
    CSaintsDialogModel dlg(0);
    const std::uint64_t revision = dlg.GetNamesRevision();
    const struct {
        std::int32_t list;
        const char* current;
        int selection;
    } cases[] = {{0, "Marie", 4}, {0, "Jean", 2}, {0, "marie", -1}, {1, "Zo\xE9", 2}, {1, "", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        dlg.FillNameList(c.list, c.current);
        EXPECT_EQ(dlg.GetNames(), c.list == 0 ? kTraditionalNames : kPresentNames);
        EXPECT_EQ(dlg.GetNameSelection(), c.selection);
        EXPECT_EQ(dlg.GetName(), c.current);
    }
    EXPECT_EQ(dlg.GetNamesRevision(), revision + std::size(cases));
    EXPECT_EQ(dlg.GetSearchCount(), 0u);
}

// Case and accents only break ties: a total order consistent with equality.
TEST(SaintNameOrder, CaseAndAccentsComeLast) {
    const Names shuffled = {"jeanne",       "Zo\xE9",        "\xC0gathe", "Jean-Paul", "agathe",
                            "\xC9lisabeth", "Jean Baptiste", "Agathe",    "Jean"};
    const Names expected = {"Agathe",        "agathe",    "\xC0gathe", "\xC9lisabeth", "Jean",
                            "Jean Baptiste", "Jean-Paul", "jeanne",    "Zo\xE9"};
    Names names = shuffled;
    std::sort(names.begin(), names.end(), SaintNameLess);
    EXPECT_EQ(names, expected);
    for (const auto& a : expected)
        for (const auto& b : expected)
            EXPECT_EQ(!SaintNameLess(a, b) && !SaintNameLess(b, a), a == b) << a << " " << b;

    EXPECT_FALSE(SaintNameStartsWith("Jean", "Jeann"));
    EXPECT_FALSE(SaintNameStartsWith("\xC9lisabeth", "eli")); // accents count in prefixes
}

TEST_F(SaintsDialogModelTest, WhenItSearches) {
    CSaintsDialogModel dlg(0);
    const Names jean = {"Jean : May 6th", "Jean : June 24th", "Jean : December 27th"};
    const struct {
        const char* step;
        const char* typed; // set before the step; null: left as it is
        int index;         // for "pick"
        std::uint64_t searches;
        const char* name;
    } steps[] = {
        {"pick", nullptr, 2, 1, "Jean"},     {"pick", nullptr, 2, 1, "Jean"},
        {"pick", nullptr, 3, 1, "Jean"},     {"leave", nullptr, 0, 1, "Jean"},
        {"search", nullptr, 0, 2, "Jean"},   {"search", nullptr, 0, 3, "Jean"},
        {"leave", "Pierre", 0, 4, "Pierre"}, {"leave", nullptr, 0, 4, "Pierre"},
        {"pick", nullptr, -1, 4, "Pierre"},  {"pick", "Paul", -1, 5, "Paul"},
        {"pick", nullptr, 99, 5, "Paul"},    {"leave", "", 0, 6, ""},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(std::string(s.step) + " " + std::to_string(s.searches));
        if (s.typed)
            dlg.SetName(s.typed);
        if (std::string(s.step) == "pick")
            dlg.OnNamePicked(s.index);
        else if (std::string(s.step) == "leave")
            dlg.OnNameKillFocus();
        else
            dlg.OnSearch();
        EXPECT_EQ(dlg.GetSearchCount(), s.searches);
        EXPECT_EQ(dlg.GetName(), s.name);
        EXPECT_EQ(dlg.GetLastSearched(), s.name);
        if (s.searches <= 3) {
            EXPECT_EQ(Lines(dlg), jean);
        }
    }
    EXPECT_TRUE(dlg.GetResults().empty());
}

TEST_F(SaintsDialogModelTest, ResultsSelectTheFirstLineAndCarryTheirDay) {
    CSaintsDialogModel dlg(0);
    dlg.SetName("jean"); // the search ignores case
    dlg.OnSearch();
    EXPECT_EQ(dlg.GetResultSelection(), 0);
    const struct {
        int selection;
        std::optional<CSaintDayMonth> day;
    } cases[] = {{0, CSaintDayMonth{6, 5}},
                 {2, CSaintDayMonth{27, 12}},
                 {-1, std::nullopt},
                 {99, std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selection);
        dlg.SetResultSelection(c.selection);
        EXPECT_EQ(dlg.GetSelectedDay(), c.day);
    }
    // The lines keep their day once the lists are gone.
    dlg.SetResultSelection(1);
    FreeDayNameLists();
    EXPECT_EQ(dlg.GetSelectedDay(), (CSaintDayMonth{24, 6}));
}

TEST_F(SaintsDialogModelTest, SwitchingLists) {
    // Without a name: the names change, nothing is searched.
    CSaintsDialogModel dlg(0);
    dlg.OnListClicked(1);
    EXPECT_EQ(dlg.GetNames(), kPresentNames);
    EXPECT_EQ(dlg.GetSearchCount(), 0u);

    // With a name: the new list is searched at once and the typed text stays.
    dlg.OnListClicked(0);
    dlg.SetName("Jean");
    dlg.OnSearch();
    ASSERT_EQ(dlg.GetResults().size(), 3u);
    dlg.OnListClicked(1);
    EXPECT_EQ(dlg.GetSearchCount(), 2u);
    EXPECT_EQ(Lines(dlg), Names{"Jean : August 26th"});
    EXPECT_EQ(dlg.GetName(), "Jean");
    EXPECT_EQ(dlg.GetNameSelection(), 0);

    // Emptied name: the other list's lines go, so no display button can
    // show a day of the list no longer chosen.
    dlg.SetName("Pierre");
    dlg.OnSearch();
    ASSERT_FALSE(dlg.GetResults().empty());
    dlg.SetName("");
    dlg.OnListClicked(1);
    EXPECT_TRUE(dlg.GetResults().empty());
}

// Typing completes to the first name in box order; deleting never does.
TEST_F(SaintsDialogModelTest, TypeAhead) {
    CSaintsDialogModel dlg(0);
    const struct {
        const char* text; // the box's text after the keystroke
        const char* shown;
        CTextSelection selection;
    } steps[] = {
        {"J", "Jean", {1, 4}},
        {"Je", "Jean", {2, 4}}, // "e" typed over the selected tail
        {"Je", "Je", {2, 2}},   // Backspace takes the selection away
        {"", "", {0, 0}},
        {"p", "Paul", {1, 4}}, // case does not matter; Paul sorts before Pierre
        {"Pi", "Pierre", {2, 6}},
        {"Piz", "Piz", {3, 3}}, // no such name: left as typed
        {"", "", {0, 0}},
        {"\xE9", "\xC9lisabeth", {1, 9}}, // é finds É
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.text);
        dlg.SetName(s.text);
        EXPECT_EQ(dlg.OnNameEdited(), s.selection);
        EXPECT_EQ(dlg.GetName(), s.shown);
        EXPECT_EQ(CSaintsDialogModel::GetTypedLength(), static_cast<int>(std::strlen(s.text)));
    }
    EXPECT_EQ(dlg.GetSearchCount(), 0u); // typing alone never searches
}

TEST_F(SaintsDialogModelTest, TypedLengthIsKeptAcrossOpenings) {
    {
        CSaintsDialogModel first(0);
        first.SetName("Mar");
        first.OnNameEdited();
        EXPECT_EQ(first.GetName(), "Marie");
    }
    EXPECT_EQ(CSaintsDialogModel::GetTypedLength(), 3);
    // The first keystroke of the new opening is not longer than that, so
    // it does not complete; the next one does.
    CSaintsDialogModel second(0);
    second.SetName("R");
    second.OnNameEdited();
    EXPECT_EQ(second.GetName(), "R");
    second.SetName("Ro");
    second.OnNameEdited();
    EXPECT_EQ(second.GetName(), "Romain");
}

TEST_F(SaintsDialogModelTest, ListChoiceIsStoredAtOnce) {
    CFrameSettings settings;
    CMemorySettingsStore store;
    EXPECT_TRUE(StoreSaintsDlgList(settings, store, 1));
    EXPECT_EQ(std::get<std::int32_t>(store.Values().at("SaintsRecent")), 1);
    // A store that cannot be written keeps the choice for the run.
    store.SetFailWrites(true);
    EXPECT_FALSE(StoreSaintsDlgList(settings, store, 0));
    EXPECT_EQ(settings.m_nSaintsDlgList, 0);
    EXPECT_EQ(std::get<std::int32_t>(store.Values().at("SaintsRecent")), 1);
}

} // namespace
