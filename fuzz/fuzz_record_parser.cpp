#include "RecordFile.h"

#include <cstdint>
#include <cstdlib>

// Any bytes must parse without harm; a record that parses must survive a write and a read unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const zodiac::RecordParseResult parsed = zodiac::ParseRecordBytes(bytes);
    if (!parsed.ok)
        return 0;
    const zodiac::RecordParseResult again = zodiac::ParseRecordBytes(zodiac::BuildRecordBytes(parsed.values));
    const auto& a = parsed.values;
    const auto& b = again.values;
    if (!again.ok || a.name != b.name || a.sex != b.sex || a.day != b.day || a.month != b.month || a.year != b.year)
        std::abort();
    return 0;
}
