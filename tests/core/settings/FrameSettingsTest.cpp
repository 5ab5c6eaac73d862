#include "settings/FrameSettings.h"
#include "settings/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Write = CMemorySettingsStore::CWrite;
using Value = CMemorySettingsStore::Value;
using Writes = std::vector<Write>;

const CScreenArea kScreens{{{-1280, 0, 1280, 1024}, {0, 0, 1920, 1080}}, 400, 24};

const Writes kFirstRun = {
    {"PaysGreg", 10},    {"DtGreg", 2299227}, {"AffBarre", 1},     {"X", -1000},
    {"Y", -1000},        {"AffCal0", 1},      {"AffCal1", 1},      {"AffCal2", 1},
    {"AffCal3", 1},      {"AffCal4", 1},      {"AffCal5", 1},      {"AffFetesRep", 1},
    {"AffSaints", 3},    {"Dessus", 0},       {"SaintsRecent", 0}, {"AffSaintsRecent", 0},
    {"FmtJour", 1},      {"FmtMois", 1},      {"FmtAnnee", 1},     {"Separateur", std::string("/")},
    {"Langue", 0},       {"FmtGedcom", 0},    {"StyleAnnee", 0},   {"FinStyle", 0},
    {"FmtAnDouble", 0},  {"AffMois", 0},      {"AffElements", 0},  {"FmtRegne", 0},
    {"FmtIndiction", 0},
};

const CFrameSettings kCustom{-1,      CJulianDay(2361222),
                             0,       -200,
                             40,      {0, 1, 0, 1, 1, 0},
                             0,       2,
                             1,       1,
                             1,       0,
                             2,       0,
                             " - ",   kLanguageFrench,
                             2,       5,
                             2293309, 1,
                             1,       1,
                             1,       2};

CMemorySettingsStore CustomStore(const Writes& over = {}) {
    CMemorySettingsStore store;
    for (const CSettingDef& def : SettingsSchema()) {
        if (def.type == ESettingType::Int32)
            store.Put(def.szName, kCustom.GetInt(*FindSetting(def.szName)));
        else
            store.Put(def.szName, kCustom.m_strSeparator);
    }
    for (const Write& write : over)
        store.Put(write.strName, write.value);
    return store;
}

TEST(FrameSettingsRead, FirstRunWritesEveryDefaultInOrder) {
    CMemorySettingsStore store;
    const CFrameSettings settings = ReadFrameSettings(store, kScreens);
    EXPECT_EQ(store.Writes(), kFirstRun);
    EXPECT_EQ(settings, CFrameSettings{});
    EXPECT_FALSE(store.IsOpen());
    EXPECT_EQ(store.OpenCount(), 1);
}

TEST(FrameSettingsRead, EachMissingOrWrongTypedValueIsRepairedAlone) {
    for (const CSettingDef& def : SettingsSchema()) {
        const bool isInt = def.type == ESettingType::Int32;
        const Value wrong = isInt ? Value(std::string("12")) : Value(std::int32_t{5});
        const Value written = isInt ? Value(def.nDefault) : Value(std::string(def.szDefault));
        for (bool erase : {true, false}) {
            SCOPED_TRACE(std::string(def.szName) + (erase ? " missing" : " wrong type"));
            CMemorySettingsStore store = CustomStore();
            erase ? store.Erase(def.szName) : store.Put(def.szName, wrong);
            CFrameSettings expected = kCustom;
            if (isInt)
                expected.SetInt(*FindSetting(def.szName), def.nDefault);
            else
                expected.m_strSeparator = def.szDefault;
            EXPECT_EQ(ReadFrameSettings(store, kScreens), expected);
            EXPECT_EQ(store.Writes(), (Writes{{def.szName, written}}));
        }
    }
}

// -1000 in either coordinate is not frozen at all.
TEST(FrameSettingsRead, FrozenPlaceOffTheScreensIsDropped) {
    const std::tuple<std::int32_t, std::int32_t, bool> cases[] = {
        {-200, 40, false},           {1521, 100, true},       {INT32_MAX, INT32_MIN, true},
        {INT32_MAX - 100, 10, true}, {-1000, 1000000, false},
    };
    for (const auto& [x, y, dropped] : cases) {
        CMemorySettingsStore store = CustomStore({{"X", x}, {"Y", y}});
        const CFrameSettings read = ReadFrameSettings(store, kScreens);
        EXPECT_EQ(std::pair(read.m_nPosX, read.m_nPosY),
                  dropped ? std::pair(kNotFrozen, kNotFrozen) : std::pair(x, y))
            << x << "," << y;
        EXPECT_EQ(store.Writes(), (dropped ? Writes{{"X", -1000}, {"Y", -1000}} : Writes{}));
    }
    CMemorySettingsStore store = CustomStore();
    EXPECT_FALSE(ReadFrameSettings(store, CScreenArea{{}, 400, 24}).IsFrozen());
}

// Each range written out apart from the schema.
TEST(FrameSettingsRead, ValuesOutsideTheirRangeReadAsTheDefault) {
    const std::tuple<const char*, std::int32_t, std::int32_t> ranges[] = {
        {"PaysGreg", -1, 28},     {"DtGreg", 2299161, 2816787},
        {"AffBarre", 0, 1},       {"AffCal0", 0, 1},
        {"AffCal1", 0, 1},        {"AffCal2", 0, 1},
        {"AffCal3", 0, 1},        {"AffCal4", 0, 1},
        {"AffCal5", 0, 1},        {"AffFetesRep", 0, 1},
        {"AffSaints", 0, 3},      {"Dessus", 0, 1},
        {"SaintsRecent", 0, 1},   {"AffSaintsRecent", 0, 1},
        {"FmtJour", 0, 1},        {"FmtMois", 0, 2},
        {"FmtAnnee", 0, 1},       {"Langue", 0, 2},
        {"FmtGedcom", 0, 2},      {"StyleAnnee", 0, 5},
        {"FinStyle", 0, 2816787}, {"FmtAnDouble", 0, 2},
        {"AffMois", 0, 1},        {"AffElements", 0, 1},
        {"FmtRegne", 0, 1},       {"FmtIndiction", 0, 3},
    };
    ASSERT_EQ(std::size(ranges) + 3, SettingsSchema().size()); // X, Y and the separator apart
    for (const auto& [name, lowest, highest] : ranges) {
        const ESetting setting = *FindSetting(name);
        const std::int32_t def = SettingDef(setting).nDefault;
        const Value values[] = {Value(lowest), Value(highest),      (lowest + highest) / 2,
                                lowest - 1,    highest + 1,         INT32_MIN,
                                INT32_MAX,     std::string("junk"), std::to_string(lowest)};
        for (std::size_t i = 0; i < std::size(values); ++i) {
            const bool kept = i < 3;
            SCOPED_TRACE(std::string(name) + " value " + std::to_string(i));
            CMemorySettingsStore store = CustomStore({{name, values[i]}});
            CFrameSettings expected = kCustom;
            expected.SetInt(setting, kept ? std::get<std::int32_t>(values[i]) : def);
            EXPECT_EQ(ReadFrameSettings(store, kScreens), expected);
            EXPECT_EQ(store.Writes(), (kept ? Writes{} : Writes{{name, def}}));
            if (const auto* n = std::get_if<std::int32_t>(&values[i]))
                EXPECT_EQ(WriteSetting(store, setting, *n), kept);
        }
    }
}

TEST(FrameSettingsRead, SeparatorLongerThanNineCharactersIsReplaced) {
    const std::tuple<std::string, std::string> cases[] = {
        {"123456789", "123456789"},
        {"1234567890", "/"},
        {std::string("a\0b", 3), "a"},
    };
    for (const auto& [stored, read] : cases) {
        CMemorySettingsStore store = CustomStore({{"Separateur", stored}});
        EXPECT_EQ(ReadFrameSettings(store, kScreens).m_strSeparator, read) << stored.size();
        EXPECT_EQ(store.Writes(),
                  (read == "/" ? Writes{{"Separateur", std::string("/")}} : Writes{}));
    }
}

TEST(FrameSettingsRead, BrokenStoreGivesDefaultsAndFailedWrites) {
    for (const bool failOpen : {true, false}) {
        SCOPED_TRACE(failOpen);
        CMemorySettingsStore store;
        failOpen ? store.SetFailOpen(true) : store.SetFailWrites(true);
        EXPECT_EQ(ReadFrameSettings(store, kScreens), CFrameSettings{});
        EXPECT_FALSE(WriteSetting(store, SET_DESSUS, 1));
        EXPECT_FALSE(WriteSetting(store, SET_SEPARATEUR, std::string_view("-")));
        EXPECT_TRUE(store.Values().empty());
        EXPECT_FALSE(store.IsOpen());
        EXPECT_EQ(store.Exists(), !failOpen);
        if (failOpen)
            EXPECT_TRUE(store.Writes().empty());
    }
}

TEST(FrameSettingsWrite, OneValueAtATime) {
    CMemorySettingsStore store = CustomStore();
    EXPECT_TRUE(WriteSetting(store, RowShownSetting(CalendarRow::Republican), 0));
    EXPECT_TRUE(WriteSetting(store, SET_X, -32));
    EXPECT_TRUE(WriteSetting(store, SET_SEPARATEUR, std::string_view(" ")));
    EXPECT_EQ(store.Writes(),
              (Writes{{"AffCal3", 0}, {"X", -32}, {"Separateur", std::string(" ")}}));
    store.Clear();
    EXPECT_TRUE(WriteSetting(store, SET_DESSUS, 1));
    EXPECT_EQ(store.Values().size(), 1u);
    store.ClearWrites();
    EXPECT_FALSE(WriteSetting(store, SET_SEPARATEUR, 5));
    EXPECT_FALSE(WriteSetting(store, SET_FMT_JOUR, std::string_view("1")));
    EXPECT_FALSE(WriteSetting(store, SET_SEPARATEUR, std::string_view("1234567890")));
    EXPECT_FALSE(WriteSetting(store, RowShownSetting(static_cast<CalendarRow>(6)), 1));
    EXPECT_FALSE(WriteSetting(store, RowShownSetting(static_cast<CalendarRow>(-1)), 1));
    EXPECT_FALSE(WriteSetting(store, SET_COUNT, 1));
    EXPECT_TRUE(store.Writes().empty());
}

TEST(FrameSettingsWrite, EveryMemberSurvivesARestart) {
    CMemorySettingsStore store;
    ReadFrameSettings(store, kScreens);
    for (int i = 0; i < SET_COUNT; ++i)
        EXPECT_TRUE(WriteSetting(store, kCustom, static_cast<ESetting>(i))) << i;
    EXPECT_EQ(ReadFrameSettings(store, kScreens), kCustom);
}

} // namespace
