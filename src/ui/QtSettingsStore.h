// The settings store on disk: an INI file (QSettings, native format) at
// $XDG_CONFIG_HOME/Velmont/Quindor.conf, ~/.config when XDG_CONFIG_HOME is
// not set.
//
// Every write is synced at once; QSettings writes a temporary file and
// renames it over the old one, so a crash leaves either the old file or the
// new one, never half of it.
//
// A file that cannot be trusted (larger than kMaxFileSize, not UTF-8 text,
// holding control characters, or that QSettings reports as badly formed) is
// never parsed into the program and never overwritten: it is renamed to
// "Quindor.conf.bad" and a new store is started. Only the newest damaged
// copy is kept: a later one replaces an older .bad, since the newest holds
// the most recent settings. When the file cannot be set aside, read, or is
// not a regular file (a directory, say), the store does not open and the
// program runs on its defaults without touching it.
#pragma once

#include "settings/SettingsStore.h"

#include <QString>

#include <memory>

class QSettings;

class CQtSettingsStore : public CSettingsStore {
public:
    // A settings file is a few hundred bytes; anything past this is not ours.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    explicit CQtSettingsStore(QString filePath);
    ~CQtSettingsStore() override;
    CQtSettingsStore(const CQtSettingsStore&) = delete;
    CQtSettingsStore& operator=(const CQtSettingsStore&) = delete;

    // $XDG_CONFIG_HOME/Velmont/Quindor.conf; empty when there is no
    // configuration folder at all.
    static QString DefaultPath();

    QString FilePath() const { return m_strPath; }
    QString SetAsidePath() const { return m_strPath + QStringLiteral(".bad"); }

    EStoreOpen Open() override;
    std::optional<std::int32_t> ReadInt(std::string_view name) override;
    std::optional<std::string> ReadString(std::string_view name) override;
    bool WriteInt(std::string_view name, std::int32_t value) override;
    bool WriteString(std::string_view name, std::string_view value) override;
    void BeginBatch() override { m_bBatch = true; }
    void EndBatch() override;
    void Close() override;

private:
    enum class EFileState { Missing, Usable, Damaged, Unusable };
    EFileState InspectFile() const;
    bool SetAside() const;
    bool Sync();

    QString m_strPath;
    std::unique_ptr<QSettings> m_settings;
    bool m_bBatch = false;
    bool m_bReadOnly = false;
};
