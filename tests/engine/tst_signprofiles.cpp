#include "DateText.h"
#include "NewYearTable.h"
#include "SignDetermination.h"
#include "SignProfiles.h"

#include <QtTest>

using namespace zodiac;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

ZodiacReading Described(const char* element, const char* sign) {
    ZodiacReading r;
    ChineseZodiacDescription(r, element, sign);
    return r;
}

void CheckParagraph(std::string_view text, int length, const char* firstWords) {
    QVERIFY2(text.starts_with(firstWords), firstWords);
    const double n = double(text.size());
    QVERIFY2(n >= 0.95 * length && n <= 1.05 * length,
             qPrintable(QStringLiteral("%1: %2 characters, %3 wanted").arg(firstWords).arg(n).arg(length)));
    for (char c : text)
        QVERIFY2(c >= 32 && c <= 126, firstWords); // one plain paragraph, no line breaks
}

} // namespace

class tst_SignProfiles : public QObject {
    Q_OBJECT

private slots:
    // Every sign the New Year table gives has a profile, and its short values are of their kind: the
    // planets of astrology, signs of the cycle other than itself, a month, a season, Yin or Yang.
    void shortValuesOfTheirKind_data() {
        QTest::addColumn<QString>("sign");
        for (std::string_view sign : SignNames)
            QTest::newRow(sign.data()) << Q(sign);
    }

    void shortValuesOfTheirKind() {
        QFETCH(QString, sign);
        const ZodiacReading r = Described("Wood", sign.toStdString().c_str());
        QCOMPARE(Q(r.Sign), sign);
        const QStringList planets = {"Sun",  "Moon",    "Mercury", "Venus",
                                     "Mars", "Jupiter", "Saturn",  "Uranus"};
        QVERIFY2(planets.contains(Q(r.RulingPlanet)), qPrintable(Q(r.RulingPlanet)));
        QStringList signs;
        for (std::string_view name : SignNames)
            signs << Q(name);
        const QStringList most = Q(r.MostCompatibleSign).split(QStringLiteral(", "));
        const QStringList least = Q(r.LeastCompatibleSign).split(QStringLiteral(", "));
        for (const QString& other : most + least) {
            QVERIFY2(signs.contains(other) && other != sign, qPrintable(other));
            QVERIFY2(!(most.contains(other) && least.contains(other)), qPrintable(other));
        }
        QStringList months;
        for (std::string_view month : MonthNames)
            months << Q(month);
        QVERIFY2(months.contains(Q(r.FavourableMonth)), qPrintable(Q(r.FavourableMonth)));
        const QString season = Q(r.FavourableSeason);
        QVERIFY2(QRegularExpression("^(Early |Mid |End of )?(Spring|Summer|Autumn|Winter)$")
                     .match(season)
                     .hasMatch(),
                 qPrintable(season));
        QVERIFY2(Q(r.Energy).startsWith("Yin (") || Q(r.Energy).startsWith("Yang ("),
                 qPrintable(Q(r.Energy)));
        for (const std::string& value : {r.LuckyColor, r.GemStone})
            QVERIFY(!value.empty() && Q(value).trimmed() == Q(value));
    }

    void paragraphs_data() {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<int>("names");
        QTest::addColumn<int>("nameChars");
        QTest::addColumn<int>("posLength");
        QTest::addColumn<QString>("posStart");
        QTest::addColumn<int>("negLength");
        QTest::addColumn<QString>("negStart");
        auto row = [](const char* s, int n, int c, int pl, const char* ps, int nl, const char* ns) {
            QTest::newRow(s) << s << n << c << pl << ps << nl << ns;
        };
        row("Rat", 5, 75, 680, "You are considered to be witty", 570, "You may become greedy. You are");
        row("Ox", 7, 105, 922, "You are born leaders. You are", 531, "You do not feel comfortable in");
        row("Tiger", 6, 83, 759, "You are born leaders and have", 508, "You have a very short temper");
        row("Rabbit", 6, 81, 731, "You are very softhearted people who", 561,
            "You are dependent on others. You");
        row("Dragon", 3, 49, 840, "You are a very powerful sign", 738, "You may be considered to talk");
        row("Snake", 6, 101, 761, "You are usually very popular with", 635, "You may be too lazy in");
        row("Horse", 5, 74, 762, "You have commanding presence amongst people.", 470,
            "You feel inferior in your group");
        row("Goat", 6, 89, 797, "You have a charming personality. You", 500,
            "You are always complaining about everything.");
        row("Monkey", 6, 90, 997, "You love having a ball of", 432, "You are never serious about issues.");
        row("Rooster", 4, 54, 685, "You are a good decision maker", 438, "You are very impractical and only");
        row("Dog", 8, 113, 739, "You are a trustworthy and faithful", 502, "You do not trust anyone. You");
        row("Pig", 5, 74, 614, "You are intelligent and love challenges.", 417,
            "You may be too materialistic. You");
    }

    void paragraphs() {
        QFETCH(QString, sign);
        QFETCH(int, names);
        QFETCH(int, nameChars);
        QFETCH(int, posLength);
        QFETCH(QString, posStart);
        QFETCH(int, negLength);
        QFETCH(QString, negStart);
        const ZodiacReading r = Described("Fire", sign.toStdString().c_str());
        CheckParagraph(r.PositiveTraits, posLength, posStart.toStdString().c_str());
        CheckParagraph(r.NegativeTraits, negLength, negStart.toStdString().c_str());

        const QString famous = Q(r.FamousPersons);
        QCOMPARE(famous.size(), nameChars);
        const QStringList list = famous.split(QStringLiteral(", "));
        QCOMPARE(list.size(), names);
        for (const QString& person : list) {
            QVERIFY(!person.isEmpty());
            QCOMPARE(person.trimmed(), person);
            QVERIFY(!person.contains(QLatin1Char(',')));
        }
    }

    void elements_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("start");
        QTest::newRow("Metal") << "Metal" << 302 << "You are very focused and confident.";
        QTest::newRow("Water") << "Water" << 334 << "You have the fluidity of water";
        QTest::newRow("Wood") << "Wood" << 432 << "You are very confident about yourself.";
        QTest::newRow("Fire") << "Fire" << 354 << "You have an impulsive nature. You";
        QTest::newRow("Earth") << "Earth" << 318 << "You are more logical than emotional";
    }

    void elements() {
        QFETCH(QString, element);
        QFETCH(int, length);
        QFETCH(QString, start);
        const ZodiacReading r = Described(element.toStdString().c_str(), "Rat");
        CheckParagraph(r.ElementDescription, length, start.toStdString().c_str());
    }

    void allTextsDistinct() {
        QSet<QString> seen;
        for (const SignProfile& p : SignProfiles()) {
            for (std::string_view text : {p.PositiveTraits, p.NegativeTraits, p.FamousPersons}) {
                QVERIFY(!seen.contains(Q(text)));
                seen.insert(Q(text));
            }
        }
        for (const ElementText& e : ElementTexts()) {
            QVERIFY(!seen.contains(Q(e.Description)));
            seen.insert(Q(e.Description));
        }
    }

    // Names that are not exactly one of the listed ones write nothing for their half of the call.
    void unknownNamesWriteNothing_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<bool>("profileWritten");
        QTest::addColumn<bool>("elementWritten");
        QTest::newRow("both empty") << ""
                                    << "" << false << false;
        QTest::newRow("lower-case sign") << "Fire"
                                         << "rat" << false << true;
        QTest::newRow("unknown element") << "Air"
                                         << "Pig" << true << false;
        QTest::newRow("lower-case element") << "earth"
                                            << "Pig" << true << false;
        QTest::newRow("blank after sign") << "Fire"
                                          << "Rat " << false << true;
    }

    void unknownNamesWriteNothing() {
        QFETCH(QString, element);
        QFETCH(QString, sign);
        QFETCH(bool, profileWritten);
        QFETCH(bool, elementWritten);
        ZodiacReading r = Described("Water", "Horse");
        const ZodiacReading before = r;
        ChineseZodiacDescription(r, element.toStdString(), sign.toStdString());
        QCOMPARE(r.RulingPlanet != before.RulingPlanet, profileWritten);
        QCOMPARE(r.FamousPersons != before.FamousPersons, profileWritten);
        QCOMPARE(r.Sign == sign.toStdString(), profileWritten);
        QCOMPARE(r.ElementDescription != before.ElementDescription, elementWritten);
    }

    void edgeCasesOfTheProfiles() {
        const ZodiacReading ratFire = Described("Fire", "Rat");
        QCOMPARE(Q(ratFire.RulingPlanet), QStringLiteral("Jupiter"));
        QCOMPARE(Q(ratFire.FavourableMonth), QStringLiteral("December"));
        const ZodiacReading pigEarth = Described("Earth", "Pig");
        QCOMPARE(Q(pigEarth.Energy), QStringLiteral("Yin (Positive)"));
        QCOMPARE(Q(pigEarth.FavourableMonth), QStringLiteral("October"));
    }
};

QTEST_APPLESS_MAIN(tst_SignProfiles)
#include "tst_signprofiles.moc"
