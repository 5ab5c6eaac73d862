#include "FeastDate.h"


CJulianDay FeastDayInReckoning(const std::function<CJulianDay(bool)>& dayIn,
                               const CFeastDateOptions& options, bool& gregorian,
                               EFeastDateError& error) {
    error = EFeastDateError::None;
    gregorian = false;
    if (options.eReckoning != EFeastReckoning::Civil) {
        gregorian = options.eReckoning == EFeastReckoning::Gregorian;
        const CJulianDay day = dayIn(gregorian);
        if (day.GetDayNumber() == 0)
            error = EFeastDateError::OutOfRange;
        return day;
    }
    const std::int32_t reform = options.nReformDay;
    const CJulianDay inGregorian = dayIn(true);
    if (inGregorian.GetDayNumber() != 0 && inGregorian.GetDayNumber() >= reform) {
        gregorian = true;
        return inGregorian;
    }
    const CJulianDay inJulian = dayIn(false);
    if (inJulian.GetDayNumber() != 0 && inJulian.GetDayNumber() < reform)
        return inJulian;
    error = inGregorian.GetDayNumber() != 0 || inJulian.GetDayNumber() != 0
                ? EFeastDateError::Skipped
                : EFeastDateError::OutOfRange;
    return CJulianDay();
}

