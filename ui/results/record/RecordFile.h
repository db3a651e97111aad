#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zodiac {

// Longest line a record may hold, without its line end; the scrambler takes no longer texts.
inline constexpr qsizetype RecordMaxLineLength = 32767;
// A record is five lines; nothing beyond this many bytes is ever read from a file.
inline constexpr qsizetype RecordMaxReadBytes = 5 * (RecordMaxLineLength + 2);

// The five values a record holds, as the user entered them.
struct RecordValues {
    QString name, sex, day, month, year;
};

// Five lines, each the scrambled value, each ended by CR LF.
QByteArray BuildRecordBytes(const RecordValues& v);

struct RecordParseResult {
    bool ok = false;
    RecordValues values;
    QString error;
};
// Reads the first five lines (CR LF or LF ended) of a record; lines after them are ignored.
RecordParseResult ParseRecordBytes(QByteArrayView bytes);

struct RecordReadResult {
    bool ok = false;
    RecordValues values;
    QString error;
};
RecordReadResult ReadRecordFile(const QString& path);

// Empty when a record holds the value exactly; otherwise a sentence saying why it cannot.
QString RecordValueProblem(const QString& value);

struct RecordWriteResult {
    bool ok = false;
    QString error;
};
// Writes through a temporary file, so a failure never damages a file already at the path.
RecordWriteResult WriteRecordFile(const QString& path, const RecordValues& v);

// True when day, month and year are entries of the main window's lists.
bool RecordMatchesLists(const RecordValues& v);

} // namespace zodiac
