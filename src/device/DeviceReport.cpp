#include "DeviceReport.h"

Report makeCommand(std::uint8_t code, std::initializer_list<std::uint8_t> parameters)
{
    Report report {};
    report[1] = code;
    std::size_t i = 2;
    for (const std::uint8_t value : parameters) {
        if (i >= report.size())
            break;
        report[i++] = value;
    }
    return report;
}
