#include "ReformFields.h"

#include "text/FieldText.h"
#include "text/StringTable.h"

#include <array>

namespace reform_detail {

const std::vector<std::string>& MonthNames() {
    static const std::array<std::vector<std::string>, 2> names = [] {
        std::array<std::vector<std::string>, 2> lists;
        for (const auto language : {ETextLanguage::English, ETextLanguage::French}) {
            for (int i = 0; i < 12; ++i)
                lists[static_cast<std::size_t>(language)].push_back(
                    LoadResString(IDS_MONTH_FIRST + i, language));
        }
        return lists;
    }();
    return names[TextLanguage() == ETextLanguage::French ? 1 : 0];
}

const std::string& MonthName(std::int32_t month) {
    static const std::string empty;
    return month >= 1 && month <= 12 ? MonthNames()[static_cast<std::size_t>(month - 1)] : empty;
}

std::int32_t ListPosition(const std::vector<std::string>& list, std::string_view text) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (EqualsNoCase(list[i], text))
            return static_cast<std::int32_t>(i + 1);
    }
    return 0;
}

} // namespace reform_detail
