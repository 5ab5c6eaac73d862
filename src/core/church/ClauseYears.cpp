#include "church/ClauseYears.h"

#include "church/ClauseLexicon.h"
#include "text/StringTable.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kNoWord = static_cast<std::size_t>(-1);
constexpr std::int32_t kLastYear = 2999; // the last year the calendars show
constexpr std::int32_t kMaxRegnal = 70;  // no reign of England ran longer
constexpr std::size_t kMaxPhraseWords = 16;
constexpr std::size_t kFormulaReach = 8; // words between "anno" and its number, at most

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

template <std::size_t N> bool OneOf(std::string_view word, const std::string_view (&list)[N]) {
    return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

// Latin as scribes spelled it: one key for "tertio" and "tercio", "vigesimo"
// and "vicesimo", "millesimo" and "milesimo", "Elizabethae" and "Elizabethe".
std::string LatinKey(std::string_view word) {
    std::string s;
    for (const char c : word)
        s += c == 'y' || c == 'j' ? 'i' : c == 'v' ? 'u' : c == 'k' ? 'c' : c;
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto next = [&](std::size_t k) { return i + k < s.size() ? s[i + k] : '\0'; };
        const auto vowel = [](char c) {
            return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
        };
        if ((s[i] == 'a' || s[i] == 'o') && next(1) == 'e') {
            out += 'e';
            ++i;
        } else if ((s[i] == 't' || s[i] == 'p') && next(1) == 'h') {
            out += s[i] == 'p' ? 'f' : 't';
            ++i;
        } else if (s[i] == 't' && next(1) == 'i' && vowel(next(2))) {
            out += 'c';
        } else if (s[i] == 'g' && next(1) == 'e' && next(2) == 's') {
            out += 'c';
        } else if (out.empty() || out.back() != s[i] || vowel(s[i])) {
            out += s[i]; // "ll" is "l", but "tercii" keeps its ending
        }
    }
    return out;
}

// ---- Number words -------------------------------------------------------

enum class EAtom { None, Unit, Hundred, Thousand, Score, Conj };

constexpr std::uint8_t Bit(ENumberLanguage l) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(l));
}
constexpr std::uint8_t kAllLanguages = 0x3F;

struct CAtom {
    EAtom eKind = EAtom::None;
    std::int32_t nValue = 0;
    bool bDigits = false;
    bool bRoman = false;
    bool bWord = false;
    bool bOrdinal = false;       // "zehnten", "septiesme": a year's last word, not its middle
    std::uint8_t nLanguages = 0; // of a word: the languages it is a number word of
};

EAtom AtomOf(ENumberRole role) {
    switch (role) {
    case ENumberRole::Unit:
        return EAtom::Unit;
    case ENumberRole::Score:
        return EAtom::Score;
    case ENumberRole::Hundred:
        return EAtom::Hundred;
    case ENumberRole::Thousand:
        return EAtom::Thousand;
    case ENumberRole::And:
        return EAtom::Conj;
    }
    return EAtom::None;
}

// clang-format off
constexpr std::string_view kConjunctions[] = {
    "et", "und", "unde", "vnd", "and", "e", "ende", "ac"};
// clang-format on

std::int32_t Place(std::int32_t value) {
    if (value <= 0)
        return std::numeric_limits<std::int32_t>::max();
    std::int32_t place = 1;
    while (value % (place * 10) == 0 && place < 100000)
        place *= 10;
    return place;
}

// A number built atom by atom, largest parts first, as every language here
// writes it, with the orders that break the rule: "soixante et quinze",
// "quatre vingts", "neun und zwanzig", "tertio decimo".
struct CSum {
    std::int32_t nTotal = 0;   // thousands
    std::int32_t nCurrent = 0; // below them
    std::int32_t nLastUnit = 0;
    bool bAdjacent = false; // the last unit came right before, no "et" between
    bool bClosed = false;
    std::size_t nAtoms = 0;

    std::int32_t Value() const { return nTotal + nCurrent; }

    void Conjunction() { bAdjacent = false; }

    bool Add(const CAtom& atom) {
        if (nAtoms >= kMaxPhraseWords)
            return false;
        const std::int32_t sum = Value();
        switch (atom.eKind) {
        case EAtom::Score:
            if (bAdjacent && nLastUnit >= 2 && nLastUnit <= 19) {
                nCurrent += nLastUnit * 19;
                nLastUnit = 0;
                bAdjacent = false;
                ++nAtoms;
                return true;
            }
            return AddUnit(20, sum);
        case EAtom::Unit:
            return AddUnit(atom.nValue, sum);
        case EAtom::Hundred:
            if (nCurrent == 0) {
                if (100 >= Place(nTotal))
                    return false;
                nCurrent = 100;
            } else if (nCurrent < 100 && (nTotal == 0 || nCurrent * 100 < Place(nTotal))) {
                nCurrent *= 100;
            } else {
                return false;
            }
            break;
        case EAtom::Thousand:
            if (nTotal != 0 || nCurrent >= 1000)
                return false;
            nTotal = std::max(nCurrent, 1) * 1000;
            nCurrent = 0;
            break;
        default:
            return false;
        }
        nLastUnit = 0;
        bAdjacent = false;
        bClosed = false; // "funfzehn hundert": a multiplier opens the number again
        ++nAtoms;
        return true;
    }

private:
    bool AddUnit(std::int32_t a, std::int32_t sum) {
        if (a <= 0 || bClosed)
            return false;
        const bool vigesimal = a < 20 && (sum % 100 == 60 || sum % 100 == 80);
        const std::int32_t before = sum - nLastUnit;
        const bool tensAfterUnit =
            nLastUnit >= 1 && nLastUnit <= 9 && a % 10 == 0 && a <= 90 && Place(before) >= 100;
        if (a < Place(sum) || vigesimal) {
            nCurrent += a;
        } else if (tensAfterUnit) {
            nCurrent += a;
            bClosed = true;
        } else {
            return false;
        }
        nLastUnit = a < 20 ? a : 0;
        bAdjacent = true;
        ++nAtoms;
        return true;
    }
};

// Strictly formed Roman numerals as medieval hands wrote them: "iiii" and
// "cccc" allowed, "j" as a last "i", "u" for "v".
std::int32_t RomanValue(std::string_view word) {
    if (word.empty() || word.size() > 16)
        return 0;
    std::string s(word);
    // "u" for "v" only in a numeral long enough not to be a word: "du" is French.
    for (char& c : s)
        c = c == 'u' && word.size() >= 3 ? 'v' : c;
    if (s.back() == 'j')
        s.back() = 'i';
    std::size_t i = 0;
    std::int32_t value = 0;
    const auto take = [&](char c, std::size_t most, std::int32_t each) {
        std::size_t n = 0;
        while (i < s.size() && s[i] == c && n < most) {
            ++i;
            ++n;
            value += each;
        }
    };
    const auto pair = [&](char a, char b, std::int32_t v) {
        if (i + 1 < s.size() && s[i] == a && s[i + 1] == b) {
            i += 2;
            value += v;
            return true;
        }
        return false;
    };
    take('m', 4, 1000);
    if (!pair('c', 'm', 900) && !pair('c', 'd', 400)) {
        take('d', 1, 500);
        take('c', 4, 100);
    }
    if (!pair('x', 'c', 90) && !pair('x', 'l', 40)) {
        take('l', 1, 50);
        take('x', 4, 10);
    }
    if (!pair('i', 'x', 9) && !pair('i', 'v', 4)) {
        take('v', 1, 5);
        take('i', 5, 1);
    }
    return i == s.size() ? value : 0;
}

// "IIIc" three hundred, "IIIIxx" four score: a small numeral times a mark.
std::int32_t RomanTimesValue(std::string_view word) {
    for (const auto& [mark, times] :
         std::array<std::pair<std::string_view, std::int32_t>, 2>{{{"c", 100}, {"xx", 20}}}) {
        if (word.size() > mark.size() && word.substr(word.size() - mark.size()) == mark) {
            const std::int32_t n = RomanValue(word.substr(0, word.size() - mark.size()));
            if (n >= 2 && n < 20)
                return n * times;
        }
    }
    return 0;
}

// German and Dutch as scribes spelled them: one key for "vierzig", "viertzig"
// and "virczig", "funff" and "funf", "vijf" and "vif", "drey" and "drei".
std::string GermanicKey(std::string_view word) {
    std::string out;
    const auto vowel = [](char c) {
        return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
    };
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        const char next = i + 1 < word.size() ? word[i + 1] : '\0';
        if (c == 'y')
            c = 'i';
        else if (c == 'v')
            c = 'f';
        if (c == 'i' && (next == 'j' || next == 'e')) {
            out += 'i';
            ++i;
            continue;
        }
        if ((c == 't' || c == 'c') && next == 'z')
            continue;
        if ((c == 't' && next == 'h') || (c == 'd' && next == 't')) {
            out += 't';
            ++i;
            continue;
        }
        if (!vowel(c) && !out.empty() && out.back() == c)
            continue;
        out += c;
    }
    return out;
}

struct CKeyedWord {
    std::string strKey;
    const CNumberWord* pRow;
};

// The rows of one form (and language, where given), each with the key it is compared by.
std::vector<CKeyedWord> KeyedRows(ENumberForm form, std::uint8_t languages) {
    std::vector<CKeyedWord> rows;
    for (const CNumberWord& row : ClauseNumberWords()) {
        if (row.eForm != form || (Bit(row.eLanguage) & languages) == 0)
            continue;
        std::string key =
            row.eLanguage == ENumberLanguage::Latin ? LatinKey(row.strWord)
            : row.eLanguage == ENumberLanguage::German || row.eLanguage == ENumberLanguage::Dutch
                ? GermanicKey(row.strWord)
                : std::string(row.strWord);
        rows.push_back({std::move(key), &row});
    }
    return rows;
}

// A whole number word: "quarante", "ung", "viginti" (Latin by its key).
CAtom WordAtom(std::string_view word) {
    static const std::vector<CKeyedWord> kRows = KeyedRows(ENumberForm::Word, kAllLanguages);
    const std::string latin = LatinKey(word);
    CAtom atom;
    for (const CKeyedWord& k : kRows) {
        const bool isLatin = k.pRow->eLanguage == ENumberLanguage::Latin;
        if (k.strKey != (isLatin ? std::string_view(latin) : word))
            continue;
        if (atom.eKind == EAtom::None) {
            atom.eKind = AtomOf(k.pRow->eRole);
            atom.nValue = k.pRow->nValue;
            atom.bWord = true;
        }
        if (k.pRow->nValue == atom.nValue)
            atom.nLanguages |= Bit(k.pRow->eLanguage);
    }
    return atom;
}

// A word cut into parts of one language, longest first, and summed as the
// words of a phrase: "neunundzwanzig" as "neun und zwanzig".
std::int32_t CompoundValue(std::string_view key, const std::vector<CKeyedWord>& parts) {
    CSum sum;
    std::size_t at = 0;
    std::size_t count = 0;
    while (at < key.size() && count < 8) {
        const CKeyedWord* best = nullptr;
        for (const CKeyedWord& part : parts) {
            if (key.substr(at, part.strKey.size()) == part.strKey &&
                (best == nullptr || part.strKey.size() > best->strKey.size()))
                best = &part;
        }
        if (best == nullptr)
            return 0;
        at += best->strKey.size();
        ++count;
        if (best->pRow->eRole == ENumberRole::And) {
            sum.Conjunction();
            continue;
        }
        // "funf" + "zehn" is a teen, as "neun und zwanzig"
        if (!sum.Add(CAtom{AtomOf(best->pRow->eRole), best->pRow->nValue}))
            return 0;
    }
    return at == key.size() ? sum.Value() : 0;
}

// German and Dutch with their ordinal endings ("sechzigisten", "zehnten",
// "druttegesten", "twintigste", "vierde"), and Italian compounds.
CAtom CompoundAtom(std::string_view word) {
    if (word.size() < 3 || word.size() > 40)
        return {};
    using L = ENumberLanguage;
    static const std::vector<CKeyedWord> kGerman = KeyedRows(ENumberForm::Part, Bit(L::German));
    static const std::vector<CKeyedWord> kDutch = KeyedRows(ENumberForm::Part, Bit(L::Dutch));
    static const std::vector<CKeyedWord> kItalian = KeyedRows(ENumberForm::Part, Bit(L::Italian));
    // clang-format off
    static constexpr std::string_view kEndings[] = {
        "isten", "esten", "sten", "stem", "ster", "stes", "ste", "ten", "tem", "ter", "tes", "te",
        "den", "dem", "der", "des", "de", "en", "em", "er", "es", "e"};
    // clang-format on
    CAtom atom;
    const auto take = [&atom](std::int32_t value, L language, bool ordinal) {
        if (value <= 0 || (atom.nValue != 0 && atom.nValue != value))
            return;
        atom.nValue = value;
        atom.nLanguages |= Bit(language);
        atom.bOrdinal |= ordinal;
    };
    const std::string key = GermanicKey(word);
    for (const auto& [parts, language] : {std::pair{&kGerman, L::German}, {&kDutch, L::Dutch}}) {
        std::int32_t value = CompoundValue(key, *parts);
        bool ordinal = false;
        for (const std::string_view ending : kEndings) {
            if (value != 0)
                break;
            if (key.size() >= ending.size() + 3 &&
                key.compare(key.size() - ending.size(), ending.size(), ending) == 0) {
                value = CompoundValue(std::string_view(key).substr(0, key.size() - ending.size()),
                                      *parts);
                ordinal = value != 0;
            }
        }
        take(value, language, ordinal);
    }
    take(CompoundValue(word, kItalian), L::Italian, false);
    if (atom.nValue == 0)
        return {};
    // "tausend", "hundert" alone multiply; "tausendsten" is a count.
    atom.eKind = atom.bOrdinal || (atom.nValue != 1000 && atom.nValue != 100) ? EAtom::Unit
                 : atom.nValue == 1000                                        ? EAtom::Thousand
                                                                              : EAtom::Hundred;
    atom.bWord = true;
    return atom;
}

// French ordinals from the cardinals: "septiesme", "unziesme", "cinquiesme",
// "neufviesme", "vingtiesme", "milliesme".
CAtom FrenchOrdinalAtom(std::string_view word) {
    for (const std::string_view ending : {"iesme", "ieme", "yesme", "isme"}) {
        if (word.size() < ending.size() + 2 ||
            word.compare(word.size() - ending.size(), ending.size(), ending) != 0)
            continue;
        const std::string stem(word.substr(0, word.size() - ending.size()));
        std::vector<std::string> tries = {stem, stem + 'e'};
        if (stem.back() == 'u' || stem.back() == 'v')
            tries.push_back(stem.substr(0, stem.size() - 1)); // "cinqu", "neufv"
        if (stem.back() == 'v')
            tries.push_back(stem.substr(0, stem.size() - 1) + 'f'); // "neuv"
        CAtom found;
        for (const std::string& t : tries) {
            const CAtom atom = WordAtom(t);
            if (atom.eKind == EAtom::None || (atom.nLanguages & Bit(ENumberLanguage::French)) == 0)
                continue;
            if (found.eKind != EAtom::None && found.nValue != atom.nValue)
                return {}; // "dousiesme": "dous" two or "douse" twelve
            found = atom;
        }
        if (found.eKind != EAtom::None) {
            found.eKind = EAtom::Unit;
            found.bOrdinal = true;
            found.nLanguages = Bit(ENumberLanguage::French);
            return found;
        }
    }
    return {};
}

// A Roman numeral with a French ordinal ending: "XIIe", "Vme", "IIIeme".
std::int32_t RomanOrdinalValue(std::string_view word) {
    for (const std::string_view ending : {"eme", "me", "e"}) {
        if (word.size() <= ending.size() ||
            word.compare(word.size() - ending.size(), ending.size(), ending) != 0)
            continue;
        const std::string_view numeral = word.substr(0, word.size() - ending.size());
        // "vie", "lie", "die", "mie" are words; "VIe" is lost with them.
        if (ending == "e" &&
            (numeral.size() < 2 || numeral == "vi" || numeral == "li" || numeral == "ci"))
            continue;
        if (numeral.find_first_of("dm") != std::string_view::npos)
            continue;
        if (const std::int32_t v = RomanValue(numeral))
            return v;
    }
    return 0;
}

enum class ELatin { AblativeOnly, AnyCase };

CAtom LatinAtom(std::string_view word, ELatin mode, std::string* ending = nullptr,
                bool split = true) {
    static const std::vector<CKeyedWord> kOrdinals =
        KeyedRows(ENumberForm::Ordinal, Bit(ENumberLanguage::Latin));
    static const std::vector<CKeyedWord> kCardinals =
        KeyedRows(ENumberForm::Cardinal, Bit(ENumberLanguage::Latin));
    const std::string key = LatinKey(word);
    const auto withEnding = [&key](std::string_view end) {
        return key.size() > end.size() &&
               key.compare(key.size() - end.size(), end.size(), end) == 0;
    };
    CAtom atom;
    atom.bWord = true;
    atom.nLanguages = Bit(ENumberLanguage::Latin);
    for (const std::string_view end : {"o", "a", "e", "i", "us", "um", "am", "is"}) {
        if ((mode == ELatin::AblativeOnly && end != "o") || !withEnding(end))
            continue;
        const std::string_view stem = std::string_view(key).substr(0, key.size() - end.size());
        for (const CKeyedWord& k : kOrdinals) {
            if (k.strKey == stem) {
                if (ending != nullptr)
                    *ending = end;
                atom.eKind = EAtom::Unit;
                atom.nValue = k.pRow->nValue;
                return atom;
            }
        }
    }
    // "quadringenti", "quadringentis", "quadringentorum"
    for (const std::string_view end : {"i", "e", "a", "os", "as", "is", "orum", "arum", "ibus"}) {
        if (!withEnding(end))
            continue;
        const std::string_view stem = std::string_view(key).substr(0, key.size() - end.size());
        for (const CKeyedWord& k : kCardinals) {
            if (k.strKey == stem) {
                atom.eKind = EAtom::Unit;
                atom.nValue = k.pRow->nValue;
                return atom;
            }
        }
    }
    // Two ordinals written as one word: "quintodecimo", "vicesimoprimo".
    // The first part is one ordinal, never split again: a word of many "o"s
    // would otherwise be cut every way there is.
    if (split && key.size() >= 8 && key.size() <= 40 && withEnding("o")) {
        for (std::size_t cut = 4; cut + 4 <= key.size(); ++cut) {
            if (key[cut - 1] != 'o')
                continue;
            const CAtom a = LatinAtom(std::string_view(key).substr(0, cut), mode, nullptr, false);
            if (a.eKind != EAtom::Unit)
                continue;
            const CAtom b = LatinAtom(std::string_view(key).substr(cut), mode);
            CSum sum;
            if (a.eKind == EAtom::Unit && b.eKind == EAtom::Unit && sum.Add(a) && sum.Add(b)) {
                if (ending != nullptr)
                    *ending = "o";
                atom.eKind = EAtom::Unit;
                atom.nValue = sum.Value();
                return atom;
            }
        }
    }
    return {};
}

bool IsOrdinalSuffix(std::string_view s) {
    // clang-format off
    static constexpr std::string_view kSuffixes[] = {
        "th", "st", "nd", "rd", "a", "o", "e", "er", "re", "eme", "me", "ieme", "ten", "te",
        "ter", "tes", "ste", "sten", "us", "um", "mo"};
    // clang-format on
    return OneOf(s, kSuffixes);
}

// One word as a number: digits ("1316", "9th", "3a"), a Roman numeral, or a
// number word of one of the languages.
CAtom ReadAtom(const CClauseWord& w, ELatin mode) {
    const std::string& t = w.strText;
    CAtom atom;
    if (t.empty())
        return atom;
    if (OneOf(t, kConjunctions)) {
        atom.eKind = EAtom::Conj;
        return atom;
    }
    if (IsDigit(t[0])) {
        std::size_t n = 0;
        std::int32_t value = 0;
        while (n < t.size() && IsDigit(t[n])) {
            if (n >= 6)
                return {};
            value = value * 10 + (t[n] - '0');
            ++n;
        }
        if (n < t.size() && !IsOrdinalSuffix(std::string_view(t).substr(n)))
            return {};
        if (value == 0)
            return {};
        atom = {EAtom::Unit, value};
        atom.bDigits = true;
        return atom;
    }
    atom = WordAtom(t);
    if (atom.eKind != EAtom::None) {
        // "mille" is Italian too, "acht" Dutch as well as German.
        const CAtom compound = CompoundAtom(t);
        if (compound.nValue == atom.nValue)
            atom.nLanguages |= compound.nLanguages;
        return atom;
    }
    atom = FrenchOrdinalAtom(t);
    if (atom.eKind != EAtom::None)
        return atom;
    for (const auto value : {RomanValue(t), RomanTimesValue(t), RomanOrdinalValue(t)}) {
        if (value > 0) {
            atom = {EAtom::Unit, value};
            atom.bRoman = true;
            return atom;
        }
    }
    atom = LatinAtom(t, mode);
    if (atom.eKind != EAtom::None)
        return atom;
    return CompoundAtom(t);
}

bool IsNumberAtom(const CAtom& a) {
    return a.eKind != EAtom::None && a.eKind != EAtom::Conj;
}

struct CNumber {
    std::int32_t nValue = 0;
    std::size_t nFirst = kNoWord, nLast = kNoWord;
    std::size_t nAtoms = 0;
    bool bDigits = false, bRoman = false, bWord = false;
    bool bSingleLetter = false;              // one Roman letter alone: "d." is an abbreviation
    bool bLastOrdinal = false;               // its last word has an ordinal ending: "im zehnten"
    std::uint8_t nLanguages = kAllLanguages; // shared by all its number words
    bool Found() const { return nFirst != kNoWord; }
};

// The number phrase that starts at word i: "M\xB0 CC\xB0 XL\xB0 octavo", "mil trois cens
// dix et sept", "1300 et vingt et un", "funfzehnhundertsten und neunten".
CNumber ReadNumber(const std::vector<CClauseWord>& words, std::size_t i,
                   const std::vector<bool>& claimed, ELatin mode) {
    CNumber number;
    CSum sum;
    bool lastDigits = false, lastRoman = false, sawWord = false;
    std::size_t j = i;
    while (j < words.size() && !claimed[j]) {
        CAtom atom = ReadAtom(words[j], mode);
        std::size_t next = j + 1;
        CSum trial = sum;
        if (atom.eKind == EAtom::Conj) {
            if (!number.Found() || next >= words.size() || claimed[next])
                break;
            atom = ReadAtom(words[next], mode);
            if (!IsNumberAtom(atom))
                break;
            trial.Conjunction();
            ++next;
        } else if (!IsNumberAtom(atom)) {
            // "CCCCXI//mo", "I\xB0": the ordinal's ending written apart.
            if (number.Found() && (lastRoman || lastDigits) &&
                (words[j].strText == "mo" || words[j].strText == "o") && j == number.nLast + 1) {
                number.nLast = j;
                ++j;
                continue;
            }
            break;
        } else if (number.Found()) {
            // Digits are written as one number: "1316 5" is two.
            if (atom.bDigits && (lastDigits || lastRoman))
                break;
            if (lastDigits && !sawWord)
                break;
            if (atom.bRoman && lastDigits)
                break;
            // Words of two languages are two numbers: "soixante tres haut" is not 63.
            if (atom.bWord && number.bWord && (atom.nLanguages & number.nLanguages) == 0)
                break;
        }
        if (!trial.Add(atom))
            break;
        sum = trial;
        if (!number.Found())
            number.nFirst = j;
        number.nLast = next - 1;
        number.bDigits |= atom.bDigits;
        number.bRoman |= atom.bRoman;
        number.bWord |= atom.bWord;
        if (atom.bWord)
            number.nLanguages &= atom.nLanguages;
        number.bLastOrdinal = atom.bOrdinal;
        sawWord |= atom.bWord;
        lastDigits = atom.bDigits;
        lastRoman = atom.bRoman;
        ++number.nAtoms;
        j = next;
    }
    number.nValue = sum.Value();
    number.bSingleLetter = number.nAtoms == 1 && number.bRoman && number.nFirst != kNoWord &&
                           words[number.nFirst].strText.size() == 1;
    return number;
}

// ---- Year words ---------------------------------------------------------

constexpr std::string_view kYearBefore[] = {"anno", "annum", "an",   "annee", "year",
                                            "ao",   "jaer",  "jaar", "iaer"};
// clang-format off
constexpr std::string_view kYearAfter[] = {
    "jar", "jare", "jars", "jares", "jahr", "jahre", "jahrs", "jahres", "jaren", "iar", "iare",
    "year"};
constexpr std::string_view kBirthWords[] = {
    "gepurd", "gepurde", "geburt", "geburd", "gepurt", "gebort"};
// clang-format on
// Words between a year word and its number: "anno a nativitate Domini",
// "l'an de grace nostre Signour", "nach Kristi gepurd", "in the year of our Lord".
// clang-format off
constexpr std::string_view kFormulaWords[] = {
    "domini", "dni", "d", "christi", "cristi", "kristi", "christes", "incarnationis",
    "incarnacionis", "dominice", "dominicae", "nativitate", "nativitatis", "a", "ab", "gracie",
    "gratie", "gratiae", "graciae", "salutis", "etc", "du", "de", "la", "seigneur", "signour",
    "nostre", "notre", "grace", "nativite", "christ", "jesu", "ihesu", "jhesu", "iesu", "inn",
    "in", "our", "lord", "of", "the", "von", "nach", "ons", "onses", "heren", "heeren", "heere",
    "int", "del", "di", "nostro", "signore", "signor", "della", "dalla", "nativita",
    "incarnazione", "salute"};
// clang-format on
// Years of an office, not of the Lord: "anno pontificatus nostri quinto".
// clang-format off
constexpr std::string_view kOfficeWords[] = {
    "regni", "regnante", "regnantis", "pontificatus", "imperii", "presulatus", "episcopatus",
    "ducatus", "regiminis", "consulatus", "etatis", "aetatis", "reign", "regne"};
// clang-format on

bool IsYearBefore(const std::vector<CClauseWord>& words, std::size_t k) {
    const std::string& t = words[k].strText;
    if (t == "an")
        return k > 0 && words[k - 1].strText == "l"; // French "l'an", not German "an"
    return OneOf(t, kYearBefore) || OneOf(t, kBirthWords);
}

bool IsYearAfter(const std::string& t) {
    return OneOf(t, kYearAfter);
}

struct CCall {
    bool bBefore = false;           // "anno", "l'an" ahead of the number
    bool bOffice = false;           // "anno regni", "anno pontificatus"
    std::size_t nFormula = kNoWord; // where the formula begins
};

CCall CallBefore(const std::vector<CClauseWord>& words, std::size_t first,
                 const std::vector<bool>& claimed) {
    CCall call;
    std::size_t k = first;
    std::size_t chainStart = kNoWord;
    for (std::size_t steps = 0; k > 0 && steps < kFormulaReach; ++steps) {
        --k;
        if (claimed[k])
            break;
        const std::string& t = words[k].strText;
        if (OneOf(t, kOfficeWords) || t == "nostri" || t == "sui") {
            call.bOffice |= OneOf(t, kOfficeWords);
            chainStart = k;
            continue;
        }
        if (IsYearBefore(words, k)) {
            call.bBefore = true;
            chainStart = k;
            continue;
        }
        if (OneOf(t, kFormulaWords) ||
            (t == "l" && k + 1 < words.size() && words[k + 1].strText == "an")) {
            chainStart = k;
            continue;
        }
        break;
    }
    if (call.bBefore && chainStart != kNoWord) {
        // A formula starts at a word that can start it, not at "de" or "in".
        std::size_t start = chainStart;
        while (start < first && (words[start].strText == "de" || words[start].strText == "la" ||
                                 words[start].strText == "du" || words[start].strText == "a" ||
                                 words[start].strText == "of" || words[start].strText == "etc"))
            ++start;
        call.nFormula = start;
    }
    return call;
}

bool OfficeAfter(const std::vector<CClauseWord>& words, std::size_t last) {
    for (std::size_t k = last + 1; k < words.size() && k <= last + 5; ++k) {
        if (OneOf(words[k].strText, kOfficeWords))
            return true;
    }
    return false;
}

// ---- Regnal years -------------------------------------------------------

struct CKingName {
    std::string_view strForm; // as written, folded
    std::string_view strBase; // the table's name without its number
};

// clang-format off
constexpr CKingName kKingNames[] = {
    {"willelmi", "William"}, {"willelmus", "William"}, {"willielmi", "William"}, {"guillelmi", "William"},
    {"guilielmi", "William"}, {"gulielmi", "William"}, {"william", "William"}, {"guillaume", "William"},
    {"will", "William"}, {"henrici", "Henry"}, {"henricus", "Henry"}, {"henry", "Henry"},
    {"henri", "Henry"}, {"hen", "Henry"}, {"stephani", "Stephen"}, {"stephanus", "Stephen"},
    {"stephen", "Stephen"}, {"etienne", "Stephen"}, {"estienne", "Stephen"}, {"ricardi", "Richard"},
    {"richardi", "Richard"}, {"ricardus", "Richard"}, {"richard", "Richard"}, {"ric", "Richard"},
    {"johannis", "John"}, {"iohannis", "John"}, {"john", "John"}, {"jean", "John"},
    {"jehan", "John"}, {"edwardi", "Edward"}, {"edwardus", "Edward"}, {"edward", "Edward"},
    {"edouard", "Edward"}, {"edw", "Edward"}, {"marie", "Mary"}, {"mariae", "Mary"},
    {"mary", "Mary"}, {"elizabethe", "Elizabeth"}, {"elizabeth", "Elizabeth"}, {"elisabeth", "Elizabeth"},
    {"elisabethe", "Elizabeth"}, {"eliz", "Elizabeth"}, {"jacobi", "James"}, {"iacobi", "James"},
    {"james", "James"}, {"jacques", "James"}, {"jac", "James"}, {"caroli", "Charles"},
    {"carolus", "Charles"}, {"charles", "Charles"}, {"car", "Charles"}, {"georgii", "George"},
    {"georgius", "George"}, {"george", "George"}, {"georges", "George"}, {"geo", "George"},
    {"anne", "Anne"}, {"anna", "Anne"}, {"victorie", "Victoria"}, {"victoria", "Victoria"},
    {"jane", "Jane"}, {"philippi", "Philip"}, {"philip", "Philip"}, {"philippe", "Philip"},
};
// clang-format on

const CKingName* KingName(const std::string& word) {
    static const std::vector<std::string> kKeys = [] {
        std::vector<std::string> keys;
        for (const CKingName& k : kKingNames)
            keys.push_back(LatinKey(k.strForm));
        return keys;
    }();
    const std::string key = LatinKey(word);
    for (std::size_t k = 0; k < kKeys.size(); ++k) {
        if (kKeys[k] == key)
            return &kKingNames[k];
    }
    return nullptr;
}

// Words between a king's name and the number of his year.
// clang-format off
constexpr std::string_view kRegnalFillers[] = {
    "of", "the", "reign", "our", "sovereign", "lord", "lady", "king", "queen", "regni", "regis",
    "regine", "reginae", "nostri", "domini", "domine", "serenissimi", "illustrissimi",
    "excellentissimi", "principis", "du", "de", "d", "le", "la", "regne", "roi", "reine", "year",
    "annee", "an", "anno", "in", "dicti", "l"};
constexpr std::string_view kAfterKingFillers[] = {
    "post", "conquestum", "conquestu", "conquest", "after", "the", "a", "ab", "apres", "la",
    "conquete", "anglie", "angliae", "francie", "hibernie", "scocie", "et", "dei", "gratia",
    "gracia", "rex", "regis"};
constexpr std::string_view kRegnalMarkers[] = {
    "regni", "regnante", "regnantis", "reign", "regne", "regis", "regine"};
// clang-format on

std::string RomanName(std::int32_t n) {
    // clang-format off
    static constexpr std::string_view kRoman[] = {
        "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    // clang-format on
    return n >= 1 && n <= 9 ? std::string(kRoman[n - 1]) : std::string();
}

bool IsRomanName(std::string_view s) {
    return !s.empty() && s.find_first_not_of("IVX") == std::string_view::npos;
}

// The king's own number after his name: "III", "tercii", "the third".
std::int32_t KingOrdinal(const std::vector<CClauseWord>& words, std::size_t k, std::size_t& last) {
    if (k >= words.size())
        return 0;
    std::size_t at = k;
    if (words[at].strText == "the" && at + 1 < words.size())
        ++at;
    const std::string& t = words[at].strText;
    if (const std::int32_t v = RomanValue(t);
        v >= 1 && v <= 9 && t.find('m') == std::string::npos) {
        last = at;
        return v;
    }
    std::string ending;
    const CAtom latin = LatinAtom(t, ELatin::AnyCase, &ending);
    if (latin.eKind == EAtom::Unit && ending != "o" && latin.nValue <= 9) {
        last = at;
        return latin.nValue;
    }
    if (at != k) {
        const CAtom word = ReadAtom(words[at], ELatin::AnyCase);
        if (word.bWord && word.nValue >= 1 && word.nValue <= 9) {
            last = at;
            return word.nValue;
        }
    }
    return 0;
}

std::vector<const CReign*> ReignsNamed(std::string_view base, std::int32_t ordinal) {
    std::vector<const CReign*> reigns;
    for (const CReign& reign : EnglishReigns()) {
        const std::string& name = reign.strEnglish;
        const bool plain = name == base;
        const bool numbered = name.size() > base.size() + 1 &&
                              name.compare(0, base.size(), base) == 0 && name[base.size()] == ' ' &&
                              IsRomanName(std::string_view(name).substr(base.size() + 1));
        if (ordinal == 0
                ? (plain || numbered)
                : (name == std::string(base) + ' ' + RomanName(ordinal) || (ordinal == 1 && plain)))
            reigns.push_back(&reign);
    }
    return reigns;
}

// The number phrase that ends at word last, read from its own start.
CNumber NumberEndingAt(const std::vector<CClauseWord>& words, std::size_t last,
                       const std::vector<bool>& claimed, ELatin mode, bool firstOfPair) {
    std::size_t start = last;
    for (std::size_t n = 0; start > 0 && n < 6; ++n) {
        const CAtom a = ReadAtom(words[start - 1], mode);
        if (a.eKind == EAtom::None || claimed[start - 1])
            break;
        --start;
    }
    for (std::size_t s = start; s <= last; ++s) {
        if (ReadAtom(words[s], mode).eKind == EAtom::Conj)
            continue;
        const CNumber n = ReadNumber(words, s, claimed, mode);
        if (n.Found() && (n.nLast == last || (firstOfPair && n.nLast < last)))
            return n;
    }
    return {};
}

void FindRegnalYears(const std::vector<CClauseWord>& words, std::vector<bool>& claimed,
                     std::vector<CClauseYear>& years) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (claimed[i])
            continue;
        const CKingName* king = KingName(words[i].strText);
        if (king == nullptr)
            continue;
        std::string_view base = king->strBase;
        std::size_t nameLast = i;
        // "Philippi et Marie", "William and Mary": one joint reign.
        if (i + 2 < words.size() && OneOf(words[i + 1].strText, kConjunctions)) {
            const CKingName* second = KingName(words[i + 2].strText);
            if (second != nullptr && second->strBase == "Mary" &&
                (base == "Philip" || base == "William")) {
                base = base == "Philip" ? "Philip and Mary" : "William and Mary";
                nameLast = i + 2;
            }
        }
        if (base == "Philip")
            continue;
        std::size_t ordLast = nameLast;
        const std::int32_t ordinal = KingOrdinal(words, nameLast + 1, ordLast);
        const bool joint = base == "Philip and Mary" || base == "William and Mary";

        // The number ahead of the name: "9 Edward III", "anno primo Elizabethe",
        // "the ninth year of the reign of King Edward III".
        CNumber number;
        std::size_t k = i;
        bool marker = false;
        for (std::size_t steps = 0; k > 0 && steps < 10; ++steps) {
            --k;
            if (claimed[k])
                break;
            const std::string& t = words[k].strText;
            if (OneOf(t, kRegnalMarkers))
                marker = true;
            if (OneOf(t, kRegnalFillers))
                continue;
            const CNumber n = NumberEndingAt(words, k, claimed, ELatin::AblativeOnly, joint);
            if (n.Found()) {
                // "1 Anne", "17 John": a name only one monarch bore needs no numeral.
                const auto named = ReignsNamed(base, 0);
                const bool only = named.size() == 1 && named.front()->strEnglish == base;
                const bool adjacent = k + 1 == i && (ordinal > 0 || joint || only);
                const bool yearBefore = n.nFirst > 0 && IsYearBefore(words, n.nFirst - 1);
                const bool yearAfter = k + 1 < words.size() && (words[k + 1].strText == "year" ||
                                                                words[k + 1].strText == "annee");
                if (adjacent || yearBefore || yearAfter)
                    number = n;
            }
            break;
        }
        // The number after it: "anno regni regis Edwardi tercii [post conquestum] nono".
        if (!number.Found() && marker) {
            for (std::size_t j = ordLast + 1, steps = 0; j < words.size() && steps < 8;
                 ++j, ++steps) {
                if (claimed[j])
                    break;
                if (OneOf(words[j].strText, kAfterKingFillers))
                    continue;
                number = ReadNumber(words, j, claimed, ELatin::AblativeOnly);
                break;
            }
        }
        if (!number.Found() || number.nValue < 1 || number.nValue > kMaxRegnal)
            continue;
        std::size_t first = std::min(number.nFirst, i);
        std::size_t last = std::max(number.nLast, ordLast);
        // "1 & 2 Philip and Mary", "primo et secundo": the first count names it.
        if (joint && last + 2 < words.size() && last == number.nLast &&
            OneOf(words[last + 1].strText, kConjunctions) &&
            IsNumberAtom(ReadAtom(words[last + 2], ELatin::AblativeOnly)))
            last += 2;
        for (std::size_t steps = 0; first > 0 && steps < 6 && !claimed[first - 1]; ++steps) {
            const std::string& t = words[first - 1].strText;
            if (!(OneOf(t, kRegnalFillers) || t == "anno" || IsYearBefore(words, first - 1)))
                break;
            --first;
        }
        while (first < i && (words[first].strText == "of" || words[first].strText == "de" ||
                             words[first].strText == "du" || words[first].strText == "la"))
            ++first;
        bool any = false;
        for (const CReign* reign : ReignsNamed(base, ordinal)) {
            if (RegnalYearDays(*reign, number.nValue).first.GetDayNumber() == 0)
                continue;
            CClauseYear year;
            year.nFirst = first;
            year.nLast = last;
            year.pReign = reign;
            year.nRegnal = number.nValue;
            years.push_back(year);
            any = true;
        }
        if (any) {
            for (std::size_t w = first; w <= last; ++w)
                claimed[w] = true;
            i = last;
        }
    }
}

// ---- Years of the Lord --------------------------------------------------

// Words between the hundreds and the rest of a year: "1400 jar und darnach in dem 7. jar".
// clang-format off
constexpr std::string_view kBridge[] = {
    "jar", "jare", "jahr", "jahre", "jaren", "iar", "darnach", "dornach", "darnah",
    "dar", "nach", "in", "im", "ym", "dem", "deme"};
// clang-format on

// A word shaped like a number word the tables lack: "octuagessimo",
// "sibentzig", "quarentiesme", "seventyeth".
bool LooksLikeNumberWord(const std::string& t) {
    if (t.size() < 6)
        return false;
    const auto endsWith = [](std::string_view s, std::string_view end) {
        return s.size() > end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
    };
    const std::string germanic = GermanicKey(t);
    // clang-format off
    static constexpr std::string_view kInside[] = {
        "zig", "zich", "tig", "zehen", "zehn", "hundert", "hondert", "honderd", "tausen", "tusen",
        "dusen", "duisen", "cento"};
    static constexpr std::string_view kEndings[] = {
        "iesme", "ieme", "ante", "anta", "tich", "tig", "teen", "tieth"};
    // clang-format on
    const std::string latin = LatinKey(t);
    return (endsWith(latin, "simo") && latin != "prosimo") ||
           std::any_of(
               std::begin(kInside), std::end(kInside),
               [&](std::string_view in) { return germanic.find(in) != std::string::npos; }) ||
           std::any_of(std::begin(kEndings), std::end(kEndings),
                       [&](std::string_view end) { return endsWith(t, end); });
}

// The word after a year of number words (past "et", "und", "jar", "darnach")
// that is a number word of its language, or looks like one: the year was not
// read whole. A count of days is not one ("quinto die", "le quinziesme jour").
std::size_t LeftOver(const std::vector<CClauseWord>& words, std::size_t last,
                     const std::vector<bool>& claimed, std::uint8_t languages) {
    std::size_t j = last + 1;
    for (std::size_t steps = 0; j < words.size() && steps < 4 && !claimed[j]; ++steps, ++j) {
        const std::string& t = words[j].strText;
        if (!(OneOf(t, kConjunctions) || OneOf(t, kBridge) || IsYearAfter(t)))
            break;
    }
    if (j >= words.size() || claimed[j])
        return kNoWord;
    // "millesimo quadringentesimo, sexto kalendas maii": the last ordinal may
    // be the year's or the day's; the comma that told them apart is gone.
    // clang-format off
    static constexpr std::string_view kRomanDays[] = {
        "kalendas", "kalendis", "kal", "idus", "id", "nonas", "nonis", "non"};
    // clang-format on
    if (j == last + 1 && OneOf(words[j].strText, kRomanDays)) {
        const CAtom unit = ReadAtom(words[last], ELatin::AblativeOnly);
        if (unit.eKind == EAtom::Unit && unit.nValue < 20 && !unit.bDigits)
            return last;
    }
    if (j + 1 < words.size() &&
        (ClassifyClauseWord(words[j + 1].strText, words[j + 1].bMarked).eKind ==
             EClauseWord::DayWord ||
         MonthOfClauseWord(words[j + 1].strText) != 0))
        return kNoWord;
    const CAtom atom = ReadAtom(words[j], ELatin::AblativeOnly);
    if (IsNumberAtom(atom))
        return atom.bWord && (atom.nLanguages & languages) != 0 ? j : kNoWord;
    return LooksLikeNumberWord(words[j].strText) ? j : kNoWord;
}

std::size_t TrailingYearWord(const std::vector<CClauseWord>& words, std::size_t last) {
    if (last + 1 < words.size() &&
        (IsYearAfter(words[last + 1].strText) || words[last + 1].strText == "ans"))
        return last + 1;
    return last;
}

void FindYearsOfTheLord(const std::vector<CClauseWord>& words, std::int32_t contextYear,
                        std::vector<bool>& claimed, std::vector<CClauseYear>& years) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (claimed[i])
            continue;
        const CNumber number = ReadNumber(words, i, claimed, ELatin::AblativeOnly);
        if (!number.Found())
            continue;
        const CCall call = CallBefore(words, number.nFirst, claimed);
        const bool etc = number.nFirst > 0 && words[number.nFirst - 1].strText == "etc";
        const bool calledAfter =
            number.nLast + 1 < words.size() && IsYearAfter(words[number.nLast + 1].strText);
        const bool called =
            (call.bBefore || calledAfter) && !call.bOffice && !OfficeAfter(words, number.nLast);
        std::int32_t value = number.nValue;
        bool century = false;
        bool isYear = false;
        if (value > kLastYear) {
            isYear = false;
        } else if (etc && value < 1000) {
            // "anno etc. LVI", "anno etc. CCCC": the scribe left out what all knew.
            if (contextYear > 0) {
                value += value < 100 ? contextYear / 100 * 100 : contextYear / 1000 * 1000;
                century = isYear = true;
            }
        } else if (number.bSingleLetter && !(called && value >= 1000)) {
            isYear = false; // "d." for "domini", "M." for a name
        } else if (value >= 1000) {
            // One word alone must be called: "dusent jungfern" are not a year, "MCCCXVI" is.
            const CClauseWord& only = words[number.nFirst];
            isYear = number.bDigits || number.nAtoms >= 2 || called ||
                     (number.bRoman && (only.strText.size() >= 3 || only.bMarked)) ||
                     (number.bWord && value > 1000); // "vierzehenhundert", not "dusent"
        } else if (value >= 100) {
            isYear = (number.bDigits && !number.bRoman && !number.bWord) || called;
        } else if (called && !number.bRoman) {
            if (contextYear > 0) {
                value += contextYear / 100 * 100;
                century = isYear = true;
            }
        } else if (called && (call.bBefore || number.nAtoms >= 2)) {
            // A Roman numeral after "anno" alone: "anno XVI\xB0".
            if (contextYear > 0) {
                value += contextYear / 100 * 100;
                century = isYear = true;
            }
        }
        if (!isYear || value < 1 || value > kLastYear) {
            // A number that is no year is passed over whole: "Dom. XXIII".
            i = number.nLast;
            continue;
        }
        CClauseYear year;
        year.nYear = value;
        year.bCenturyFromContext = century;
        year.nFirst = call.nFormula != kNoWord ? call.nFormula : number.nFirst;
        if (etc && call.nFormula == kNoWord)
            year.nFirst = number.nFirst - 1;
        year.nLast = TrailingYearWord(words, number.nLast);
        std::size_t lastNumber = number.nLast;
        // "1400 jar und darnach in dem 7. jar", "tausend vierhundert und im sechsten jar".
        if (!century && value >= 1000 && value % 100 == 0) {
            std::size_t j = number.nLast + 1;
            bool onlyAnd = true;
            for (std::size_t steps = 0; j < words.size() && steps < 6 && !claimed[j]; ++steps) {
                if (OneOf(words[j].strText, kBridge))
                    onlyAnd = false;
                else if (!OneOf(words[j].strText, kConjunctions))
                    break;
                ++j;
            }
            if (j < words.size() && j > number.nLast + 1) {
                const CNumber units = ReadNumber(words, j, claimed, ELatin::AblativeOnly);
                const bool yearWord = units.Found() && units.nLast + 1 < words.size() &&
                                      IsYearAfter(words[units.nLast + 1].strText);
                if (units.Found() && units.nValue >= 1 && units.nValue < 100 &&
                    (onlyAnd || yearWord || units.bLastOrdinal)) {
                    year.nYear += units.nValue;
                    year.nLast = TrailingYearWord(words, units.nLast);
                    lastNumber = units.nLast;
                }
            }
        }
        // "1653/4", "1653/54", "1653-4", "1653/1654": the second is the next year.
        if (number.bDigits && number.nAtoms == 1 && value >= 1000 && !century &&
            number.nLast + 1 < words.size() && !claimed[number.nLast + 1] &&
            (words[number.nLast].chAfter == '/' || words[number.nLast].chAfter == '-' ||
             words[number.nLast].chAfter == '\x96')) { // an en dash: "1667\x9668"
            const std::string& second = words[number.nLast + 1].strText;
            // Only a second year of up to four digits is counted: no more can be one.
            std::int32_t modulo = 1;
            for (std::size_t d = 0; d < second.size() && d < 5; ++d)
                modulo *= 10;
            const CAtom atom = ReadAtom(words[number.nLast + 1], ELatin::AblativeOnly);
            if (atom.bDigits && std::to_string(atom.nValue) == second &&
                (second.size() <= 2 || second.size() == 4) && atom.nValue == (value + 1) % modulo) {
                year.bDoubleYear = true;
                year.nLast = TrailingYearWord(words, number.nLast + 1);
            }
        }
        if (number.bWord) {
            if (const std::size_t left = LeftOver(words, lastNumber, claimed, number.nLanguages);
                left != kNoWord) {
                year.bIncomplete = true;
                year.nYear = 0;
                year.bCenturyFromContext = false;
                year.nLast = TrailingYearWord(words, left);
            }
        }
        for (std::size_t w = year.nFirst; w <= year.nLast; ++w)
            claimed[w] = true;
        years.push_back(year);
        i = year.nLast;
    }
}

bool IsIndictionWord(const CClauseWord& w) {
    const std::string& t = w.strText;
    if (t == "ind" || t == "indict" || t == "romerzinszahl" || t == "zinszahl" ||
        t == "romerzinszal")
        return true;
    return t.size() >= 7 && (t.compare(0, 5, "indic") == 0 || t.compare(0, 5, "indik") == 0 ||
                             t.compare(0, 5, "indix") == 0 || t.compare(0, 5, "indiz") == 0);
}

} // namespace

std::optional<CClauseIndiction> FindClauseIndiction(const std::vector<CClauseWord>& words) {
    const std::vector<bool> none(words.size(), false);
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!IsIndictionWord(words[i]))
            continue;
        // After the word ("indictione XV"), else before it ("quinta decima indictione").
        CNumber n;
        if (i + 1 < words.size())
            n = ReadNumber(words, i + 1, none, ELatin::AnyCase);
        if (n.Found() && n.nValue >= 1 && n.nValue <= 15)
            return CClauseIndiction{n.nValue, i, n.nLast};
        if (i > 0) {
            n = NumberEndingAt(words, i - 1, none, ELatin::AnyCase, false);
            if (n.Found() && n.nValue >= 1 && n.nValue <= 15)
                return CClauseIndiction{n.nValue, n.nFirst, i};
        }
    }
    return std::nullopt;
}

std::vector<CClauseYear> FindClauseYears(const std::vector<CClauseWord>& words,
                                         std::int32_t contextYear) {
    std::vector<CClauseYear> years;
    std::vector<bool> claimed(words.size(), false);
    if (const auto indiction = FindClauseIndiction(words)) {
        for (std::size_t w = indiction->nFirst; w <= indiction->nLast; ++w)
            claimed[w] = true;
    }
    FindRegnalYears(words, claimed, years);
    FindYearsOfTheLord(words, contextYear, claimed, years);
    std::stable_sort(years.begin(), years.end(), [](const CClauseYear& a, const CClauseYear& b) {
        return a.nFirst < b.nFirst;
    });
    return years;
}

namespace {

struct CElementMarker {
    std::string_view strPrefix; // of the folded word
    EClauseElement eKind;
    std::int32_t nMax;  // the largest number it can have
    std::size_t nReach; // words from the marker to its number, at most
};

// clang-format off
constexpr CElementMarker kElementMarkers[] = {
    {"pontificat", EClauseElement::PontificalYear, 60, 8},
    {"regni", EClauseElement::RegnalYear, 70, 6}, {"regne", EClauseElement::RegnalYear, 70, 6},
    {"epact", EClauseElement::Epact, 30, 3}, {"epakt", EClauseElement::Epact, 30, 3},
    {"concurren", EClauseElement::Concurrent, 7, 3}, {"concuren", EClauseElement::Concurrent, 7, 3},
};
// Words of an element's formula ahead of its marker: "l'an de nostre regne".
constexpr std::string_view kElementFillers[] = {
    "anno", "an", "l", "annee", "de", "du", "nostre", "notre", "nostri", "sui", "year", "of",
    "our", "the", "in", "le"};
// The number after these is a pope's or a king's own: "Johannis pape XXII".
constexpr std::string_view kOwnNumber[] = {"pape", "papae", "papa", "pp", "pontificis"};
// clang-format on

// The "l" of "l'an" is an article, not fifty.
bool IsElementNumberStart(const std::vector<CClauseWord>& words, std::size_t k) {
    if (words[k].strText == "l" && k + 1 < words.size() && words[k + 1].strText == "an")
        return false;
    return IsNumberAtom(ReadAtom(words[k], ELatin::AnyCase));
}

CNumber ElementNumber(const std::vector<CClauseWord>& words, std::size_t marker,
                      const CElementMarker& m, const std::vector<bool>& claimed) {
    for (std::size_t j = marker + 1, steps = 0; j < words.size() && steps < m.nReach;
         ++j, ++steps) {
        if (claimed[j])
            break;
        if (!IsElementNumberStart(words, j))
            continue;
        const CNumber n = ReadNumber(words, j, claimed, ELatin::AnyCase);
        if (OneOf(words[j - 1].strText, kOwnNumber)) {
            j = n.nLast;
            continue;
        }
        return n;
    }
    // "anno quinto pontificatus nostri", "le septiesme an de nostre regne"
    std::size_t k = marker;
    for (std::size_t steps = 0; k > 0 && steps < 4; ++steps) {
        --k;
        if (claimed[k])
            break;
        if (IsElementNumberStart(words, k))
            return NumberEndingAt(words, k, claimed, ELatin::AnyCase, false);
        if (!OneOf(words[k].strText, kElementFillers))
            break;
    }
    return {};
}

} // namespace

std::vector<CClauseElement> FindUncheckedElements(const std::vector<CClauseWord>& words) {
    std::vector<bool> claimed(words.size(), false);
    for (const CClauseYear& year : FindClauseYears(words, 0)) {
        for (std::size_t w = year.nFirst; w <= year.nLast && w < words.size(); ++w)
            claimed[w] = true;
    }
    if (const auto indiction = FindClauseIndiction(words)) {
        for (std::size_t w = indiction->nFirst; w <= indiction->nLast; ++w)
            claimed[w] = true;
    }
    std::vector<CClauseElement> elements;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& t = words[i].strText;
        const CElementMarker* marker = nullptr;
        for (const CElementMarker& m : kElementMarkers) {
            if (t.compare(0, m.strPrefix.size(), m.strPrefix) == 0)
                marker = &m;
        }
        if (marker == nullptr || claimed[i])
            continue;
        CClauseElement element;
        element.eKind = marker->eKind;
        element.nFirst = element.nLast = i;
        const CNumber n = ElementNumber(words, i, *marker, claimed);
        if (n.Found() && n.nValue >= 1 && n.nValue <= marker->nMax) {
            element.value = n.nValue;
            element.nFirst = std::min(i, n.nFirst);
            element.nLast = std::max(i, n.nLast);
        }
        while (element.nFirst > 0 && !claimed[element.nFirst - 1] &&
               OneOf(words[element.nFirst - 1].strText, kElementFillers))
            --element.nFirst;
        while (element.nLast + 1 < words.size() && !claimed[element.nLast + 1] &&
               (words[element.nLast + 1].strText == "nostri" ||
                words[element.nLast + 1].strText == "sui"))
            ++element.nLast;
        for (std::size_t w = element.nFirst; w <= element.nLast; ++w)
            claimed[w] = true;
        elements.push_back(element);
        i = element.nLast;
    }
    return elements;
}

std::string ClauseElementName(EClauseElement kind) {
    switch (kind) {
    case EClauseElement::RegnalYear:
        return LoadResString(IDS_REGNAL_YEAR);
    case EClauseElement::PontificalYear:
        return LoadResString(IDS_PONTIFICAL_YEAR);
    case EClauseElement::Epact:
        return LoadResString(IDS_EPACT);
    case EClauseElement::Concurrent:
        return "concurrent"; // the same word in French
    }
    return {};
}

std::string UncheckedElementText(const CClauseElement& element) {
    std::string text = FormatResString(IDS_NOT_CHECKED, {ClauseElementName(element.eKind)});
    if (element.value)
        text += ' ' + std::to_string(*element.value);
    return text;
}
