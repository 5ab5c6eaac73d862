// A saint's name with the forms the search compares: the normal form (upper
// case, accents folded, abbreviations spelled out, a trailing article moved
// to the front), the phonetic key, the key without spaces and the word lists.
// All texts are single-byte Windows-1252.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Character classes of upper-case normal text. Letters are ASCII only, as in
// the C locale: the accented bytes are not letters (É still counts as a vowel).
constexpr unsigned char kUpperEAcute = 0xC9; // É
constexpr unsigned char kUpperCCedil = 0xC7; // Ç

constexpr bool IsLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
constexpr bool IsVowel(unsigned char c) {
    return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U' || c == 'Y' ||
           c == kUpperEAcute;
}
constexpr bool IsConsonant(unsigned char c) {
    return IsLetter(c) && !IsVowel(c);
}

// Longest text a name keeps, in bytes; a longer one is cut to it. A list
// name is at most 99 bytes and a typed one no longer than a line, while the
// forms and the scores of a text cost up to the square of its length: a
// pasted megabyte must not hold the search for minutes.
inline constexpr std::size_t kSaintTextMax = 1024;

class CSaintName {
public:
    enum WordKind : int { kNormalWords = 0, kKeyWords = 1 };

    CSaintName() = default;
    explicit CSaintName(std::string text) : m_strText(std::move(text)) { CutText(); }
    CSaintName(const CSaintName& other);
    CSaintName& operator=(const CSaintName& other);
    CSaintName(CSaintName&&) noexcept = default;
    CSaintName& operator=(CSaintName&&) noexcept = default;
    ~CSaintName() = default;

    // A new text: every derived form is dropped.
    void SetText(std::string text);

    // Computes m_strNormal and its word list from m_strText.
    void Normalize();
    // Computes the phonetic key, the compact key and the key words
    // (normalising first when the normal form is still empty).
    void MakeKey();
    // Builds the word list of the normal form (kind 0) or of the key (kind 1);
    // a text without a space has no list.
    void SplitWords(int kind);

    const std::string& GetText() const { return m_strText; }
    const std::string& GetNormal() const { return m_strNormal; }
    const std::string& GetKey() const { return m_strKey; }
    // The key without spaces; the key itself when it has none.
    const std::string& GetCompactKey() const {
        return m_strCompact.empty() ? m_strKey : m_strCompact;
    }

    // The words of the normal form or of the key, in order; without a word
    // list the whole text is the only word.
    std::span<const std::string> NormalWords() const {
        return m_pNormalWords ? std::span<const std::string>(*m_pNormalWords)
                              : std::span<const std::string>(&m_strNormal, 1);
    }
    std::span<const std::string> KeyWords() const {
        return m_pKeyWords ? std::span<const std::string>(*m_pKeyWords)
                           : std::span<const std::string>(&m_strKey, 1);
    }
    std::span<const std::string> Words(int kind) const {
        return kind == kKeyWords ? KeyWords() : NormalWords();
    }
    bool HasWord(int kind, std::string_view word) const;

private:
    void CutText() {
        if (m_strText.size() > kSaintTextMax)
            m_strText.resize(kSaintTextMax);
    }

    std::string m_strText;
    std::string m_strNormal;
    std::string m_strKey;
    std::string m_strCompact;
    std::unique_ptr<std::vector<std::string>> m_pNormalWords;
    std::unique_ptr<std::vector<std::string>> m_pKeyWords;
};

// The normal form and the phonetic key of a text, as free functions for
// callers that need no CSaintName.
std::string NormalizeSaintName(std::string_view text);
std::string PhoneticKey(std::string_view normal);
