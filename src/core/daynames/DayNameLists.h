// The day-name lists: Republican feast days and saints' days, read from the
// list files into process-wide lists. Texts are Windows-1252.
#pragma once

#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <vector>

// A Republican feast day. Creating one registers it in g_repFeastList and,
// under nMonth * 100 + nDay, in g_repFeastMap (a later entry with the same
// key replaces an earlier one there). Deleting it removes it from the list;
// its key leaves the map only when the map points at it, and then falls back
// to the latest remaining entry with that key, so the map never dangles.
class CRepFeastDay {
public:
    CRepFeastDay(std::int32_t day, std::int32_t month, std::string name);
    ~CRepFeastDay();
    CRepFeastDay(const CRepFeastDay&) = delete;
    CRepFeastDay& operator=(const CRepFeastDay&) = delete;

    std::int32_t nDay;
    std::int32_t nMonth;
    std::string strName;

private:
    // The key it was registered under, so that unregistering does not depend
    // on nDay and nMonth staying untouched.
    std::int32_t m_nKey;
    // Its own place in g_repFeastList: removal without a search.
    std::list<CRepFeastDay*>::iterator m_pos;
};

// A saint's day. Creating one appends it to g_saintList; deleting it removes it.
class CSaintEntry {
public:
    CSaintEntry(std::string name, std::int32_t day, std::int32_t month, std::uint8_t list);
    ~CSaintEntry();
    CSaintEntry(const CSaintEntry&) = delete;
    CSaintEntry& operator=(const CSaintEntry&) = delete;

    std::int32_t nDay;
    std::int32_t nMonth;
    std::string strName;
    std::uint8_t nList; // 0 traditional dates ("sts"), 1 present dates ("sts2")

private:
    // Its own place in g_saintList: removal without a search.
    std::list<CSaintEntry*>::iterator m_pos;
};

extern std::list<CRepFeastDay*> g_repFeastList;
extern std::map<std::int32_t, CRepFeastDay*> g_repFeastMap;
extern std::list<CSaintEntry*> g_saintList;

// Loaders: true when the file could be opened, whatever it held; false, and
// nothing added, when it could not. The file ("rep.qdr", baseName + ".qdr")
// is looked for in the current directory, then beside the executable, then
// in the installed data directory.
bool LoadRepFeastDays();
bool LoadSaints(const std::string& baseName, std::uint8_t list);

// The same loaders on one explicit file path, without any search.
bool LoadRepFeastDaysFile(const std::string& path);
bool LoadSaintsFile(const std::string& path, std::uint8_t list);

// Where the loaders look for a list file, in order (existing or not).
std::vector<std::string> ListFileCandidates(const std::string& fileName);

// Deletes every entry of both lists.
void FreeDayNameLists();

// Lookups.
const CRepFeastDay* FindRepFeastDay(std::int32_t day, std::int32_t month);
void FindSaints(std::int32_t day, std::int32_t month, std::int32_t list,
                std::vector<const CSaintEntry*>& result);
