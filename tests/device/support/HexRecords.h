#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// One Intel HEX record with its checksum; `checksumError` is added to the
// checksum byte to damage it.
inline QString hexRecord(
    std::uint16_t address, std::uint8_t type, const std::vector<std::uint8_t>& data, int checksumError = 0)
{
    std::vector<std::uint8_t> fields {static_cast<std::uint8_t>(data.size()), static_cast<std::uint8_t>(address >> 8),
        static_cast<std::uint8_t>(address & 0xFF), type};
    fields.insert(fields.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (const std::uint8_t b : fields)
        sum += b;
    fields.push_back(static_cast<std::uint8_t>((0x100 - (sum & 0xFF) + checksumError) & 0xFF));
    QString line = QStringLiteral(":");
    for (const std::uint8_t b : fields)
        line += QStringLiteral("%1").arg(b, 2, 16, QChar(u'0')).toUpper();
    return line;
}

inline QString dataRecord(std::uint16_t address, const std::vector<std::uint8_t>& data, int checksumError = 0)
{
    return hexRecord(address, 0x00, data, checksumError);
}

inline const QString endOfFileRecord = QStringLiteral(":00000001FF");
