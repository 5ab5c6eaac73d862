#include "settings/RecentFiles.h"

#include <algorithm>

namespace {

constexpr char kSeparator = '|';

// Kept as they are: printable ASCII but the escape, the separator and what
// an INI file quotes or splits on.
bool IsPlain(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte > 0x20 && byte < 0x7F && c != '%' && c != kSeparator && c != ',' && c != '"' &&
           c != '\\' && c != ';' && c != '=';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string EncodeRecentFiles(const std::vector<std::string>& paths) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const std::string& path : paths) {
        if (path.empty())
            continue;
        if (!text.empty())
            text += kSeparator;
        for (const char c : path) {
            if (IsPlain(c)) {
                text += c;
                continue;
            }
            const auto byte = static_cast<unsigned char>(c);
            text += '%';
            text += kHex[byte >> 4];
            text += kHex[byte & 0xF];
        }
    }
    return text;
}

std::vector<std::string> DecodeRecentFiles(std::string_view text) {
    std::vector<std::string> paths;
    if (text.empty())
        return paths;
    std::string path;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == kSeparator) {
            if (path.empty())
                return {};
            if (paths.size() < kMaxRecentFiles &&
                std::find(paths.begin(), paths.end(), path) == paths.end())
                paths.push_back(path);
            path.clear();
            continue;
        }
        if (text[i] == '%') {
            const int high = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
            const int low = high < 0 ? -1 : HexValue(text[i + 2]);
            if (low < 0)
                return {};
            path += static_cast<char>(high * 16 + low);
            i += 2;
            continue;
        }
        if (!IsPlain(text[i]))
            return {};
        path += text[i];
    }
    return paths;
}

std::vector<std::string> ReadRecentFiles(CSettingsStore& store, std::string_view name) {
    if (store.Open() == EStoreOpen::Failed)
        return {};
    const std::optional<std::string> text = store.ReadString(name);
    store.Close();
    return text ? DecodeRecentFiles(*text) : std::vector<std::string>{};
}

bool WriteRecentFiles(CSettingsStore& store, std::string_view name,
                      const std::vector<std::string>& paths) {
    if (store.Open() == EStoreOpen::Failed)
        return false;
    const bool written = store.WriteString(name, EncodeRecentFiles(paths));
    store.Close();
    return written;
}

std::vector<std::string> WithRecentFile(std::vector<std::string> paths, const std::string& path) {
    paths = WithoutRecentFile(std::move(paths), path);
    paths.insert(paths.begin(), path);
    if (paths.size() > kMaxRecentFiles)
        paths.resize(kMaxRecentFiles);
    return paths;
}

std::vector<std::string> WithoutRecentFile(std::vector<std::string> paths,
                                           const std::string& path) {
    paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
    return paths;
}
