// Temporary list files for the day-name tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include <stdlib.h>

#include "daynames/DayNameLists.h"
#include "daynames/ListKeys.h"
#include "daynames/Scramble.h"

// A fresh folder, removed with everything in it at the end of the test.
class CTempDir {
public:
    CTempDir() {
        std::string name =
            (std::filesystem::temp_directory_path() / "quindor-lists-XXXXXX").string();
        m_path = ::mkdtemp(name.data());
    }
    ~CTempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string File(std::string_view name) const { return (m_path / name).string(); }
    std::string Write(std::string_view name, std::string_view bytes) const {
        std::ofstream(File(name), std::ios::binary).write(bytes.data(), std::ssize(bytes));
        return File(name);
    }
    std::string WriteList(std::string_view name, std::string_view plain,
                          const CListKey& key) const {
        return Write(name, ScrambleText(plain, key));
    }
    std::filesystem::path m_path;
};

class ListsTest : public ::testing::Test {
protected:
    void SetUp() override { FreeDayNameLists(); }
    void TearDown() override { FreeDayNameLists(); }
    CTempDir m_dir;
};

inline std::string RandomBytes(std::mt19937& rng, std::size_t n, std::string_view alphabet = {}) {
    std::string out(n, '\0');
    for (char& c : out)
        c = alphabet.empty() ? static_cast<char>(rng() & 0xFF) : alphabet[rng() % alphabet.size()];
    return out;
}
