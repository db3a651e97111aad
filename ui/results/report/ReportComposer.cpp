#include "ReportComposer.h"

#include "Colors.h"
#include "Controls.h"
#include "ShortDate.h"

#include <QPalette>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace zodiac {

namespace {

QString BirthDateText(const ZodiacReading& r, const QLocale& locale) {
    if (!r.BirthDate || !r.BirthDate->ok())
        return {};
    const QDate date(static_cast<int>(r.BirthDate->year()), static_cast<int>(unsigned(r.BirthDate->month())),
                     static_cast<int>(unsigned(r.BirthDate->day())));
    return ShortDateText(date, locale);
}

} // namespace

ReportColors PrintedReportColors() {
    return {SignColor, ReportValueColor};
}

ReportColors ScreenReportColors(const QPalette& palette) {
    // The report area is drawn in the window's colour.
    // Black values mean "the normal text colour"; where black does not read, the theme's text does.
    // The window is drawn active and, while another has the focus, inactive: black must read in both.
    bool blackReads = true;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        blackReads = blackReads && ContrastRatio(ReportValueColor, palette.color(group, QPalette::Window)) >=
                                       MinimumContrast;
    const QColor value =
        blackReads ? ReportValueColor
                   : ReadableInPalette(palette.color(QPalette::WindowText), palette, QPalette::Window);
    return {ReadableInPalette(SignColor, palette, QPalette::Window), value};
}

void ComposeReport(QTextDocument& doc, const ZodiacReading& r, const QLocale& locale,
                   const ReportColors& colors) {
    doc.clear();
    QTextCursor cursor(&doc);
    // One edit: the document is laid out, and tells of its change, once for the whole report
    // rather than once for each of its runs.
    cursor.beginEditBlock();

    QTextCharFormat label;
    label.setFontWeight(QFont::Bold);
    label.setForeground(colors.label);
    QTextCharFormat value;
    value.setFontWeight(QFont::Normal);
    value.setForeground(colors.value);

    const QString breaks = QStringLiteral("\n\n\n");
    const auto entry = [&](const QString& labelText, const QString& valueText) {
        cursor.insertText(labelText, label);
        cursor.insertText(valueText + breaks, value);
    };

    entry(QStringLiteral("Name: "), FromUtf8(r.Name));
    entry(QStringLiteral("Date of Birth: "), BirthDateText(r, locale));
    entry(QStringLiteral("Sign: "), FromUtf8(r.Sign));
    entry(QStringLiteral("Element: ") + FromUtf8(r.Element) + QStringLiteral(": "),
          FromUtf8(r.ElementDescription));
    entry(QStringLiteral("Ruling Planet: "), FromUtf8(r.RulingPlanet));
    entry(QStringLiteral("Positive Traits: "), FromUtf8(r.PositiveTraits));
    entry(QStringLiteral("Negative Traits: "), FromUtf8(r.NegativeTraits));
    entry(QStringLiteral("Most Compatible Sign: "), FromUtf8(r.MostCompatibleSign));
    entry(QStringLiteral("Least Compatible Sign: "), FromUtf8(r.LeastCompatibleSign));
    entry(QStringLiteral("Lucky Color: "), FromUtf8(r.LuckyColor));
    entry(QStringLiteral("GemStone: "), FromUtf8(r.GemStone));
    entry(QStringLiteral("Energy: "), FromUtf8(r.Energy));
    entry(QStringLiteral("Favourable Season: "), FromUtf8(r.FavourableSeason));
    entry(QStringLiteral("Favourable Month: "), FromUtf8(r.FavourableMonth));
    entry(QStringLiteral("Famous Persons of this Star Sign are: "), FromUtf8(r.FamousPersons));
    cursor.endEditBlock();
}

void ComposePrintedReport(QTextDocument& doc, const ZodiacReading& r, const QLocale& locale,
                          const QFont& font) {
    doc.setDefaultFont(font);
    // A name without blanks longer than a line still breaks, rather than running off the paper.
    QTextOption wrapping = doc.defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(wrapping);
    ComposeReport(doc, r, locale, PrintedReportColors());

    QTextCursor end(&doc);
    end.movePosition(QTextCursor::End);
    while (end.block().text().isEmpty() && end.block().previous().isValid()) {
        end.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
        end.removeSelectedText();
    }
}

} // namespace zodiac
