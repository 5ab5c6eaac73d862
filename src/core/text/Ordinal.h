// English ordinal endings of day numbers: 1st, 2nd, 3rd, 4th ... 31st.
#pragma once

#include <cstdint>

const char* OrdinalSuffix(std::int32_t day);
