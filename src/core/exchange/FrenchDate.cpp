#include "FrenchDate.h"

#include "text/Cp1252.h"
#include "text/RomanNumeral.h"

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

using paste_detail::LeadingInteger;

namespace {

// A date is a handful of words; a longer text is no date worth reading.
constexpr std::size_t kMaxWords = 16;

// Month names folded to upper-case ASCII, words apart. Each row's list
// first holds the names the French program shows, then the spellings French
// texts commonly use (English ones among them, so that "le 1er Tishri de
// l'an 5785" reads too). The English names of two words are left out: the
// paste has always refused them.
struct CNameForm {
    std::string_view words;
    std::int32_t nMonth;
};

constexpr CNameForm kGregorianNames[] = {
    {"JANVIER", 1},   {"FEVRIER", 2},  {"MARS", 3},      {"AVRIL", 4},
    {"MAI", 5},       {"JUIN", 6},     {"JUILLET", 7},   {"AOUT", 8},
    {"SEPTEMBRE", 9}, {"OCTOBRE", 10}, {"NOVEMBRE", 11}, {"DECEMBRE", 12},
};

constexpr CNameForm kRepublicanNames[] = {
    {"VENDEMIAIRE", 1},
    {"BRUMAIRE", 2},
    {"FRIMAIRE", 3},
    {"NIVOSE", 4},
    {"PLUVIOSE", 5},
    {"VENTOSE", 6},
    {"GERMINAL", 7},
    {"FLOREAL", 8},
    {"PRAIRIAL", 9},
    {"MESSIDOR", 10},
    {"THERMIDOR", 11},
    {"FRUCTIDOR", 12},
    {"SANS CULOTTIDES", 13},
    {"SANS CULOTTIDE", 13},
    {"SANSCULOTTIDES", 13},
    {"SANSCULOTTIDE", 13},
    {"JOURS COMPLEMENTAIRES", 13},
    {"JOUR COMPLEMENTAIRE", 13},
    {"COMPLEMENTAIRES", 13},
    {"COMPLEMENTAIRE", 13},
};

constexpr CNameForm kJewishNames[] = {
    {"TICHRI", 1},     {"HECHVAN", 2},     {"KISLEV", 3},      {"TEVET", 4},      {"CHEVAT", 5},
    {"ADAR I", 6},     {"ADAR II", 7},     {"NISSAN", 8},      {"IYAR", 9},       {"SIVAN", 10},
    {"TAMOUZ", 11},    {"AV", 12},         {"ELOUL", 13},      {"ADAR", 6},       {"TISHRI", 1},
    {"TISRI", 1},      {"TISCHRI", 1},     {"HESHVAN", 2},     {"MARHECHVAN", 2}, {"MARHESHVAN", 2},
    {"CHESHVAN", 2},   {"KISLEW", 3},      {"KISLEU", 3},      {"TEVETH", 4},     {"TEBETH", 4},
    {"TEBET", 4},      {"CHVAT", 5},       {"SHEVAT", 5},      {"SHVAT", 5},      {"CHEBAT", 5},
    {"SCHEVAT", 5},    {"ADAR RICHON", 6}, {"ADAR RISHON", 6}, {"ADAR ALEPH", 6}, {"ADAR CHENI", 7},
    {"ADAR SHENI", 7}, {"ADAR BET", 7},    {"ADAR BETH", 7},   {"VEADAR", 7},     {"VE ADAR", 7},
    {"NISAN", 8},      {"IYYAR", 9},       {"IJAR", 9},        {"SIWAN", 10},     {"TAMMOUZ", 11},
    {"TAMUZ", 11},     {"TAMMUZ", 11},     {"AB", 12},         {"ELLOUL", 13},    {"ELUL", 13},
};

constexpr CNameForm kMuslimNames[] = {
    {"MOHARRAM", 1},
    {"SAFAR", 2},
    {"RABIA AL AWAL", 3},
    {"RABIA ATH THANI", 4},
    {"JOUMADA AL OULA", 5},
    {"JOUMADA ATH THANIA", 6},
    {"RAJAB", 7},
    {"CHAABANE", 8},
    {"RAMADAN", 9},
    {"CHAWWAL", 10},
    {"DHOU AL QIDA", 11},
    {"DHOU AL HIJJA", 12},
    {"MOUHARRAM", 1},
    {"MUHARRAM", 1},
    {"SAPHAR", 2},
    {"RABIA AL AWWAL", 3},
    {"RABI AL AWAL", 3},
    {"RABIA EL AWAL", 3},
    {"RABIA I", 3},
    {"RABIA AL THANI", 4},
    {"RABIA AT THANI", 4},
    {"RABIA EL THANI", 4},
    {"RABIA AL AKHIR", 4},
    {"RABIA II", 4},
    {"JOUMADA AL AWAL", 5},
    {"JOUMADA EL OULA", 5},
    {"DJOUMADA AL OULA", 5},
    {"JOUMADA I", 5},
    {"JOUMADA AL THANIA", 6},
    {"JOUMADA AT THANIA", 6},
    {"JOUMADA EL THANIA", 6},
    {"JOUMADA AL AKHIRA", 6},
    {"DJOUMADA ATH THANIA", 6},
    {"JOUMADA II", 6},
    {"RADJAB", 7},
    {"REDJEB", 7},
    {"CHAABAN", 8},
    {"CHABANE", 8},
    {"CHABAN", 8},
    {"SHAABAN", 8},
    {"RAMADHAN", 9},
    {"RAMAZAN", 9},
    {"CHAOUAL", 10},
    {"CHAWAL", 10},
    {"DHOU AL QADA", 11},
    {"DHOU EL QIDA", 11},
    {"DHOUL QIDA", 11},
    {"DHUL QIDA", 11},
    {"DHOU AL HIDJA", 12},
    {"DHOU AL HIDJJA", 12},
    {"DHOU EL HIJJA", 12},
    {"DHOUL HIJJA", 12},
    {"DHUL HIJJA", 12},
};

std::span<const CNameForm> NamesOfRow(CalendarRow row) {
    switch (row) {
    case CalendarRow::Gregorian:
    case CalendarRow::Julian:
    case CalendarRow::Roman:
        return kGregorianNames;
    case CalendarRow::Republican:
        return kRepublicanNames;
    case CalendarRow::Jewish:
        return kJewishNames;
    case CalendarRow::Muslim:
        return kMuslimNames;
    default:
        return {};
    }
}

bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

bool IsWordSeparator(char c) {
    return c == ' ' || c == '/' || c == ',' || c == '.' || c == '\xA0';
}

bool IsApostrophe(char c) {
    return c == '\'' || c == '`' || c == '\x91' || c == '\x92' || c == '\xB4';
}

// The folded text cut into words; false when it has more than kMaxWords.
bool CutWords(const std::string& folded, std::vector<std::string>& words) {
    std::string word;
    const auto end = [&]() {
        if (!word.empty())
            words.push_back(std::move(word));
        word.clear();
        return words.size() <= kMaxWords;
    };
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const char c = folded[i];
        const bool letterNext = i + 1 < folded.size() && IsLetter(folded[i + 1]);
        if (IsWordSeparator(c)) {
            if (!end())
                return false;
        } else if (c == '-' && letterNext && !word.empty() && IsLetter(word.back())) {
            // "sans-culottides", "al-awal"; "-44" keeps its sign.
            if (!end())
                return false;
        } else if (IsApostrophe(c)) {
            // "l'an", "d'avril"; any other apostrophe ("qi'da") is dropped.
            if ((word == "L" || word == "D") && letterNext) {
                word = word == "L" ? "LE" : "DE";
                if (!end())
                    return false;
            }
        } else {
            word += c;
        }
    }
    return end();
}

class CWordReader {
public:
    explicit CWordReader(const std::vector<std::string>& words) : m_words(words) {}

    bool AtEnd() const { return m_nAt == m_words.size(); }
    // A French word was read: a name, a Roman kind, "le", "de", "an" ...
    bool ReadAWord() const { return m_bWord; }

    bool Skip(std::string_view word) {
        if (AtEnd() || m_words[m_nAt] != word)
            return false;
        ++m_nAt;
        m_bWord = true;
        return true;
    }

    // The leading integer of the next word, taken when it is not 0.
    std::int32_t Number() {
        const std::int32_t n = AtEnd() ? 0 : LeadingInteger(m_words[m_nAt]);
        m_nAt += n != 0;
        return n;
    }

    // A month number, or the longest of the row's names the next words spell.
    std::int32_t Month(CalendarRow row) {
        if (const std::int32_t n = Number())
            return n;
        std::size_t bestLength = 0;
        std::int32_t month = 0;
        for (const CNameForm& name : NamesOfRow(row)) {
            const std::size_t length = MatchLength(name.words);
            if (length > bestLength) {
                bestLength = length;
                month = name.nMonth;
            }
        }
        m_nAt += bestLength;
        m_bWord = m_bWord || month != 0;
        return month;
    }

    std::int32_t RomanKind() {
        if (Skip("CALENDES") || Skip("KALENDES"))
            return kRomanKalends;
        if (Skip("NONES"))
            return kRomanNones;
        return Skip("IDES") ? kRomanIdes : 0;
    }

    // "1997", "de 1997", "an 8", "de l'an 8"; with romanAfterAn, "an VIII".
    std::int32_t Year(bool romanAfterAn) {
        Skip("DE");
        bool an = false;
        if (Skip("LE")) {
            if (!Skip("AN"))
                return 0;
            an = true;
        } else {
            an = Skip("AN");
        }
        if (an && romanAfterAn && !AtEnd()) {
            if (const std::int32_t year = ReadRomanNumeral(m_words[m_nAt])) {
                ++m_nAt;
                return year;
            }
        }
        return Number();
    }

private:
    // Words of the name matched from the reader's place; 0 when they differ.
    std::size_t MatchLength(std::string_view name) const {
        std::size_t at = m_nAt;
        while (!name.empty()) {
            const std::size_t space = name.find(' ');
            const std::string_view word = name.substr(0, space);
            if (at == m_words.size() || m_words[at] != word)
                return 0;
            ++at;
            name = space == std::string_view::npos ? std::string_view() : name.substr(space + 1);
        }
        return at - m_nAt;
    }

    const std::vector<std::string>& m_words;
    std::size_t m_nAt = 0;
    bool m_bWord = false;
};

// "le 3 juin 1997", "18 brumaire an VIII", "14 Adar II 5784".
bool ReadDayMonthYear(CalendarRow row, CWordReader& in, CRowValues& v) {
    in.Skip("LE");
    v.nFirst = in.Number();
    if (v.nFirst == 0)
        return false;
    v.nSecond = in.Month(row);
    if (v.nSecond == 0)
        return false;
    v.nThird = in.Year(row == CalendarRow::Republican);
    return v.nThird != 0 && in.AtEnd();
}

// "3e jour avant les nones de juin 1997", "veille des ides de mars -44",
// "calendes d'avril 1997", "3 nones juin 1997".
bool ReadRoman(CWordReader& in, CRowValues& v) {
    if (!in.Skip("LE"))
        in.Skip("LA");
    std::int32_t count = 1; // the named day itself
    if (in.Skip("VEILLE")) {
        count = 2;
        if (!in.Skip("DES")) {
            in.Skip("DE");
            in.Skip("LES");
        }
    } else if (const std::int32_t n = in.Number()) {
        count = n;
        in.Skip("JOUR");
        in.Skip("AVANT");
        if (!in.Skip("LES"))
            in.Skip("DES");
    }
    const std::int32_t kind = in.RomanKind();
    if (kind == 0)
        return false;
    in.Skip("DE");
    const std::int32_t month = in.Month(CalendarRow::Roman);
    if (month == 0)
        return false;
    const std::int32_t year = in.Year(false);
    if (year == 0 || !in.AtEnd())
        return false;
    v = {count, kind, month, year};
    return true;
}

} // namespace

namespace paste_detail {

// Saturating, so that a huge number names no day in any calendar.
std::int32_t LeadingInteger(std::string_view word) {
    std::size_t i = 0;
    while (i < word.size() && (word[i] == ' ' || (word[i] >= '\t' && word[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) {
        negative = word[i] == '-';
        ++i;
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        value = value * 10 + (word[i] - '0');
        if (value > kLimit)
            value = kLimit;
    }
    if (negative)
        return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(value >= kLimit ? kLimit - 1 : value);
}

} // namespace paste_detail

bool ReadFrenchDate(CalendarRow row, std::string_view text, CRowValues& values) {
    if (NamesOfRow(row).empty())
        return false;
    std::vector<std::string> words;
    if (!CutWords(FoldToAsciiUpper(text), words))
        return false;
    CWordReader in(words);
    CRowValues v;
    // Numbers alone are no French date: 3, 6 and 1997 apart by no-break
    // spaces stay refused, as any separator the paste does not know always was.
    const bool read =
        (row == CalendarRow::Roman ? ReadRoman(in, v) : ReadDayMonthYear(row, in, v)) &&
        in.ReadAWord();
    if (read)
        values = v;
    return read;
}
