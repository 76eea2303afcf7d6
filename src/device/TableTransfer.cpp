#include "TableTransfer.h"

#include "MyDevFunctions.h"

#include <algorithm>

namespace {

std::uint8_t low(std::size_t offset)
{
    return static_cast<std::uint8_t>(offset & 0xFF);
}

std::uint8_t high(std::size_t offset)
{
    return static_cast<std::uint8_t>((offset >> 8) & 0xFF);
}

} // namespace

void uploadTable(std::uint8_t code, const std::uint8_t* table, std::size_t size)
{
    for (std::size_t offset = 0; offset < size; offset += tableChunkSize) {
        const std::size_t count = std::min(tableChunkSize, size - offset);
        Report report = makeCommand(code, {low(offset), high(offset), static_cast<std::uint8_t>(count)});
        std::copy_n(table + offset, count, report.begin() + 5);
        SendtoDev(report);
    }
}

void readTable(std::uint8_t code, std::uint8_t* table, std::size_t size)
{
    DeviceExchange hold;
    for (std::size_t offset = 0; offset < size; offset += tableBlockSize) {
        if (!requestFromDev(makeCommand(code, {low(offset), high(offset)}), Data))
            continue;
        std::copy_n(Data.begin() + 1, std::min(tableBlockSize, size - offset), table + offset);
    }
}
