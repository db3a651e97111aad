#include "RecordFile.h"

#include "DateText.h"
#include "NewYearTable.h"
#include "TextScrambler.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QSaveFile>
#include <string>
#include <string_view>

namespace zodiac {

namespace {

constexpr int RecordLineCount = 5;

std::u16string_view Utf16Of(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QByteArray ScrambledLine(const QString& value) {
    const std::string codes = ScrambleText(Utf16Of(value));
    QByteArray line(codes.data(), static_cast<qsizetype>(codes.size()));
    line.append("\r\n");
    return line;
}

QString UnscrambledValue(QByteArrayView line) {
    const std::u16string text =
        UnscrambleText(std::string_view(line.data(), static_cast<std::size_t>(line.size())));
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

// A whole number written plainly, without sign, blanks or leading zeros.
int PlainNumber(const QString& text, int low, int high) {
    if (text.isEmpty() || text.size() > 4 || text.front() == QLatin1Char('0'))
        return -1;
    for (QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return -1;
    }
    const int n = text.toInt();
    return (n >= low && n <= high) ? n : -1;
}

QString CodePointText(uint code) {
    return QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

} // namespace

QByteArray BuildRecordBytes(const RecordValues& v) {
    QByteArray bytes;
    for (const QString* value : {&v.name, &v.sex, &v.day, &v.month, &v.year})
        bytes.append(ScrambledLine(*value));
    return bytes;
}

RecordReadResult ParseRecordBytes(QByteArrayView bytes) {
    RecordReadResult result;
    QString* targets[RecordLineCount] = {&result.values.name, &result.values.sex, &result.values.day,
                                         &result.values.month, &result.values.year};
    qsizetype start = 0;
    for (int i = 0; i < RecordLineCount; ++i) {
        // As a text reader reads lines: a line ends at LF (a CR before it is dropped) or, the last
        // one, at the end of the file. Nothing after the last line break is no line.
        if (start >= bytes.size()) {
            result.values = {};
            result.error = QStringLiteral("The file holds fewer than five lines.");
            return result;
        }
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() > RecordMaxLineLength) {
            result.values = {};
            result.error = QStringLiteral("Line %1 of the file is longer than %2 bytes.")
                               .arg(i + 1)
                               .arg(RecordMaxLineLength);
            return result;
        }
        *targets[i] = UnscrambledValue(line);
        start = end + 1;
    }
    result.ok = true;
    return result;
}

RecordReadResult ReadRecordFile(const QString& path) {
    RecordReadResult result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = QStringLiteral("The file does not exist.");
        return result;
    }
    if (!info.isFile()) {
        result.error = QStringLiteral("The path is not a regular file.");
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    // Read line by line with a bound, so a large file without line breaks is refused after one line.
    // A line may hold the longest value, its CR and its LF; readLine keeps one byte of its size free.
    constexpr qint64 LineBound = RecordMaxLineLength + 2;
    QByteArray bytes;
    for (int i = 0; i < RecordLineCount && !file.atEnd(); ++i) {
        const QByteArray line = file.readLine(LineBound + 1);
        if (file.error() != QFileDevice::NoError) {
            result.error = file.errorString();
            return result;
        }
        bytes.append(line);
        if (!line.endsWith('\n')) {
            if (!file.atEnd()) {
                result.error = QStringLiteral("Line %1 of the file is longer than %2 bytes.")
                                   .arg(i + 1)
                                   .arg(RecordMaxLineLength);
                return result;
            }
            break;
        }
    }
    return ParseRecordBytes(bytes);
}

QString RecordValueProblem(const QString& value) {
    if (value.size() > RecordMaxLineLength)
        return QStringLiteral("The text is longer than %1 characters.").arg(RecordMaxLineLength);
    const std::u16string_view text = Utf16Of(value);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t width = (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size()) ? 2 : 1;
        const std::u16string_view one = text.substr(i, width);
        const QString shown =
            QString(reinterpret_cast<const QChar*>(one.data()), static_cast<qsizetype>(one.size()));
        if (!ScramblesExactly(one))
            return QStringLiteral("The character \"%1\" (U+%2) cannot be stored in a record file.")
                .arg(shown, CodePointText(QStringView(shown).toUcs4().value(0)));
        const std::string code = ScrambleText(one);
        if (code == "\r" || code == "\n")
            return QStringLiteral("The text holds a control character (U+%1) that cannot be stored in a "
                                  "record file.")
                .arg(CodePointText(text[i]));
        i += width - 1;
    }
    return {};
}

QString RecordSaveProblem(const RecordValues& v) {
    const QList<QPair<QString, const QString*>> fields = {{QStringLiteral("name"), &v.name},
                                                          {QStringLiteral("sex"), &v.sex},
                                                          {QStringLiteral("day"), &v.day},
                                                          {QStringLiteral("month"), &v.month},
                                                          {QStringLiteral("year"), &v.year}};
    for (const auto& [field, value] : fields) {
        const QString problem = RecordValueProblem(*value);
        if (!problem.isEmpty())
            return QStringLiteral("The %1 cannot be saved exactly, so nothing was saved. %2").arg(field, problem);
    }
    return {};
}

RecordWriteResult WriteRecordFile(const QString& path, const RecordValues& v) {
    RecordWriteResult result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = BuildRecordBytes(v);
    if (file.write(bytes) != bytes.size()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

std::optional<ListPositions> RecordListPositions(const RecordValues& v) {
    const int day = PlainNumber(v.day, 1, 31);
    const int year = PlainNumber(v.year, FirstWholeYear, LastWholeYear);
    if (day < 0 || year < 0)
        return std::nullopt;
    for (std::size_t month = 0; month < MonthNames.size(); ++month) {
        if (v.month ==
            QLatin1String(MonthNames[month].data(), static_cast<qsizetype>(MonthNames[month].size())))
            return ListPositions{day - 1, static_cast<int>(month), year - FirstWholeYear};
    }
    return std::nullopt;
}

} // namespace zodiac
