// The files a window opened last, most recent first, kept in one text value
// of the settings store beside the program's own settings (not in the
// schema: a store without it reads as before). Paths are bytes, UTF-8 on
// this system; the stored text escapes every byte outside plain ASCII, and
// the few the store or the list would read otherwise, as %XX, so the
// store's Windows-1252 strings carry any path.
//
//   std::vector<std::string> recent = ReadRecentFiles(store, kRecentGedcomFiles);
//   recent = WithRecentFile(recent, path);
//   WriteRecentFiles(store, kRecentGedcomFiles, recent);
#pragma once

#include "settings/SettingsStore.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kMaxRecentFiles = 5;
// The family-tree files checked last.
inline constexpr std::string_view kRecentGedcomFiles = "FichiersGedcom";
// The folder the family-tree file dialog was last left in (a list of one).
inline constexpr std::string_view kGedcomFolder = "DossierGedcom";

// Paths joined by '|', escaped; empty paths are left out.
std::string EncodeRecentFiles(const std::vector<std::string>& paths);
// The paths, first kMaxRecentFiles, each once; an empty list for a text
// that is damaged in any way (a bad escape, a byte the encoding never
// writes, an empty path).
std::vector<std::string> DecodeRecentFiles(std::string_view text);

// An empty list when the value is missing or damaged or the store fails.
std::vector<std::string> ReadRecentFiles(CSettingsStore& store, std::string_view name);
bool WriteRecentFiles(CSettingsStore& store, std::string_view name,
                      const std::vector<std::string>& paths);

// The list with path first (moved there if it was in it), cut to kMaxRecentFiles.
std::vector<std::string> WithRecentFile(std::vector<std::string> paths, const std::string& path);
// The list without path.
std::vector<std::string> WithoutRecentFile(std::vector<std::string> paths, const std::string& path);
