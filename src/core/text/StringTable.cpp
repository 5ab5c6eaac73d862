#include "StringTable.h"

#include <unordered_map>

namespace {

const std::unordered_map<int, std::string>& Table() {
    static const std::unordered_map<int, std::string> table = [] {
        std::unordered_map<int, std::string> t;
        const auto range = [&t](int first, std::initializer_list<const char*> texts) {
            int id = first;
            for (const char* text : texts)
                t.emplace(id++, text);
        };
        range(IDS_MONTH_FIRST, {"January", "February", "March", "April", "May", "June", "July",
                                "August", "September", "October", "November", "December"});
        range(IDS_WEEKDAY_FIRST,
              {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"});
        range(IDS_REP_DAYNAME_FIRST,
              {"Primidi", "Duodi", "Tridi", "Quartidi", "Quintidi", "Sextidi", "Septidi", "Octidi",
               "Nonidi", "Decadi", "Jour de la Vertu", "Jour du Genie", "Jour du Travail",
               "Jour de l'Opinion", "Jour des Recompenses", "Jour de la Revolution"});
        range(IDS_REP_MONTH_FIRST,
              {"Vendemiaire", "Brumaire", "Frimaire", "Nivose", "Pluviose", "Ventose", "Germinal",
               "Floreal", "Prairial", "Messidor", "Thermidor", "Fructidor", "Sans-Culottides"});
        range(IDS_JEWISH_MONTH_FIRST,
              {"Tishri", "Heshvan", "Kislev", "Tevet", "Shevat", "Adar I", "Adar II", "Nisan",
               "Iyar", "Sivan", "Tammuz", "Av", "Elul"});
        range(IDS_MUSLIM_MONTH_FIRST,
              {"Muharram", "Safar", "Rabi Al-Awwal", "Rabi Al-Thani", "Jumad Al-Ula",
               "Jumad Al-Thani", "Rajab", "Sha'ban", "Ramadhan", "Shawwal", "Zul-Qida",
               "Zul-Hijja"});
        range(IDS_ROMAN_KIND_FIRST, {"Kalends", "Nones", "Ides"});
        range(IDS_COUNTRY_FIRST,
              {"Vatican", "Germany", "England", "Austria", "Belgium", "Bulgaria", "China",
               "Denmark", "Spain", "Finland", "France", "Greece", "Hungary", "Ireland",
               "Iceland", "Italy", "Japan", "Luxemburg", "Norway", "Netherlands", "Poland",
               "Portugal", "Romania", "Russia", "Sweden", "Switzerland", "Turkey",
               "United-States", "Yugoslavia"});
        t.emplace(12100, "The date can not be before october, 15th 1582.");
        t.emplace(1044, "Gregorian calendar");
        t.emplace(1045, "Julian calendar");
        t.emplace(IDS_ILLEGAL_DATE, "Illegal date");
        t.emplace(IDS_APP_TITLE, "Quindor");
        return t;
    }();
    return table;
}

} // namespace

const std::string& LoadResString(int id) {
    static const std::string empty;
    const auto& table = Table();
    const auto it = table.find(id);
    return it == table.end() ? empty : it->second;
}
