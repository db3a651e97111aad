#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace zodiac {

// Longest line a record may hold, without its line end; the scrambler takes no longer texts.
inline constexpr qsizetype RecordMaxLineLength = 32767;

// The five values a record holds, as the user entered them.
struct RecordValues {
    QString name, sex, day, month, year;
};

// Five lines, each the scrambled value, each ended by CR LF.
QByteArray BuildRecordBytes(const RecordValues& v);

// What reading a record gave: the values, or why there are none.
struct RecordReadResult {
    bool ok = false;
    RecordValues values;
    QString error;
};
// Reads the first five lines of a record; a line ends at CR LF, at LF or, the fifth, at the end of
// the bytes. Lines after the fifth are ignored.
RecordReadResult ParseRecordBytes(QByteArrayView bytes);
// The same, from a file; reads no more of it than five lines of the longest length.
RecordReadResult ReadRecordFile(const QString& path);

// Empty when a record holds the value exactly; otherwise a sentence saying why it cannot.
QString RecordValueProblem(const QString& value);

// Empty when a record holds all five values exactly; otherwise the message that refuses the save,
// naming the first value that cannot be held and why.
QString RecordSaveProblem(const RecordValues& v);

struct RecordWriteResult {
    bool ok = false;
    QString error;
};
// Writes through a temporary file, so a failure never damages a file already at the path.
RecordWriteResult WriteRecordFile(const QString& path, const RecordValues& v);

// Where a record's day, month and year stand in the main window's lists ("1", "January" and
// "1900" are at 0), or none when one of them is not an entry of its list.
struct ListPositions {
    int day = 0, month = 0, year = 0;
    bool operator==(const ListPositions&) const = default;
};
std::optional<ListPositions> RecordListPositions(const RecordValues& v);

} // namespace zodiac
