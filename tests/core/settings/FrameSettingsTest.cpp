#include "settings/FrameSettings.h"
#include "settings/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <climits>
#include <iterator>

#include <string>
#include <vector>

namespace {

using Write = CMemorySettingsStore::CWrite;
using Value = CMemorySettingsStore::Value;

// A full-HD screen with a smaller one to its left; the title bar of a frozen
// window is 400 by 24 pixels.
const CScreenArea kScreens{{{-1280, 0, 1280, 1024}, {0, 0, 1920, 1080}}, 400, 24};

// The first-run contents, written out independently of the schema table.
const std::vector<Write> kFirstRun = {
    {"PaysGreg", 10}, {"DtGreg", 2299227}, {"AffBarre", 1},     {"X", -1000},
    {"Y", -1000},     {"AffCal0", 1},      {"AffCal1", 1},      {"AffCal2", 1},
    {"AffCal3", 1},   {"AffCal4", 1},      {"AffCal5", 1},      {"AffFetesRep", 1},
    {"AffSaints", 3}, {"Dessus", 0},       {"SaintsRecent", 0}, {"AffSaintsRecent", 0},
    {"FmtJour", 1},   {"FmtMois", 1},      {"FmtAnnee", 1},     {"Separateur", std::string("/")},
    {"Langue", 0},    {"FmtGedcom", 0},    {"StyleAnnee", 0},   {"FinStyle", 0},
    {"FmtAnDouble", 0},
    {"AffMois", 0},
};

// A store holding a full set of non-default values, and the settings they mean.
CMemorySettingsStore StoreWithCustomValues(CFrameSettings& expected) {
    CMemorySettingsStore store;
    expected.m_nGregCountry = -1;
    expected.m_dtGregStart = CJulianDay(2361222);
    expected.m_bToolBar = 0;
    expected.m_nPosX = -200;
    expected.m_nPosY = 40;
    expected.m_bShowRow = {0, 1, 0, 1, 1, 0};
    expected.m_bRepFeasts = 0;
    expected.m_nSaintsMode = 2;
    expected.m_bOnTop = 1;
    expected.m_nSaintsDlgList = 1;
    expected.m_bSaintsPresent = 1;
    expected.m_nFmtDay = 0;
    expected.m_nFmtMonth = 2;
    expected.m_nFmtYear = 0;
    expected.m_strSeparator = " - ";
    expected.m_nLanguage = kLanguageFrench;
    expected.m_nFmtGedcom = 2;
    expected.m_nYearStyle = 5;
    expected.m_nStyleUntil = 2293309;
    expected.m_nFmtDualYear = 1;
    expected.m_bMonthView = 1;
    for (const CSettingDef& def : SettingsSchema()) {
        const auto setting = *FindSetting(def.szName);
        if (def.type == ESettingType::Int32) {
            store.Put(def.szName, expected.GetInt(setting));
        } else {
            store.Put(def.szName, expected.m_strSeparator);
        }
    }
    return store;
}

TEST(FrameSettingsRead, FirstRunWritesEveryDefaultInOrderAndReadsThem) {
    CMemorySettingsStore store;
    const CFrameSettings settings = ReadFrameSettings(store, kScreens);
    EXPECT_EQ(store.Writes(), kFirstRun);
    EXPECT_EQ(settings, CFrameSettings{});
    EXPECT_EQ(settings.m_dtGregStart.GetDayNumber(), kDefaultGregorianStart);
    EXPECT_FALSE(settings.IsFrozen());
    EXPECT_FALSE(store.IsOpen());
    EXPECT_EQ(store.OpenCount(), 1);
}

TEST(FrameSettingsRead, StoredValuesAreTakenWithoutWrites) {
    CFrameSettings expected;
    CMemorySettingsStore store = StoreWithCustomValues(expected);
    EXPECT_EQ(ReadFrameSettings(store, kScreens), expected);
    EXPECT_TRUE(store.Writes().empty());
    EXPECT_FALSE(store.IsOpen());
}

// Every value, missing or of the wrong type, comes back as its default and is
// written back; the others keep their stored values.
TEST(FrameSettingsRead, EachMissingOrWrongTypedValueIsRepairedAlone) {
    for (const CSettingDef& def : SettingsSchema()) {
        const ESetting setting = *FindSetting(def.szName);
        const Value wrong =
            def.type == ESettingType::Int32 ? Value(std::string("12")) : Value(std::int32_t{5});
        for (bool erase : {true, false}) {
            SCOPED_TRACE(std::string(def.szName) + (erase ? " missing" : " wrong type"));
            CFrameSettings expected;
            CMemorySettingsStore store = StoreWithCustomValues(expected);
            if (erase) {
                store.Erase(def.szName);
            } else {
                store.Put(def.szName, wrong);
            }
            const CFrameSettings settings = ReadFrameSettings(store, kScreens);
            Value written;
            if (def.type == ESettingType::Int32) {
                expected.SetInt(setting, def.nDefault);
                written = def.nDefault;
            } else {
                expected.m_strSeparator = def.szDefault;
                written = std::string(def.szDefault);
            }
            EXPECT_EQ(settings, expected);
            EXPECT_EQ(store.Writes(), (std::vector<Write>{{def.szName, written}}));
        }
    }
}

// A frozen place off the screens is dropped and both coordinates are
// written as not frozen; a place the title bar shows from, or a position
// that is not frozen, is kept as stored and nothing is written.
TEST(FrameSettingsRead, FrozenPlaceOffTheScreensIsDropped) {
    struct Case {
        std::int32_t x, y;
        bool dropped;
    };
    const Case cases[] = {
        {0, 0, false},
        {-200, 40, false},            // on the left screen
        {-1280, 1000, false},         // bottom-left corner of the left screen
        {1520, 1056, false},          // bottom-right corner of the right one
        {1521, 100, true},            // past the right edge by one pixel
        {100, 1057, true},            // the title bar below the bottom edge
        {-5000, 100, true},           // far to the left of every screen
        {100, -5000, true},           // above them
        {-999999, -999999, true},     // far up and left
        {-1281, 500, true},           // one pixel past the left screen
        {-100, 1030, true},           // under the left screen's shorter bottom
        {INT32_MAX, INT32_MIN, true}, // no wrapping round onto a screen
        {INT32_MAX - 100, 10, true},
        {-1000, -1000, false},   // not frozen
        {-1000, 1000000, false}, // not frozen: the other value is not looked at
        {-999999, -1000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        CMemorySettingsStore store;
        ReadFrameSettings(store, kScreens);
        store.Put("X", c.x);
        store.Put("Y", c.y);
        store.ClearWrites();
        const CFrameSettings settings = ReadFrameSettings(store, kScreens);
        if (c.dropped) {
            EXPECT_FALSE(settings.IsFrozen());
            EXPECT_EQ(settings.m_nPosX, kNotFrozen);
            EXPECT_EQ(settings.m_nPosY, kNotFrozen);
            EXPECT_EQ(store.Writes(), (std::vector<Write>{{"X", -1000}, {"Y", -1000}}));
        } else {
            EXPECT_EQ(settings.m_nPosX, c.x);
            EXPECT_EQ(settings.m_nPosY, c.y);
            EXPECT_TRUE(store.Writes().empty());
        }
    }
    // With no screen at all, no frozen place can be used.
    CMemorySettingsStore store;
    ReadFrameSettings(store, kScreens);
    store.Put("X", 0);
    store.Put("Y", 0);
    EXPECT_FALSE(ReadFrameSettings(store, CScreenArea{{}, 400, 24}).IsFrozen());
}

// Every integer setting over its range: each value the program gives a
// meaning is kept, any other (out of range, or not an integer) reads as the
// default, which is written back alone.
TEST(FrameSettingsRead, ValuesOutsideTheirRangeReadAsTheDefault) {
    struct Range {
        const char* name;
        std::int32_t min, max;
    };
    // Written out independently of the schema table.
    const Range ranges[] = {
        {"PaysGreg", -1, 28},   {"DtGreg", 2299161, 2816787},
        {"AffBarre", 0, 1},     {"AffCal0", 0, 1},
        {"AffCal1", 0, 1},      {"AffCal2", 0, 1},
        {"AffCal3", 0, 1},      {"AffCal4", 0, 1},
        {"AffCal5", 0, 1},      {"AffFetesRep", 0, 1},
        {"AffSaints", 0, 3},    {"Dessus", 0, 1},
        {"SaintsRecent", 0, 1}, {"AffSaintsRecent", 0, 1},
        {"FmtJour", 0, 1},      {"FmtMois", 0, 2},
        {"FmtAnnee", 0, 1},     {"Langue", 0, 2},
        {"FmtGedcom", 0, 2},    {"StyleAnnee", 0, 5},
        {"FinStyle", 0, 2816787}, {"FmtAnDouble", 0, 2},
        {"AffMois", 0, 1},
    };
    std::size_t intSettings = 0;
    for (const CSettingDef& def : SettingsSchema()) {
        intSettings += def.type == ESettingType::Int32 && std::string(def.szName) != "X" &&
                       std::string(def.szName) != "Y";
    }
    ASSERT_EQ(std::size(ranges), intSettings);

    for (const Range& range : ranges) {
        const ESetting setting = *FindSetting(range.name);
        const std::int32_t def = SettingDef(setting).nDefault;
        ASSERT_GE(def, range.min);
        ASSERT_LE(def, range.max);
        const std::vector<Value> kept = {range.min, range.max, (range.min + range.max) / 2};
        const std::vector<Value> refused = {
            range.min - 1, range.max + 1,       INT32_MIN,
            INT32_MAX,     std::string("junk"), std::string(std::to_string(range.min))};
        for (const bool inRange : {true, false}) {
            for (const Value& value : inRange ? kept : refused) {
                SCOPED_TRACE(std::string(range.name) + "=" +
                             (std::holds_alternative<std::int32_t>(value)
                                  ? std::to_string(std::get<std::int32_t>(value))
                                  : "\"" + std::get<std::string>(value) + "\""));
                CFrameSettings expected;
                CMemorySettingsStore store = StoreWithCustomValues(expected);
                store.Put(range.name, value);
                store.ClearWrites();
                const CFrameSettings settings = ReadFrameSettings(store, kScreens);
                expected.SetInt(setting, inRange ? std::get<std::int32_t>(value) : def);
                EXPECT_EQ(settings, expected);
                if (inRange) {
                    EXPECT_TRUE(store.Writes().empty());
                } else {
                    EXPECT_EQ(store.Writes(), (std::vector<Write>{{range.name, def}}));
                }
                if (std::holds_alternative<std::int32_t>(value)) {
                    EXPECT_EQ(WriteSetting(store, setting, std::get<std::int32_t>(value)), inRange);
                }
            }
        }
    }
}

// A file from before the newer settings: every one of its 20 values reads
// as before, and each newer one is added with its default, alone.
TEST(FrameSettingsRead, FileWithoutTheNewerSettingsGetsTheirDefaults) {
    CFrameSettings expected;
    CMemorySettingsStore store = StoreWithCustomValues(expected);
    for (const char* name : {"Langue", "FmtGedcom", "StyleAnnee", "FinStyle", "FmtAnDouble", "AffMois"})
        store.Erase(name);
    ASSERT_EQ(store.Values().size(), 20u);
    const CFrameSettings settings = ReadFrameSettings(store, kScreens);
    expected.m_nLanguage = kLanguageSystem;
    expected.m_nFmtGedcom = 0;
    expected.m_nYearStyle = 0;
    expected.m_nStyleUntil = 0;
    expected.m_nFmtDualYear = 0;
    expected.m_bMonthView = 0;
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(store.Writes(), (std::vector<Write>{{"Langue", 0},
                                                  {"FmtGedcom", 0},
                                                  {"StyleAnnee", 0},
                                                  {"FinStyle", 0},
                                                  {"FmtAnDouble", 0},
                                                  {"AffMois", 0}}));
}

TEST(FrameSettingsRead, SeparatorLongerThanNineCharactersIsReplaced) {
    struct Case {
        std::string stored;
        std::string read;
    };
    const Case cases[] = {
        {"", ""},
        {" ", " "},
        {" - ", " - "},
        {"123456789", "123456789"},
        {"1234567890", "/"},
        {"twelve chars", "/"},
        {std::string(5000, '#'), "/"},
        {std::string("a\0b", 3), "a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.substr(0, 20));
        CMemorySettingsStore store;
        ReadFrameSettings(store, kScreens);
        store.Put("Separateur", c.stored);
        store.ClearWrites();
        EXPECT_EQ(ReadFrameSettings(store, kScreens).m_strSeparator, c.read);
        if (c.read == "/") {
            EXPECT_EQ(store.Writes(), (std::vector<Write>{{"Separateur", std::string("/")}}));
        } else {
            EXPECT_TRUE(store.Writes().empty());
        }
    }
}

// A store that cannot be opened, or opens but cannot be written: defaults,
// and writes that fail without leaving anything behind.
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
        if (failOpen) {
            EXPECT_TRUE(store.Writes().empty());
            EXPECT_FALSE(store.Exists());
        }
    }
}

TEST(FrameSettingsWrite, OneValueAtATime) {
    CMemorySettingsStore store;
    ReadFrameSettings(store, kScreens);
    store.ClearWrites();
    EXPECT_TRUE(WriteSetting(store, RowShownSetting(3), 0));
    EXPECT_TRUE(WriteSetting(store, SET_X, -32));
    EXPECT_TRUE(WriteSetting(store, SET_SEPARATEUR, std::string_view(" ")));
    EXPECT_EQ(store.Writes(),
              (std::vector<Write>{{"AffCal3", 0}, {"X", -32}, {"Separateur", std::string(" ")}}));
    EXPECT_FALSE(store.IsOpen());

    // A store deleted while the program runs comes back at the next write.
    store.Clear();
    EXPECT_TRUE(WriteSetting(store, SET_DESSUS, 1));
    EXPECT_EQ(store.Values().size(), 1u);
}

TEST(FrameSettingsWrite, RefusesWhatCouldNotBeReadBack) {
    CMemorySettingsStore store;
    EXPECT_FALSE(WriteSetting(store, SET_SEPARATEUR, 5));
    EXPECT_FALSE(WriteSetting(store, SET_FMT_JOUR, std::string_view("1")));
    EXPECT_FALSE(WriteSetting(store, SET_SEPARATEUR, std::string_view("1234567890")));
    EXPECT_FALSE(WriteSetting(store, RowShownSetting(6), 1));
    EXPECT_FALSE(WriteSetting(store, RowShownSetting(-1), 1));
    EXPECT_FALSE(WriteSetting(store, SET_COUNT, 1));
    EXPECT_TRUE(store.Writes().empty());
}

// Whatever the frame holds, writing each member and restarting reads it back.
TEST(FrameSettingsWrite, EveryMemberSurvivesARestart) {
    CFrameSettings wanted;
    CMemorySettingsStore ignored = StoreWithCustomValues(wanted);
    CMemorySettingsStore store;
    ReadFrameSettings(store, kScreens);
    for (int i = 0; i < SET_COUNT; ++i) {
        EXPECT_TRUE(WriteSetting(store, wanted, static_cast<ESetting>(i))) << i;
    }
    EXPECT_EQ(ReadFrameSettings(store, kScreens), wanted);
}

} // namespace
