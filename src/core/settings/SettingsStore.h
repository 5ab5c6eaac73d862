// The per-user store the settings live in: named 32-bit integers and strings
// under one key. The program uses a file-backed store; tests use
// CMemorySettingsStore.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class EStoreOpen {
    Failed,   // the store cannot be used: defaults for the run, writes are no-ops
    Existing, // opened a store that was already there
    Created,  // the store did not exist (or had to be set aside) and is new
};

// Every access opens the store and closes it again, so a store removed while
// the program runs comes back at the next write.
class CSettingsStore {
public:
    virtual ~CSettingsStore() = default;

    virtual EStoreOpen Open() = 0;
    // Empty when the value is missing or cannot be read as a 32-bit integer.
    virtual std::optional<std::int32_t> ReadInt(std::string_view name) = 0;
    // Windows-1252 text; empty when the value is missing or cannot be read as text.
    virtual std::optional<std::string> ReadString(std::string_view name) = 0;
    // False when the value could not be stored.
    virtual bool WriteInt(std::string_view name, std::int32_t value) = 0;
    virtual bool WriteString(std::string_view name, std::string_view value) = 0;
    // Between these, a store may keep writes and store them together at
    // EndBatch (or Close): the start-up repairs are many values at once.
    virtual void BeginBatch() {}
    virtual void EndBatch() {}
    virtual void Close() = 0;
};
