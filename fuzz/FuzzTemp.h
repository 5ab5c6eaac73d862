// A scratch folder for the targets that must go through real files: created
// once per process (in memory when the machine has /dev/shm) and removed at
// exit.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

inline const std::string& FuzzScratchDir() {
    static const std::string dir = [] {
        std::error_code error;
        const bool shm = std::filesystem::is_directory("/dev/shm", error);
        std::string pattern = std::string(shm ? "/dev/shm" : "/tmp") + "/quindor-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        return pattern;
    }();
    // Registered once the name exists, so it runs before the name is destroyed.
    static const bool removeAtExit = std::atexit([] {
                                         std::error_code ignored;
                                         std::filesystem::remove_all(dir, ignored);
                                     }) == 0;
    (void)removeAtExit;
    return dir;
}

inline bool FuzzWriteFile(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}
