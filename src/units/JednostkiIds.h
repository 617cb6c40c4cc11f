// Control ids of the unit converter page (template 129).
#pragma once

namespace JednostkiIds {
enum : unsigned {
    IDC_QUANTITY = 1000,
    IDC_VALUE = 1001,
    IDC_FROM_UNIT = 1002,
    IDC_RESULT = 1003,
    IDC_TO_UNIT = 1004,
    IDC_COPY = 1005,
    IDC_COMMENT = 1006,
    IDC_CONVERT = 1007,
};
} // namespace JednostkiIds
