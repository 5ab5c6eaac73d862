// The start-up read of the settings on an arbitrary settings file: the input
// is written as the INI file, opened through CQtSettingsStore and read with
// ReadFrameSettings, then one setting is written.
//
// Properties: nothing is lost. A file the store sets aside is kept byte for
// byte in the ".bad" copy; a file it trusts gives every value it can read
// (only the position and separator repairs differ); the file left behind
// opens as trusted and reads back the same settings; a write changes that one
// setting and keeps every other. Values outside their range read as their
// default.
#include "FuzzCheck.h"
#include "FuzzTemp.h"

#include "QtSettingsStore.h"
#include "settings/FrameSettings.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

// One full-HD screen; a frozen window's title bar must lie on it.
const CScreenArea kScreens{{{0, 0, 1920, 1080}}, 400, 24};

QString NewPath() {
    static unsigned long count = 0;
    // A path QSettings has never seen: its cache never answers for the disk.
    return QString::fromStdString(FuzzScratchDir()) + QStringLiteral("/s%1.conf").arg(++count);
}

QString CopyOf(const QString& path) {
    const QString copy = NewPath();
    FUZZ_CHECK(QFile::copy(path, copy));
    return copy;
}

// Reads an existing file and reports whether the store trusted it: a file it
// does not trust is set aside before the read.
CFrameSettings ReadFresh(const QString& path, bool& trusted) {
    CQtSettingsStore store(path);
    CFrameSettings settings = ReadFrameSettings(store, kScreens);
    trusted = !QFile::exists(store.SetAsidePath());
    return settings;
}

void Remove(const QString& path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral(".bad"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = NewPath();
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(input) == input.size());
    }

    // What the file holds, value by value, as the store reads it.
    std::optional<std::int32_t> stored[SET_COUNT];
    std::optional<std::string> storedSeparator;
    bool trusted = false;
    {
        const QString copy = CopyOf(path);
        CQtSettingsStore store(copy);
        trusted = store.Open() == EStoreOpen::Existing;
        if (trusted) {
            for (int i = 0; i < SET_COUNT; ++i) {
                const auto setting = static_cast<ESetting>(i);
                if (setting == SET_SEPARATEUR)
                    storedSeparator = store.ReadString(SettingDef(setting).szName);
                else
                    stored[i] = store.ReadInt(SettingDef(setting).szName);
            }
        }
        store.Close();
        Remove(copy);
    }

    CQtSettingsStore store(path);
    const CFrameSettings settings = ReadFrameSettings(store, kScreens);
    FUZZ_CHECK(settings.m_strSeparator.size() <= kMaxSeparatorLength);

    if (trusted) {
        FUZZ_CHECK(!QFile::exists(store.SetAsidePath()));
        const std::int32_t x = stored[SET_X].value_or(kNotFrozen);
        const std::int32_t y = stored[SET_Y].value_or(kNotFrozen);
        const bool dropped =
            x != kNotFrozen && y != kNotFrozen && !IsTitleStripOnScreens(x, y, kScreens);
        for (int i = 0; i < SET_COUNT; ++i) {
            const auto setting = static_cast<ESetting>(i);
            if (setting == SET_SEPARATEUR) {
                // The separator ends at its first zero, as a C string does.
                if (storedSeparator && storedSeparator->size() <= kMaxSeparatorLength)
                    FUZZ_CHECK(settings.m_strSeparator ==
                               storedSeparator->substr(0, storedSeparator->find('\0')));
            } else if (setting == SET_X || setting == SET_Y) {
                FUZZ_CHECK(settings.GetInt(setting) ==
                           (dropped ? kNotFrozen : stored[i].value_or(kNotFrozen)));
            } else if (stored[i]) {
                FUZZ_CHECK(settings.GetInt(setting) == (IsSettingValueAllowed(setting, *stored[i])
                                                            ? *stored[i]
                                                            : SettingDef(setting).nDefault));
            }
        }
    } else if (QFile::exists(store.SetAsidePath())) {
        QFile aside(store.SetAsidePath());
        FUZZ_CHECK(aside.open(QIODevice::ReadOnly) && aside.readAll() == input);
    }

    // The file left behind is trusted and holds exactly what was read.
    bool trustedAgain = false;
    const QString again = CopyOf(path);
    FUZZ_CHECK(ReadFresh(again, trustedAgain) == settings);
    FUZZ_CHECK(trustedAgain);
    Remove(again);

    // One write keeps every other value.
    const auto setting = static_cast<ESetting>(size % SET_COUNT);
    CFrameSettings expected = settings;
    if (setting == SET_SEPARATEUR) {
        const std::string separator(input.left(9).constData(),
                                    static_cast<std::size_t>(input.left(9).size()));
        expected.m_strSeparator = separator.substr(0, separator.find('\0'));
        if (WriteSetting(store, setting, std::string_view(separator))) {
            const QString copy = CopyOf(path);
            FUZZ_CHECK(ReadFresh(copy, trustedAgain) == expected && trustedAgain);
            Remove(copy);
        }
    } else {
        std::int32_t value = 0;
        std::memcpy(&value, input.constData(), std::min<std::size_t>(size, sizeof value));
        // A place is kept only where the title bar lies on the screen.
        if ((setting == SET_X || setting == SET_Y) && value != kNotFrozen)
            value = std::clamp(value, 0, 1000);
        expected.SetInt(setting, value);
        // The other coordinate, kept while not frozen, may leave the place off the screen.
        if (expected.IsFrozen() &&
            !IsTitleStripOnScreens(expected.m_nPosX, expected.m_nPosY, kScreens)) {
            expected.m_nPosX = kNotFrozen;
            expected.m_nPosY = kNotFrozen;
        }
        // A value out of range is refused and nothing changes.
        const bool allowed = IsSettingValueAllowed(setting, value);
        FUZZ_CHECK(WriteSetting(store, setting, value) == allowed);
        const QString copy = CopyOf(path);
        FUZZ_CHECK(ReadFresh(copy, trustedAgain) == (allowed ? expected : settings) &&
                   trustedAgain);
        Remove(copy);
    }
    Remove(path);
    return 0;
}
