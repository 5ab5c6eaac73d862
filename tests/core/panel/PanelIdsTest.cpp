#include "panel/PanelIds.h"

#include <gtest/gtest.h>

namespace {

TEST(PanelIds, FieldsAndControlsMapBothWays) {
    for (int f = 0; f < FIELD_COUNT; ++f) {
        const auto field = static_cast<PanelField>(f);
        EXPECT_EQ(FieldFromControlId(FieldControlId(field)), field);
        const auto row = FieldRow(field);
        if (FieldKind(field) == PanelFieldKind::Label) {
            EXPECT_EQ(row, std::nullopt);
            continue;
        }
        const CRowFields fields = RowFields(row.value());
        EXPECT_TRUE(field == fields.day || field == fields.kind || field == fields.month ||
                    field == fields.year);
    }
    EXPECT_EQ(FieldFromControlId(IDC_ICON_GREG), FIELD_NONE);
    EXPECT_EQ(FieldRow(FIELD_NONE), std::nullopt);
    EXPECT_EQ(RowFields(static_cast<CalendarRow>(7)).day, FIELD_NONE);
}

} // namespace
