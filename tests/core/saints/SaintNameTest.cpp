// Normal forms, phonetic keys and word lists of saints' names.
#include "saints/SaintName.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// Test texts are written in UTF-8 and handed to the core as Windows-1252.
std::string W(const char* utf8) {
    return Utf8ToCp1252(utf8).value_or("<not 1252>");
}
std::string U(const std::string& cp1252) {
    return Cp1252ToUtf8(cp1252);
}

struct NameForms {
    const char* name;
    const char* normal;
    const char* key; // the compact key is the key without its spaces
};

// Together these names take every rule of the phonetic coder at least once,
// in the order the rules are tried.
// clang-format off
const NameForms kNames[] = {
    {"St Jean-Baptiste", "SAINT JEAN BAPTISTE", "SINT JEN BAPTIST"},
    {"Innocents (les)", "LES INNOCENTS", "LÉ INOSEN"}, {"Thibault", "THIBAULT", "TIBO"},
    {"Philippe", "PHILIPPE", "FILIP"}, {"François", "FRANÇOIS", "FRANSOA"},
    {"Pierre", "PIERRE", "PIÉR"}, {"Stéphane", "STÉPHANE", "STÉFAN"}, {"Ma?ie", "MA?IE", "MA?I"},
    {"Chrodegang", "CHRODEGANG", "KRODGEN"}, {"Emmanuel", "EMMANUEL", "ÉMANUÉL"},
    {"Agnieszka", "AGNIESZKA", "ANIÉSZKA"}, {"Guillemette", "GUILLEMETTE", "GIMÉT"},
    {"Visitation (la)", "LA VISITATION", "LA VIZITASION"}, {"Des Roches", "DES ROCHES", "DÉ ROCH"},
    {"Edmond", "EDMOND", "ÉDMON"}, {"Montpellier", "MONTPELLIER", "MONPÉLIÉ"},
    {"Calixte Apt", "CALIXTE APT", "KALIXT APT"}, {"Qqwe", "QQWE", "KV"},
    {"Geoffroy", "GEOFFROY", "JOFROA"}, {"Sébastien", "SÉBASTIEN", "SÉBASTIIN"},
    {"Ainsley", "AINSLEY", "INSLÉ"}, {"Raynald", "RAYNALD", "RÉNALD"}, {"Bvan", "BVAN", "VEN"},
    {"Acquitaine", "ACQUITAINE", "AKITÉN"}, {"Macsen", "MACSEN", "MAXIN"}, {"Eddy", "EDDY", "ÉDI"},
    {"Eimbert", "EIMBERT", "INBÉR"}, {"Eugène", "EUGÉNE", "EJÉN"}, {"Kquei", "KQUEI", "KÉ"},
    {"Joinville", "JOINVILLE", "JOINVIL"}, {"Schmidt", "SCHMIDT", "CHMIT"}, {"Xcem", "XCEM", "XÉM"},
    {"Sts Pierre et Paul", "SAINTS PIERRE ET PAUL", "SIN PIÉR É POL"}, {"Agnès", "AGNÉS", "ANIÉ"},
    {"Caen", "CAEN", "KEN"}, {"Abigaïl", "ABIGAIL", "ABIGAI"}, {"Daim", "DAIM", "DIN"},
    {"Lamperti", "LAMPERTI", "LENPÉRTI"}, {"Amnon", "AMNON", "AMNON"}, {"Laon", "LAON", "LEN"},
    {"Paol", "PAOL", "PAOL"}, {"Aux", "AUX", "O"}, {"Faye", "FAYE", "FÉ"},
    {"Aaron", "AARON", "ARON"}, {"Abbé", "ABBÉ", "ABÉ"}, {"Bach", "BACH", "BAK"},
    {"Accurse", "ACCURSE", "AKURS"}, {"Macqin", "MACQIN", "MAKIN"}, {"Acxel", "ACXEL", "AXÉL"},
    {"Ackermann", "ACKERMANN", "AKÉRMAN"}, {"Beau", "BEAU", "BO"}, {"Bed", "BED", "BÉD"},
    {"Lee", "LEE", "LÉ"}, {"Chef", "CHEF", "CHÉF"}, {"Dieg", "DIEG", "DIÉG"},
    {"Gueil", "GUEIL", "GÉI"}, {"Teille", "TEILLE", "TÉI"}, {"Beillise", "BEILLISE", "BÉIZ"},
    {"Deim", "DEIM", "DÉM"}, {"Rein", "REIN", "RIN"}, {"Deix", "DEIX", "DÉ"}, {"Bek", "BEK", "BÉK"},
    {"Emb", "EMB", "ENB"}, {"Lens", "LENS", "LENS"}, {"En", "EN", "EN"}, {"Sepp", "SEPP", "SÉP"},
    {"Vers", "VERS", "VÉ"}, {"Jessé", "JESSÉ", "JÉSÉ"}, {"Claes", "CLAES", "KLÉ"},
    {"Arets", "ARETS", "ARÉ"}, {"Metz", "METZ", "MÉS"}, {"Lev", "LEV", "LÉV"},
    {"Alexis", "ALEXIS", "ALÉXI"}, {"Xeyn", "XEYN", "XIN"}, {"Eyé", "EYÉ", "ÉIÉ"},
    {"Gezz", "GEZZ", "JÉZ"}, {"Ghislain", "GHISLAIN", "GISLIN"}, {"Agnele", "AGNELE", "ANIEL"},
    {"Legs", "LEGS", "L"}, {"Clugt", "CLUGT", "KLU"}, {"Gdansk", "GDANSK", "GDENSK"},
    {"Pied", "PIED", "PIÉ"}, {"Limbe", "LIMBE", "LINB"}, {"Ling", "LING", "LINJ"},
    {"Aiiii", "AIIII", "ÉI"}, {"Jjoe", "JJOE", "JO"}, {"Kcel", "KCEL", "XÉL"},
    {"Kcan", "KCAN", "KEN"}, {"Kqo", "KQO", "KO"}, {"Ksenia", "KSENIA", "XNIA"},
    {"Kxo", "KXO", "XO"}, {"Kkal", "KKAL", "KAL"}, {"Boeuf", "BOEUF", "BEF"},
    {"Comte", "COMTE", "KONT"}, {"Boos", "BOOS", "BO"}, {"Moye", "MOYE", "MOA"},
    {"Foyn", "FOYN", "FOIN"}, {"Loyal", "LOYAL", "LOIAL"}, {"Phaps", "PHAPS", "FA"},
    {"Qcelle", "QCELLE", "XÉL"}, {"Qcar", "QCAR", "KAR"}, {"Qke", "QKE", ""},
    {"Quentin", "QUENTIN", "KENTIN"}, {"Qxo", "QXO", "XO"}, {"Qeb", "QEB", "KÉB"},
    {"Bars", "BARS", "BAR"}, {"Scève", "SCÉVE", "SÉV"}, {"Shamash", "SHAMASH", "CHAMACH"},
    {"Snorri", "SNORRI", "NORI"}, {"Massa", "MASSA", "MASA"}, {"Szabo", "SZABO", "ZABO"},
    {"Fritz", "FRITZ", "FRITS"}, {"Humbert", "HUMBERT", "UNBÉR"}, {"Uumo", "UUMO", "UMO"},
    {"Vfa", "VFA", "FA"}, {"Vwa", "VWA", "VA"}, {"Vvan", "VVAN", "VEN"}, {"Wvo", "WVO", "VO"},
    {"Wwu", "WWU", "VU"}, {"Xsa", "XSA", "XA"}, {"Xxi", "XXI", "XI"}, {"Yen", "YEN", "IIN"},
    {"Yiannis", "YIANNIS", "ANI"}, {"Yyvonne", "YYVONNE", "IVON"}, {"Zsofia", "ZSOFIA", "SOFIA"},
    {"Ec", "EC", "ÉK"}, {"Amphi", "AMPHI", "ENI"}, {"Deuil", "DEUIL", "DEI"},
    {"Rayn", "RAYN", "RIN"}, {"Fraççois", "FRAÇÇOIS", "FRASOA"}, {"Leuds", "LEUDS", "LE"},
    {"Chavez", "CHAVEZ", "CHAVÉ"}, {"Bééri", "BÉÉRI", "BÉRI"}, {"Afvar", "AFVAR", "AFAR"},
    {"Iyad", "IYAD", "IA"}, {"Vals", "VALS", "VAL"}, {"Marq", "MARQ", "MAR"},
    {"Jean*", "JEAN*", "JEN*"}, {"Anne H Marie", "ANNE H MARIE", "AN  MARI"},
};
// clang-format on

TEST(SaintName, NormalFormKeyAndCompactKey) {
    for (const NameForms& row : kNames) {
        CSaintName name(W(row.name));
        name.MakeKey();
        EXPECT_EQ(U(name.GetNormal()), row.normal) << row.name;
        EXPECT_EQ(U(name.GetKey()), row.key) << row.name;
        std::string compact = row.key;
        std::erase(compact, ' ');
        EXPECT_EQ(U(name.GetCompactKey()), compact) << row.name;
    }
}

// Every byte of the folding table, and every other byte as a separator.
TEST(SaintName, EachByteFoldsAsTheTableSays) {
    std::string expected[256];
    for (int b = 0; b < 256; ++b)
        expected[b] = "A B"; // a separator between A and B
    for (int b = 'a'; b <= 'z'; ++b)
        expected[b] = std::string("A") + static_cast<char>(b - 'a' + 'A') + "B";
    for (int b = 'A'; b <= 'Z'; ++b)
        expected[b] = std::string("A") + static_cast<char>(b) + "B";
    const auto set = [&](std::initializer_list<int> bytes, const char* folded) {
        for (int b : bytes)
            expected[b] = std::string("A") + folded + "B";
    };
    set({0xC7, 0xE7}, "\xC7");
    set({0xC8, 0xC9, 0xCA, 0xE8, 0xE9, 0xEA, 0xEB}, "\xC9");
    set({0xCE, 0xEC, 0xED, 0xEE, 0xEF}, "I");
    set({0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6}, "A");
    set({0xF1}, "N");
    set({0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF8}, "O");
    set({0xF9, 0xFA, 0xFB, 0xFC}, "U");
    set({0xFD, 0xFF}, "Y");
    set({'*'}, "*");
    set({'?'}, "?");
    for (int b = 0; b < 256; ++b) {
        const std::string text = std::string("a") + static_cast<char>(b) + "b";
        EXPECT_EQ(NormalizeSaintName(text), expected[b]) << "byte " << b;
    }
}

TEST(SaintName, SeparatorsArticlesAndAbbreviations) {
    const struct {
        const char* name;
        const char* normal;
    } cases[] = {
        // clang-format off
        {"  --Jean--  ", "JEAN"}, {"Jean (l')", "L JEAN"}, {"Rosaire (le)", "LE ROSAIRE"},
        {"Visitation (la)", "LA VISITATION"}, {"Innocents (les)", "LES INNOCENTS"},
        {"X la le", "LE X LA"},      // only one article moves
        {"Les", "LES"},              // an article needs a word before it
        {"Marie-St", "MARIE SAINT"}, // ST as a whole word
        {"St St", "SAINT SAINT"},    // every occurrence
        {"Ste Anne", "SAINTE ANNE"}, {"Sts Pierre et Paul", "SAINTS PIERRE ET PAUL"},
        {"Stes Perpétue", "SAINTES PERPÉTUE"},
        {"Stéphane Stes-sts", "STÉPHANE SAINTES SAINTS"}, // ST inside a word stays
        {"St (l')", "L SAINT"}, // the article moves before ST is spelled out
        {"Ôdile", "DILE"},      // capitals other than Ç, È, É, Ê, Î are separators
        {"NOËL", "L NO"},       // ... and then read as an article
        {"Saint 12 ans", "SAINT ANS"}, {"", ""}, {" ' - () ", ""},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(U(NormalizeSaintName(W(c.name))), c.normal) << c.name;
}

Strings Words(std::span<const std::string> words) {
    return Strings(words.begin(), words.end());
}

// A silent word is left out of the key words; separators only give one empty word.
TEST(SaintName, WordLists) {
    const struct {
        const char* name;
        Strings normal, key;
        const char* compact;
    } cases[] = {
        // clang-format off
        {"St Jean-Baptiste", {"SAINT", "JEAN", "BAPTISTE"}, {"SINT", "JEN", "BAPTIST"}, "SINTJENBAPTIST"},
        {"Philippe", {"PHILIPPE"}, {"FILIP"}, "FILIP"},
        {"Anne H Marie", {"ANNE", "H", "MARIE"}, {"AN", "MARI"}, "ANMARI"},
        {"-- ' --", {""}, {""}, ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        CSaintName name(W(c.name));
        name.MakeKey();
        EXPECT_EQ(Words(name.NormalWords()), c.normal) << c.name;
        EXPECT_EQ(Words(name.KeyWords()), c.key) << c.name;
        EXPECT_EQ(name.GetCompactKey(), c.compact) << c.name;
    }
    CSaintName name(W("St Jean-Baptiste"));
    name.MakeKey();
    EXPECT_TRUE(name.HasWord(CSaintName::kKeyWords, "JEN"));
    EXPECT_FALSE(name.HasWord(CSaintName::kNormalWords, "JEN"));
    EXPECT_EQ(PhoneticKey("MA**IE"), "MA*I"); // a run of stars codes to one
    EXPECT_EQ(PhoneticKey("A?? B"), "A? B");
}

TEST(SaintName, CopiesAreDeepAndANewTextDropsTheForms) {
    CSaintName original(W("Jean Marie"));
    original.MakeKey();
    CSaintName copy(original);
    original.SetText("Paul");
    EXPECT_EQ(original.GetNormal() + original.GetKey(), "");
    EXPECT_EQ(original.NormalWords().size(), 1u);
    EXPECT_EQ(Words(copy.NormalWords()), (Strings{"JEAN", "MARIE"}));
    CSaintName assigned;
    assigned = copy;
    copy.SetText("");
    EXPECT_EQ(assigned.GetCompactKey(), "JENMARI");
}

} // namespace
