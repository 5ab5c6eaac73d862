#include "ReformFields.h"

#include "panel/FieldText.h"
#include "text/StringTable.h"

namespace reform_detail {

const std::vector<std::string>& MonthNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (int i = 0; i < 12; ++i)
            v.push_back(LoadResString(IDS_MONTH_FIRST + i));
        return v;
    }();
    return names;
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
