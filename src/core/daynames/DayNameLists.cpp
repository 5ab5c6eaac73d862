#include "daynames/DayNameLists.h"

#include <utility>

std::list<CRepFeastDay*> g_repFeastList;
std::map<std::int32_t, CRepFeastDay*> g_repFeastMap;
std::list<CSaintEntry*> g_saintList;

CRepFeastDay::CRepFeastDay(std::int32_t day, std::int32_t month, std::string name)
    : nDay(day), nMonth(month), strName(std::move(name)),
      // Computed in unsigned arithmetic: any scanned values stay defined.
      m_nKey(static_cast<std::int32_t>(static_cast<std::uint32_t>(month) * 100u +
                                       static_cast<std::uint32_t>(day))),
      m_pos(g_repFeastList.insert(g_repFeastList.end(), this)) {
    g_repFeastMap[m_nKey] = this;
}

CRepFeastDay::~CRepFeastDay() {
    g_repFeastList.erase(m_pos);
    const auto it = g_repFeastMap.find(m_nKey);
    if (it == g_repFeastMap.end() || it->second != this)
        return; // an earlier duplicate: the map belongs to a later entry
    // The latest remaining entry with the same key takes its place.
    for (auto r = g_repFeastList.rbegin(); r != g_repFeastList.rend(); ++r) {
        if ((*r)->m_nKey == m_nKey) {
            it->second = *r;
            return;
        }
    }
    g_repFeastMap.erase(it);
}

CSaintEntry::CSaintEntry(std::string name, std::int32_t day, std::int32_t month, std::uint8_t list)
    : nDay(day), nMonth(month), strName(std::move(name)), nList(list),
      m_pos(g_saintList.insert(g_saintList.end(), this)) {}

CSaintEntry::~CSaintEntry() {
    g_saintList.erase(m_pos);
}

void FreeDayNameLists() {
    // With the map gone first, no entry looks for an earlier duplicate to
    // hand its key to: freeing stays linear however many entries share keys.
    g_repFeastMap.clear();
    while (!g_repFeastList.empty())
        delete g_repFeastList.back();
    while (!g_saintList.empty())
        delete g_saintList.front();
}

const CRepFeastDay* FindRepFeastDay(std::int32_t day, std::int32_t month) {
    const auto key = static_cast<std::int32_t>(static_cast<std::uint32_t>(month) * 100u +
                                               static_cast<std::uint32_t>(day));
    const auto it = g_repFeastMap.find(key);
    return it == g_repFeastMap.end() ? nullptr : it->second;
}

void FindSaints(std::int32_t day, std::int32_t month, std::int32_t list,
                std::vector<const CSaintEntry*>& result) {
    result.clear();
    for (const CSaintEntry* entry : g_saintList) {
        if (static_cast<std::int32_t>(entry->nList) == list && entry->nDay == day &&
            entry->nMonth == month)
            result.push_back(entry);
    }
}
