#include "SaintsDialogModel.h"

#include "daynames/DayNameLists.h"
#include "saints/SaintSearch.h"

#include <algorithm>

namespace {

int g_nTypedLength = 0;

// Upper case of a Windows-1252 byte: ASCII, the accented Latin-1 letters and
// the few letters of 0x80..0x9F.
unsigned char UpperByte(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A: // š
    case 0x9C: // œ
    case 0x9E: // ž
        return static_cast<unsigned char>(c - 0x10);
    case 0xFF: // ÿ
        return 0x9F;
    default:
        return c;
    }
}

// The unaccented upper-case letter of a byte, for ordering.
unsigned char BaseByte(unsigned char c) {
    c = UpperByte(c);
    if (c >= 0xC0 && c <= 0xC6)
        return 'A';
    if (c >= 0xC8 && c <= 0xCB)
        return 'E';
    if (c >= 0xCC && c <= 0xCF)
        return 'I';
    if ((c >= 0xD2 && c <= 0xD6) || c == 0xD8 || c == 0x8C)
        return 'O';
    if (c >= 0xD9 && c <= 0xDC)
        return 'U';
    switch (c) {
    case 0xC7:
        return 'C';
    case 0xD0:
        return 'D';
    case 0xD1:
        return 'N';
    case 0xDD:
    case 0x9F:
        return 'Y';
    case 0xDF:
    case 0x8A:
        return 'S';
    case 0x8E:
        return 'Z';
    default:
        return c;
    }
}

template <typename Fold> int CompareFolded(const std::string& a, const std::string& b, Fold fold) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = fold(static_cast<unsigned char>(a[i]));
        const unsigned char y = fold(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace

bool SaintNameLess(const std::string& a, const std::string& b) {
    if (const int c = CompareFolded(a, b, BaseByte))
        return c < 0;
    if (const int c = CompareFolded(a, b, UpperByte))
        return c < 0;
    return a < b;
}

bool SaintNameStartsWith(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (UpperByte(static_cast<unsigned char>(text[i])) !=
            UpperByte(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

CSaintsDialogModel::CSaintsDialogModel(std::int32_t storedList) : m_nList(storedList != 0 ? 1 : 0) {
    FillNameList(m_nList, std::string());
}

void CSaintsDialogModel::SetResultSelection(int index) {
    m_nResultSel = index >= 0 && static_cast<std::size_t>(index) < m_results.size() ? index : -1;
}

void CSaintsDialogModel::FillNameList(std::int32_t list, const std::string& current) {
    m_names.clear();
    m_nNameSel = -1;
    const std::string* previous = nullptr;
    for (const CSaintEntry* entry : g_saintList) {
        if (static_cast<std::int32_t>(entry->nList) != list)
            continue;
        // Only neighbours in the list are merged: a name met again further
        // down is offered again.
        if (previous == nullptr || *previous != entry->strName)
            m_names.push_back(entry->strName);
        previous = &entry->strName;
    }
    // Stable, so repeated names keep their list order.
    std::stable_sort(m_names.begin(), m_names.end(), SaintNameLess);
    const auto found = std::find(m_names.begin(), m_names.end(), current);
    if (found != m_names.end())
        m_nNameSel = static_cast<int>(found - m_names.begin());
    m_strName = current;
    ++m_nNamesRevision;
}

CTextSelection CSaintsDialogModel::OnNameEdited() {
    const int typed = static_cast<int>(m_strName.size());
    if (typed > g_nTypedLength) {
        const auto found = std::find_if(m_names.begin(), m_names.end(), [this](const auto& name) {
            return SaintNameStartsWith(name, m_strName);
        });
        if (found != m_names.end())
            m_strName = *found;
    }
    // Deleting never completes: the next edit compares with this length.
    g_nTypedLength = typed;
    return {typed, static_cast<int>(m_strName.size())};
}

void CSaintsDialogModel::SearchWhenChanged() {
    if (m_strName != m_strLastSearched) {
        RunSearch();
        m_strLastSearched = m_strName;
    }
}

void CSaintsDialogModel::OnNameKillFocus() {
    SearchWhenChanged();
}

void CSaintsDialogModel::OnNamePicked(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < m_names.size()) {
        m_strName = m_names[static_cast<std::size_t>(index)];
        m_nNameSel = index;
    }
    SearchWhenChanged();
}

void CSaintsDialogModel::OnSearch() {
    RunSearch();
    m_strLastSearched = m_strName;
}

void CSaintsDialogModel::OnListClicked(std::int32_t list) {
    m_nList = list != 0 ? 1 : 0;
    FillNameList(m_nList, m_strName);
    if (!m_strName.empty()) {
        RunSearch();
    } else if (!m_results.empty()) {
        // Lines of the other list would send the display buttons to days of
        // a list no longer chosen.
        m_results.clear();
        m_nResultSel = -1;
        ++m_nSearchCount;
    }
}

void CSaintsDialogModel::RunSearch() {
    m_results.clear();
    for (const CSaintSearchLine& found : SearchSaints(m_strName, m_nList)) {
        // The day is copied, so a line never outlives the entry it names.
        CSaintsResultLine line;
        line.strLine = found.strLine;
        line.nScore = found.nScore;
        if (found.pEntry != nullptr) {
            line.nDay = found.pEntry->nDay;
            line.nMonth = found.pEntry->nMonth;
        }
        m_results.push_back(std::move(line));
    }
    m_nResultSel = m_results.empty() ? -1 : 0;
    ++m_nSearchCount;
}

std::optional<CSaintDayMonth> CSaintsDialogModel::GetSelectedDay() const {
    if (m_nResultSel < 0 || static_cast<std::size_t>(m_nResultSel) >= m_results.size())
        return std::nullopt;
    const CSaintsResultLine& line = m_results[static_cast<std::size_t>(m_nResultSel)];
    return CSaintDayMonth{line.nDay, line.nMonth};
}

int CSaintsDialogModel::GetTypedLength() {
    return g_nTypedLength;
}

void CSaintsDialogModel::ResetTypedLength() {
    g_nTypedLength = 0;
}

bool StoreSaintsDlgList(CFrameSettings& settings, CSettingsStore& store, std::int32_t list) {
    settings.m_nSaintsDlgList = list;
    return WriteSetting(store, SET_SAINTS_RECENT, list);
}
