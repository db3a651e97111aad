#include "RecordFile.h"

#include <QStringList>
#include <cstdint>
#include <cstdlib>

namespace {

bool SameValues(const zodiac::RecordValues& a, const zodiac::RecordValues& b) {
    return a.name == b.name && a.sex == b.sex && a.day == b.day && a.month == b.month && a.year == b.year;
}

// The input read as five texts (UTF-16, split at U+0000): values a user could have typed.
zodiac::RecordValues ValuesOf(const std::uint8_t* data, std::size_t size) {
    const QString all(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
    const QStringList parts = all.split(QChar(0));
    zodiac::RecordValues values;
    QString* fields[] = {&values.name, &values.sex, &values.day, &values.month, &values.year};
    for (qsizetype i = 0; i < 5 && i < parts.size(); ++i)
        *fields[i] = parts[i];
    return values;
}

} // namespace

// Any bytes must parse without harm; a record that parses must survive a write and a read unchanged;
// and any five values that the save accepts must read back as they were.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const zodiac::RecordReadResult parsed = zodiac::ParseRecordBytes(bytes);
    if (parsed.ok) {
        const zodiac::RecordReadResult again =
            zodiac::ParseRecordBytes(zodiac::BuildRecordBytes(parsed.values));
        if (!again.ok || !SameValues(parsed.values, again.values))
            std::abort();
    }

    const zodiac::RecordValues values = ValuesOf(data, size);
    for (const QString* field : {&values.name, &values.sex, &values.day, &values.month, &values.year}) {
        if (!zodiac::RecordValueProblem(*field).isEmpty())
            return 0;
    }
    const zodiac::RecordReadResult back = zodiac::ParseRecordBytes(zodiac::BuildRecordBytes(values));
    if (!back.ok || !SameValues(values, back.values))
        std::abort();
    return 0;
}
