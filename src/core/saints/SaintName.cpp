#include "saints/SaintName.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>

namespace {

constexpr char kE = static_cast<char>(kUpperEAcute);
constexpr char kC = static_cast<char>(kUpperCCedil);

// One byte of the name as it goes into the normal form; 0 for a separator.
unsigned char FoldByte(unsigned char c) {
    switch (c) {
    case 0xC7:
    case 0xE7:
        return kUpperCCedil;
    case 0xC8:
    case 0xC9:
    case 0xCA:
    case 0xE8:
    case 0xE9:
    case 0xEA:
    case 0xEB:
        return kUpperEAcute;
    case 0xCE:
    case 0xEC:
    case 0xED:
    case 0xEE:
    case 0xEF:
        return 'I';
    case 0xF1:
        return 'N';
    case 0xF8:
        return 'O';
    case 0xFD:
    case 0xFF:
        return 'Y';
    case '*':
    case '?':
        return c;
    default:
        break;
    }
    if (c >= 0xE0 && c <= 0xE6)
        return 'A';
    if (c >= 0xF2 && c <= 0xF6)
        return 'O';
    if (c >= 0xF9 && c <= 0xFC)
        return 'U';
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return c;
    return 0;
}

void Trim(std::string& text) {
    const auto last = text.find_last_not_of(' ');
    if (last == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(last + 1);
    text.erase(0, text.find_first_not_of(' '));
}

// Spells out one abbreviation wherever it stands as a whole word.
void SpellOut(std::string& text, std::string_view word, std::string_view full) {
    // Built by appends: GCC 12 at -O3 misreads `" " + std::string(word) + " "`
    // as an overlapping copy (-Wrestrict).
    std::string pattern;
    pattern.reserve(word.size() + 2);
    pattern.append(1, ' ').append(word).append(1, ' ');
    for (auto pos = text.find(pattern); pos != std::string::npos; pos = text.find(pattern, pos))
        text.replace(pos + 1, word.size(), full);
}

void SplitInto(const std::string& text, std::unique_ptr<std::vector<std::string>>& list) {
    if (text.find(' ') == std::string::npos) {
        list.reset();
        return;
    }
    if (list)
        list->clear();
    else
        list = std::make_unique<std::vector<std::string>>();
    list->reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), ' ')) + 1);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto start = text.find_first_not_of(' ', pos);
        if (start == std::string::npos)
            break;
        auto end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        list->emplace_back(text, start, end - start);
        pos = end;
    }
}

// The phonetic coder: one pass over the normal form followed by a space.
class CKeyCoder {
public:
    explicit CKeyCoder(std::string_view normal) : m_s(normal) {
        m_s += ' ';
        m_out.reserve(m_s.size() + 8);
    }

    std::string Run() {
        while (m_pos < m_s.size()) {
            m_skip = 0;
            Code();
            m_pos += 1 + m_skip;
        }
        Trim(m_out);
        return std::move(m_out);
    }

private:
    // The character k places after the current one; -1 past the end.
    int At(std::size_t k) const {
        const std::size_t i = m_pos + k;
        return i < m_s.size() ? static_cast<unsigned char>(m_s[i]) : -1;
    }
    bool Is(std::size_t k, char c) const { return At(k) == static_cast<unsigned char>(c); }
    bool IsAny(std::size_t k, std::initializer_list<char> set) const {
        for (char c : set)
            if (Is(k, c))
                return true;
        return false;
    }
    bool End(std::size_t k) const { return Is(k, ' '); }
    bool Vowel(std::size_t k) const {
        return At(k) >= 0 && IsVowel(static_cast<unsigned char>(At(k)));
    }
    bool Cons(std::size_t k) const {
        return At(k) >= 0 && IsConsonant(static_cast<unsigned char>(At(k)));
    }
    // A consonant other than c.
    bool ConsBut(std::size_t k, char c) const { return Cons(k) && !Is(k, c); }
    bool ConsOrEnd(std::size_t k) const { return Cons(k) || End(k); }
    bool ConsButOrEnd(std::size_t k, char c) const { return ConsBut(k, c) || End(k); }
    bool SoftVowel(std::size_t k) const { return IsAny(k, {'E', kE, 'I', 'Y'}); }
    bool WordStart() const {
        return m_pos == 0 || !IsLetter(static_cast<unsigned char>(m_s[m_pos - 1]));
    }

    // Emits a rule's output and consumes n characters after the current one.
    void Put(std::string_view text, std::size_t n = 0) {
        m_out += text;
        m_skip = n;
    }

    void Code();
    void CodeA();
    void CodeC();
    void CodeD();
    void CodeE();
    void CodeG();
    void CodeI();
    void CodeK();
    void CodeL();
    void CodeO();
    void CodeP();
    void CodeQ();
    void CodeR();
    void CodeS();
    void CodeT();
    void CodeV();
    void CodeX();
    void CodeY();

    std::string m_s;
    std::string m_out;
    std::size_t m_pos = 0;
    std::size_t m_skip = 0;
};

void CKeyCoder::Code() {
    const char c = m_s[m_pos];
    switch (c) {
    case 'A':
        return CodeA();
    case 'B':
        if (Is(1, 'V'))
            return Put("V", 1);
        if (Is(1, 'B'))
            return Put("");
        return Put("B");
    case 'C':
        return CodeC();
    case kC:
        if (Is(1, kC))
            return Put("");
        return Put("S");
    case 'D':
        return CodeD();
    case 'E':
        return CodeE();
    case kE:
        if (Is(1, kE))
            return Put("");
        return Put({&kE, 1});
    case 'F':
        if (Is(1, 'V'))
            return Put("F", 1);
        if (Is(1, 'F'))
            return Put("");
        return Put("F");
    case 'G':
        return CodeG();
    case 'H':
        return Put("");
    case 'I':
        return CodeI();
    case 'J':
        if (Is(1, 'J'))
            return Put("");
        return Put("J");
    case 'K':
        return CodeK();
    case 'L':
        return CodeL();
    case 'M':
        if (Is(1, 'M'))
            return Put("");
        return Put("M");
    case 'N':
        if (Is(1, 'N'))
            return Put("");
        return Put("N");
    case 'O':
        return CodeO();
    case 'P':
        return CodeP();
    case 'Q':
        return CodeQ();
    case 'R':
        return CodeR();
    case 'S':
        return CodeS();
    case 'T':
        return CodeT();
    case 'U':
        if (Is(1, 'M') && IsAny(2, {'B', 'P'}))
            return Put("UN", 1);
        if (Is(1, 'U'))
            return Put("");
        return Put("U");
    case 'V':
        return CodeV();
    case 'W':
        if (Is(1, 'V'))
            return Put("V", 1);
        if (Is(1, 'W'))
            return Put("");
        return Put("V");
    case 'X':
        return CodeX();
    case 'Y':
        return CodeY();
    case 'Z':
        if (Is(1, 'S'))
            return Put("S", 1);
        if (Is(1, 'Z'))
            return Put("");
        return Put("Z");
    case '*':
    case '?':
        if (Is(1, c))
            return Put("");
        return Put({&m_s[m_pos], 1});
    default:
        return Put(" ");
    }
}

void CKeyCoder::CodeA() {
    if (Is(1, 'E') && Is(2, 'N') && End(3))
        return Put("EN", 2);
    if (Is(1, 'E'))
        return Put("\xC9", 1);
    if (Is(1, 'I') && Is(2, 'L') && End(3))
        return Put("AI", 2);
    if (Is(1, 'I') && Is(2, 'M') && End(3))
        return Put("IN", 2);
    if (Is(1, 'I') && Is(2, 'N') && ConsButOrEnd(3, 'N'))
        return Put("IN", 2);
    if (Is(1, 'I') && !(Is(2, 'L') && Is(3, 'L')))
        return Put("\xC9", 1);
    if (Is(1, 'M') && Is(2, 'P') && ConsBut(3, 'P'))
        return Put("EN", 2);
    if (Is(1, 'M') && IsAny(2, {'B', 'P'}))
        return Put("EN", 1);
    if (Is(1, 'M') && ConsBut(2, 'M'))
        return Put("AM", 1);
    if (Is(1, 'N') && End(2))
        return Put("EN", 1);
    if (Is(1, 'N') && ConsBut(2, 'N'))
        return Put("EN", 1);
    if (Is(1, 'O') && Is(2, 'N') && End(3))
        return Put("EN", 2);
    if (Is(1, 'O'))
        return Put("AO", 1);
    if (Is(1, 'U') && Is(2, 'X') && End(3) && WordStart())
        return Put("O", 2);
    if (Is(1, 'U'))
        return Put("O", 1);
    if (Is(1, 'Y') && Is(2, 'E') && End(3))
        return Put("\xC9", 2);
    if (Is(1, 'Y') && Is(2, 'N') && ConsButOrEnd(3, 'N'))
        return Put("IN", 2);
    if (Is(1, 'Y') && ConsOrEnd(2))
        return Put("\xC9", 1);
    if (Is(1, 'A'))
        return Put("");
    return Put("A");
}

void CKeyCoder::CodeC() {
    if (Is(1, 'C'))
        return Put("K", 1);
    if (SoftVowel(1))
        return Put("S");
    if (Is(1, 'H') && Is(2, 'R'))
        return Put("K", 1);
    if (Is(1, 'H') && End(2))
        return Put("K", 1);
    if (Is(1, 'H'))
        return Put("CH", 1);
    if (Is(1, 'K'))
        return Put("");
    if (Is(1, 'Q') && Is(2, 'U') && Vowel(3))
        return Put("K", 2);
    if (Is(1, 'Q'))
        return Put("K", 1);
    if (Is(1, 'S'))
        return Put("X", 1);
    if (Is(1, 'X'))
        return Put("");
    return Put("K");
}

void CKeyCoder::CodeD() {
    if (Is(1, 'E') && Is(2, 'S') && End(3) && WordStart())
        return Put("D\xC9", 2);
    if (Is(1, 'S') && End(2))
        return Put("", 1);
    if (Is(1, 'T') && End(2))
        return Put("T", 1);
    if (ConsBut(1, 'D'))
        return Put("D");
    if (End(1) && !WordStart())
        return Put("");
    if (Is(1, 'D'))
        return Put("");
    return Put("D");
}

void CKeyCoder::CodeE() {
    if (Is(1, 'A') && Is(2, 'N'))
        return Put("EN", 2);
    if (Is(1, 'A') && Is(2, 'U'))
        return Put("O", 2);
    if (Is(1, 'B') && End(2))
        return Put("\xC9"
                   "B",
                   1);
    if (Is(1, 'C') && ConsButOrEnd(2, 'H'))
        return Put("\xC9");
    if (Is(1, 'D') && End(2))
        return Put("\xC9"
                   "D",
                   1);
    if (Is(1, 'E'))
        return Put("\xC9", 1);
    if (Is(1, 'F') && End(2))
        return Put("\xC9"
                   "F",
                   1);
    if (Is(1, 'G') && End(2))
        return Put("\xC9"
                   "G",
                   1);
    if (Is(1, 'I') && Is(2, 'L') && End(3))
        return Put("\xC9"
                   "I",
                   2);
    if (Is(1, 'I') && Is(2, 'L') && Is(3, 'L') && Is(4, 'I'))
        return Put("\xC9"
                   "I",
                   4);
    if (Is(1, 'I') && Is(2, 'L') && Is(3, 'L'))
        return Put("\xC9"
                   "I",
                   3);
    if (Is(1, 'I') && Is(2, 'M') && ConsBut(3, 'M'))
        return Put("IN", 2);
    if (Is(1, 'I') && Is(2, 'M') && End(3))
        return Put("\xC9"
                   "M",
                   2);
    if (Is(1, 'I') && Is(2, 'N') && ConsButOrEnd(3, 'N'))
        return Put("IN", 2);
    if (Is(1, 'I') && Is(2, 'X') && End(3))
        return Put("\xC9", 2);
    if (Is(1, 'I'))
        return Put("\xC9", 1);
    if (Is(1, 'K') && End(2))
        return Put("\xC9"
                   "K",
                   1);
    if (Is(1, 'L') && ConsOrEnd(2))
        return Put("\xC9");
    if (Is(1, 'M') && IsAny(2, {'B', 'P'}))
        return Put("EN", 1);
    if (Is(1, 'M') && End(2))
        return Put("\xC9"
                   "M",
                   1);
    if (Is(1, 'N') && Is(2, 'S') && End(3))
        return Put("ENS", 2);
    if (Is(1, 'N') && End(2) && WordStart())
        return Put("EN", 1);
    if (Is(1, 'N') && End(2))
        return Put("IN", 1);
    if (Is(1, 'N') && ConsBut(2, 'N'))
        return Put("EN", 1);
    if (Is(1, 'P') && ConsOrEnd(2))
        return Put("\xC9");
    if (Is(1, 'R') && Is(2, 'S') && End(3))
        return Put("\xC9", 2);
    if (Is(1, 'R') && End(2))
        return Put("\xC9", 1);
    if (Is(1, 'R') && Cons(2))
        return Put("\xC9");
    if (Is(1, 'S') && Is(2, 'S'))
        return Put("\xC9"
                   "S",
                   2);
    if (Is(1, 'S') && ConsBut(2, 'S'))
        return Put("\xC9"
                   "S",
                   1);
    if (Is(1, 'S') && End(2))
        return Put("", 1);
    if (Is(1, 'T') && Is(2, 'S') && End(3))
        return Put("\xC9", 2);
    if (Is(1, 'T') && Is(2, 'Z') && End(3))
        return Put("\xC9"
                   "S",
                   2);
    if (Is(1, 'T') && Cons(2))
        return Put("\xC9");
    if (Is(1, 'T') && End(2))
        return Put("\xC9", 1);
    if (Is(1, 'U') && Is(2, 'I') && Is(3, 'L') && End(4))
        return Put("EI", 3);
    if (Is(1, 'U'))
        return Put("E", 1);
    if (Is(1, 'V') && End(2))
        return Put("\xC9"
                   "V",
                   1);
    if (Is(1, 'X'))
        return Put("\xC9"
                   "X",
                   1);
    if (Is(1, 'Y') && Is(2, 'N') && ConsButOrEnd(3, 'N'))
        return Put("IN", 2);
    if (Is(1, 'Y') && ConsOrEnd(2))
        return Put("\xC9", 1);
    if (Is(1, 'Y') && Vowel(2))
        return Put("\xC9"
                   "I",
                   1);
    if (Is(1, 'Z') && End(2))
        return Put("\xC9", 1);
    if (Cons(1) && At(2) == At(1))
        return Put("\xC9");
    if (!WordStart())
        return Put("");
    return Put("\xC9");
}

void CKeyCoder::CodeG() {
    if (Is(1, 'E') && IsAny(2, {'A', 'O'}))
        return Put("J", 1);
    if (SoftVowel(1))
        return Put("J");
    if (Is(1, 'H'))
        return Put("G");
    if (Is(1, 'N') && Is(2, 'E') && ConsOrEnd(3))
        return Put("NIE", 2);
    if (Is(1, 'N') && IsAny(2, {'I', 'Y'}))
        return Put("NI", 2);
    if (Is(1, 'N') && Vowel(2))
        return Put("NI", 1);
    if (Is(1, 'S') && End(2))
        return Put("", 1);
    if (Is(1, 'T') && End(2))
        return Put("", 1);
    if (Is(1, 'U') && SoftVowel(2))
        return Put("G", 1);
    if (Cons(1) && !Is(1, 'L') && !Is(1, 'R'))
        return Put("G");
    if (End(1))
        return Put("");
    return Put("G");
}

void CKeyCoder::CodeI() {
    if (Is(1, 'E') && Is(2, 'D') && End(3))
        return Put("I\xC9", 2);
    if (Is(1, 'E') && Is(2, 'N') && ConsButOrEnd(3, 'N'))
        return Put("IIN", 2);
    if (Is(1, 'L') && Is(2, 'L') && Vowel(3))
        return Put("I", 2);
    if (Is(1, 'M') && IsAny(2, {'B', 'P'}))
        return Put("IN", 1);
    if (Is(1, 'N') && Is(2, 'G') && End(3))
        return Put("INJ", 2);
    if (Is(1, 'Y'))
        return Put("I", 1);
    if (Is(1, 'I'))
        return Put("");
    return Put("I");
}

void CKeyCoder::CodeK() {
    if (Is(1, 'C') && SoftVowel(2))
        return Put("X", 1);
    if (Is(1, 'C'))
        return Put("K", 1);
    if (Is(1, 'Q') && Is(2, 'U') && Vowel(3))
        return Put("K", 2);
    if (Is(1, 'Q'))
        return Put("K", 1);
    if (Is(1, 'S'))
        return Put("X", 1);
    if (Is(1, 'X'))
        return Put("");
    if (Is(1, 'K'))
        return Put("");
    return Put("K");
}

void CKeyCoder::CodeL() {
    if (Is(1, 'D') && End(2))
        return Put("LD", 1);
    if (Is(1, 'E') && Is(2, 'S') && End(3) && WordStart())
        return Put("L\xC9", 2);
    if (Is(1, 'S') && End(2))
        return Put("L", 1);
    if (Is(1, 'T') && End(2))
        return Put("", 1);
    if (Is(1, 'L'))
        return Put("");
    return Put("L");
}

void CKeyCoder::CodeO() {
    if (Is(1, 'E') && Is(2, 'U'))
        return Put("E", 2);
    if (Is(1, 'I') && Is(2, 'N'))
        return Put("OIN", 2);
    if (Is(1, 'I'))
        return Put("OA", 1);
    if (Is(1, 'M') && ConsBut(2, 'M'))
        return Put("ON", 1);
    if (Is(1, 'N') && Is(2, 'T') && ConsBut(3, 'T'))
        return Put("ON", 2);
    if (Is(1, 'O'))
        return Put("O", 1);
    if (Is(1, 'Y') && Is(2, 'E') && ConsOrEnd(3))
        return Put("OA", 2);
    if (Is(1, 'Y') && Is(2, 'N') && ConsButOrEnd(3, 'N'))
        return Put("OIN", 2);
    if (Is(1, 'Y') && Vowel(2))
        return Put("OI", 1);
    if (Is(1, 'Y') && ConsOrEnd(2))
        return Put("OA", 1);
    return Put("O");
}

void CKeyCoder::CodeP() {
    if (Is(1, 'H'))
        return Put("F", 1);
    if (Is(1, 'S') && End(2))
        return Put("", 1);
    if (Is(1, 'T') && End(2))
        return Put("PT", 1);
    if (Is(1, 'P'))
        return Put("");
    return Put("P");
}

void CKeyCoder::CodeQ() {
    if (Is(1, 'C') && SoftVowel(2))
        return Put("X", 1);
    if (Is(1, 'C'))
        return Put("K", 1);
    if (Is(1, 'K'))
        return Put("", 1);
    if (Is(1, 'U') && Vowel(2))
        return Put("K", 1);
    if (Is(1, 'X'))
        return Put("");
    if (Is(1, 'Q'))
        return Put("");
    return Put("K");
}

void CKeyCoder::CodeR() {
    if (Is(1, 'Q') && End(2))
        return Put("R", 1);
    if (Is(1, 'S') && End(2))
        return Put("R", 1);
    if (Is(1, 'T') && ConsOrEnd(2))
        return Put("R", 1);
    if (Is(1, 'R'))
        return Put("");
    return Put("R");
}

void CKeyCoder::CodeS() {
    if (Is(1, 'C') && Is(2, 'H'))
        return Put("CH", 2);
    if (Is(1, 'C') && SoftVowel(2))
        return Put("S", 1);
    if (Is(1, 'H'))
        return Put("CH", 1);
    if (Is(1, 'L'))
        return Put("SL", 1);
    if (Is(1, 'N'))
        return Put("N", 1);
    if (Is(1, 'S'))
        return Put("S", 1);
    if (Is(1, 'T') && Is(2, 'I') && Vowel(3))
        return Put("ST", 1);
    if (Is(1, 'Z'))
        return Put("Z", 1);
    if (Vowel(1) && !WordStart() && IsVowel(static_cast<unsigned char>(m_s[m_pos - 1])))
        return Put("Z");
    if (End(1))
        return Put("");
    return Put("S");
}

void CKeyCoder::CodeT() {
    if (Is(1, 'I') && Vowel(2) && !WordStart())
        return Put("S");
    if (Is(1, 'S') && End(2))
        return Put("", 1);
    if (Is(1, 'T'))
        return Put("T", 1);
    if (Is(1, 'Z'))
        return Put("TS", 1);
    return Put("T");
}

void CKeyCoder::CodeV() {
    if (Is(1, 'F'))
        return Put("F", 1);
    if (Is(1, 'I') && Is(2, 'L') && Is(3, 'L') && Is(4, 'E'))
        return Put("VIL", 3);
    if (Is(1, 'W'))
        return Put("V", 1);
    if (Is(1, 'V'))
        return Put("");
    return Put("V");
}

void CKeyCoder::CodeX() {
    if (Is(1, 'C') && SoftVowel(2))
        return Put("X", 1);
    if (Is(1, 'S'))
        return Put("X", 1);
    if (Is(1, 'X'))
        return Put("");
    return Put("X");
}

void CKeyCoder::CodeY() {
    if (Is(1, 'E') && Is(2, 'N') && ConsButOrEnd(3, 'N'))
        return Put("IIN", 2);
    if (Is(1, 'I'))
        return Put("", 1);
    if (Is(1, 'Y'))
        return Put("");
    return Put("I");
}

} // namespace

std::string NormalizeSaintName(std::string_view text) {
    // Fold byte by byte into " TEXT ": separators collapse into one space,
    // and the text keeps one space at each end while it is reworked.
    std::string s;
    s.reserve(text.size() + 16);
    s += ' ';
    for (char ch : text) {
        const unsigned char c = FoldByte(static_cast<unsigned char>(ch));
        if (c != 0)
            s += static_cast<char>(c);
        else if (s.back() != ' ')
            s += ' ';
    }
    if (s.back() != ' ')
        s += ' ';

    // One trailing article goes to the front: " INNOCENTS LES " is " LES INNOCENTS ".
    for (std::string_view article : {"LES", "LE", "LA", "L"}) {
        const std::size_t tail = article.size() + 2; // " LES "
        if (s.size() > tail && s[s.size() - tail] == ' ' &&
            s.compare(s.size() - tail + 1, article.size(), article) == 0) {
            s.erase(s.size() - tail + 1);
            s.insert(0, article);
            s.insert(0, 1, ' ');
            break;
        }
    }

    SpellOut(s, "ST", "SAINT");
    SpellOut(s, "STE", "SAINTE");
    SpellOut(s, "STS", "SAINTS");
    SpellOut(s, "STES", "SAINTES");
    Trim(s);
    return s;
}

std::string PhoneticKey(std::string_view normal) {
    return CKeyCoder(normal).Run();
}

CSaintName::CSaintName(const CSaintName& other)
    : m_strText(other.m_strText), m_strNormal(other.m_strNormal), m_strKey(other.m_strKey),
      m_strCompact(other.m_strCompact),
      m_pNormalWords(other.m_pNormalWords
                         ? std::make_unique<std::vector<std::string>>(*other.m_pNormalWords)
                         : nullptr),
      m_pKeyWords(other.m_pKeyWords ? std::make_unique<std::vector<std::string>>(*other.m_pKeyWords)
                                    : nullptr) {}

CSaintName& CSaintName::operator=(const CSaintName& other) {
    if (this != &other) {
        CSaintName copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void CSaintName::SetText(std::string text) {
    m_strText = std::move(text);
    CutText();
    m_strNormal.clear();
    m_strKey.clear();
    m_strCompact.clear();
    m_pNormalWords.reset();
    m_pKeyWords.reset();
}

void CSaintName::Normalize() {
    m_strNormal = NormalizeSaintName(m_strText);
    SplitWords(kNormalWords);
}

void CSaintName::MakeKey() {
    if (m_strNormal.empty())
        Normalize();
    m_strKey = PhoneticKey(m_strNormal);
    m_strCompact.clear();
    if (m_strKey.find(' ') != std::string::npos) {
        m_strCompact.reserve(m_strKey.size());
        for (char c : m_strKey)
            if (c != ' ')
                m_strCompact += c;
    }
    SplitWords(kKeyWords);
}

void CSaintName::SplitWords(int kind) {
    if (kind == kKeyWords)
        SplitInto(m_strKey, m_pKeyWords);
    else
        SplitInto(m_strNormal, m_pNormalWords);
}

bool CSaintName::HasWord(int kind, std::string_view word) const {
    for (const std::string& own : Words(kind))
        if (own == word)
            return true;
    return false;
}
