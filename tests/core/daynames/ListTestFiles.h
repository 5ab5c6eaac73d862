// Temporary list files for the day-name tests.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include <unistd.h>

#include "daynames/DayNameLists.h"
#include "daynames/ListKeys.h"
#include "daynames/Scramble.h"

// A fresh folder, removed with everything in it at the end of the test.
class CTempDir {
public:
    CTempDir() {
        static std::atomic<int> counter{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("quindor-lists-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~CTempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    std::string File(std::string_view name) const { return (m_path / name).string(); }

    // Writes bytes as they stand.
    std::string Write(std::string_view name, std::string_view bytes) const {
        const std::string path = File(name);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    // Writes a plain Windows-1252 text in its stored form.
    std::string WriteList(std::string_view name, std::string_view plain,
                          const CListKey& key) const {
        return Write(name, ScrambleText(plain, key));
    }

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Every test starts and ends with empty lists.
class ListsTest : public ::testing::Test {
protected:
    void SetUp() override { FreeDayNameLists(); }
    void TearDown() override { FreeDayNameLists(); }
    CTempDir m_dir;
};

inline std::string RandomBytes(std::mt19937& rng, std::size_t n, std::string_view alphabet = {}) {
    std::string out(n, '\0');
    for (char& c : out) {
        if (alphabet.empty())
            c = static_cast<char>(rng() & 0xFF);
        else
            c = alphabet[rng() % alphabet.size()];
    }
    return out;
}
