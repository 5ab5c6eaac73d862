#include "settings/FrameSettings.h"
#include "settings/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Write = CMemorySettingsStore::CWrite;
using Value = CMemorySettingsStore::Value;

constexpr std::int32_t kRight = 1920;
constexpr std::int32_t kBottom = 1080;

// The first-run contents, written out independently of the schema table.
const std::vector<Write> kFirstRun = {
    {"PaysGreg", 10}, {"DtGreg", 2299227}, {"AffBarre", 1},     {"X", -1000},
    {"Y", -1000},     {"AffCal0", 1},      {"AffCal1", 1},      {"AffCal2", 1},
    {"AffCal3", 1},   {"AffCal4", 1},      {"AffCal5", 1},      {"AffFetesRep", 1},
    {"AffSaints", 3}, {"Dessus", 0},       {"SaintsRecent", 0}, {"AffSaintsRecent", 0},
    {"FmtJour", 1},   {"FmtMois", 1},      {"FmtAnnee", 1},     {"Separateur", std::string("/")},
};

// A store holding a full set of non-default values, and the settings they mean.
CMemorySettingsStore StoreWithCustomValues(CFrameSettings& expected) {
    CMemorySettingsStore store;
    expected.m_nGregCountry = -1;
    expected.m_dtGregStart = CJulianDay(2361222);
    expected.m_bToolBar = 0;
    expected.m_nPosX = -200;
    expected.m_nPosY = 40;
    expected.m_bShowRow = {0, 1, 0, 7, 1, 0};
    expected.m_bRepFeasts = 0;
    expected.m_nSaintsMode = 7; // odd values are kept as stored
    expected.m_bOnTop = 1;
    expected.m_nSaintsDlgList = 1;
    expected.m_bSaintsPresent = 1;
    expected.m_nFmtDay = 0;
    expected.m_nFmtMonth = 2;
    expected.m_nFmtYear = 0;
    expected.m_strSeparator = " - ";
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
    const CFrameSettings settings = ReadFrameSettings(store, kRight, kBottom);
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
    EXPECT_EQ(ReadFrameSettings(store, kRight, kBottom), expected);
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
            const CFrameSettings settings = ReadFrameSettings(store, kRight, kBottom);
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

TEST(FrameSettingsRead, PositionBeyondTheDesktopIsDropped) {
    struct Case {
        std::int32_t x, y;
        bool dropped;
    };
    const Case cases[] = {
        {kRight + 1, 100, true},
        {100, kBottom + 1, true},
        {kRight + 1, kBottom + 1, true},
        {-1000, kBottom + 5, true},
        {kRight, kBottom, false},
        {-3000, -3000, false},
        {0, 0, false},
        {-1000, -1000, false},
        {INT32_MAX, INT32_MIN, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        CMemorySettingsStore store;
        ReadFrameSettings(store, kRight, kBottom);
        store.Put("X", c.x);
        store.Put("Y", c.y);
        store.ClearWrites();
        const CFrameSettings settings = ReadFrameSettings(store, kRight, kBottom);
        if (c.dropped) {
            EXPECT_EQ(settings.m_nPosX, kNotFrozen);
            EXPECT_EQ(settings.m_nPosY, kNotFrozen);
            EXPECT_FALSE(settings.IsFrozen());
            EXPECT_EQ(store.Writes(), (std::vector<Write>{{"X", -1000}, {"Y", -1000}}));
        } else {
            EXPECT_EQ(settings.m_nPosX, c.x);
            EXPECT_EQ(settings.m_nPosY, c.y);
            EXPECT_TRUE(store.Writes().empty());
        }
    }
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
        ReadFrameSettings(store, kRight, kBottom);
        store.Put("Separateur", c.stored);
        store.ClearWrites();
        EXPECT_EQ(ReadFrameSettings(store, kRight, kBottom).m_strSeparator, c.read);
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
        EXPECT_EQ(ReadFrameSettings(store, kRight, kBottom), CFrameSettings{});
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
    ReadFrameSettings(store, kRight, kBottom);
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
    ReadFrameSettings(store, kRight, kBottom);
    for (int i = 0; i < SET_COUNT; ++i) {
        EXPECT_TRUE(WriteSetting(store, wanted, static_cast<ESetting>(i))) << i;
    }
    EXPECT_EQ(ReadFrameSettings(store, kRight, kBottom), wanted);
}

} // namespace
