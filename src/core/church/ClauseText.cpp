#include "church/ClauseText.h"

#include "text/Cp1252.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text with the editors' marks blanked out, so that offsets still
// point into the original.
std::string WithoutEditorialMarks(std::string_view text) {
    std::string out(text);
    for (const std::string_view mark : {"(!)", "(?)", "(sic)", "[sic]", "(Sic)", "[!]", "[?]"}) {
        for (std::size_t at = out.find(mark); at != std::string::npos; at = out.find(mark, at))
            out.replace(at, mark.size(), mark.size(), ' ');
    }
    // An editor's note in brackets ("[statt: ame vrydage]", "[R\xFCckvermerk: 1550]")
    // is not the document's; a restored letter or word ("son[dages]") is.
    for (std::size_t open = out.find('['); open != std::string::npos;
         open = out.find('[', open + 1)) {
        const std::size_t close = out.find(']', open);
        if (close == std::string::npos)
            break;
        const std::string_view inside = std::string_view(out).substr(open + 1, close - open - 1);
        // An editor's heading ("[October 1660]") dates the entry: it stays.
        if (inside.find(':') != std::string_view::npos)
            out.replace(open, close - open + 1, close - open + 1, ' ');
    }
    return out;
}

} // namespace

std::vector<CClauseWord> ClauseWords(std::string_view cp1252) {
    const std::string text = WithoutEditorialMarks(cp1252);
    std::vector<CClauseWord> words;
    CClauseWord word;
    bool inWord = false;
    const auto finish = [&](std::size_t end, char next) {
        if (!inWord)
            return;
        inWord = false;
        word.nEnd = end;
        // 0xB0 degree, 0xBA masculine ordinal, 0xAA feminine ordinal.
        word.chAfter = next;
        word.bMarked = next == '.' || next == '\xB0' || next == '\xBA' || next == '\xAA';
        if (words.size() < kMaxClauseWords)
            words.push_back(word);
        word = CClauseWord();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // "ma/entags": a letter written above another, set beside it by the editor.
        if (c == '/' && inWord && i + 1 < text.size() && !IsDigit(text[i + 1]) &&
            FoldToAsciiUpper(text.substr(i + 1, 1)) != text.substr(i + 1, 1) &&
            !IsDigit(text[i - 1]))
            continue;
        // A letter written above another, in braces: "Jo{e}rgen" is "Jorgen".
        if (c == '{' && inWord) {
            const std::size_t close = text.find('}', i);
            if (close != std::string::npos && close - i <= 3) {
                i = close;
                continue;
            }
        }
        // A restored letter stays part of its word: "son[dages]", "pin[ge]ssten".
        if (c == '[' || c == ']') {
            const bool letterNext =
                i + 1 < text.size() &&
                (IsDigit(text[i + 1]) ||
                 FoldToAsciiUpper(text.substr(i + 1, 1)) != text.substr(i + 1, 1) ||
                 (text[i + 1] >= 'A' && text[i + 1] <= 'Z'));
            if (!(inWord && letterNext))
                finish(i, c);
            continue;
        }
        std::string folded;
        // A final sharp s is the old long-s-and-s of "Michaeli\xDF": one s.
        const bool lastLetter = i + 1 >= text.size() ||
                                FoldToAsciiUpper(text.substr(i + 1, 1)) == text.substr(i + 1, 1);
        if (c == '\xDF' && lastLetter && inWord)
            folded.push_back('s');
        else if (IsDigit(c))
            folded = std::string(1, c);
        else {
            const std::string upper = FoldToAsciiUpper(std::string_view(&text[i], 1));
            for (const char u : upper) {
                if (u >= 'A' && u <= 'Z')
                    folded += static_cast<char>(u - 'A' + 'a');
            }
        }
        if (folded.empty()) {
            finish(i, c);
            continue;
        }
        if (!inWord) {
            inWord = true;
            word.nStart = i;
        }
        word.strText += folded;
    }
    finish(text.size(), '\0');
    return words;
}

std::string ClauseSpan(std::string_view cp1252, const std::vector<CClauseWord>& words,
                       std::size_t first, std::size_t last) {
    if (first > last || last >= words.size() || words[last].nEnd > cp1252.size())
        return {};
    return std::string(cp1252.substr(words[first].nStart, words[last].nEnd - words[first].nStart));
}

bool WithinOneEdit(std::string_view a, std::string_view b) {
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > 1)
        return false;
    std::size_t i = 0;
    while (i < a.size() && a[i] == b[i])
        ++i;
    if (i == a.size())
        return true; // equal, or one letter added at the end
    if (a.size() == b.size()) {
        if (a.substr(i + 1) == b.substr(i + 1))
            return true; // one letter changed
        return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] &&
               a.substr(i + 2) == b.substr(i + 2); // two letters swapped
    }
    return a.substr(i) == b.substr(i + 1); // one letter added
}
