// A settings store held in memory, for tests: it records every write in
// order and can be told to fail its opening or its writes.
#pragma once

#include "settings/SettingsStore.h"

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

class CMemorySettingsStore : public CSettingsStore {
public:
    using Value = std::variant<std::int32_t, std::string>;
    struct CWrite {
        std::string strName;
        Value value;
        bool operator==(const CWrite&) const = default;
    };

    EStoreOpen Open() override;
    std::optional<std::int32_t> ReadInt(std::string_view name) override;
    std::optional<std::string> ReadString(std::string_view name) override;
    bool WriteInt(std::string_view name, std::int32_t value) override;
    bool WriteString(std::string_view name, std::string_view value) override;
    void Close() override;

    // Test controls.
    void SetFailOpen(bool fail) { m_bFailOpen = fail; }
    void SetFailWrites(bool fail) { m_bFailWrites = fail; }
    // Sets a value behind the program's back (any type under any name).
    void Put(const std::string& name, Value value);
    void Erase(const std::string& name) { m_values.erase(name); }
    // Forgets the whole store, as if it had never been created.
    void Clear();

    bool Exists() const { return m_bExists; }
    bool IsOpen() const { return m_bOpen; }
    const std::map<std::string, Value, std::less<>>& Values() const { return m_values; }
    const std::vector<CWrite>& Writes() const { return m_writes; }
    void ClearWrites() { m_writes.clear(); }
    int OpenCount() const { return m_nOpens; }

private:
    std::map<std::string, Value, std::less<>> m_values;
    std::vector<CWrite> m_writes;
    bool m_bExists = false;
    bool m_bOpen = false;
    bool m_bFailOpen = false;
    bool m_bFailWrites = false;
    int m_nOpens = 0;
};
