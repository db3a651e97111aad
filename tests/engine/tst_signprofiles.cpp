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
    void shortValues_data() {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QStringList>("v"); // planet, most, least, colour, gem, energy, season, month
        auto row = [](const char* sign, QStringList values) {
            QTest::newRow(sign) << sign << values;
        };
        row("Rat", {"Jupiter", "Dragon, Monkey", "Horse", "Light Blue", "Carbuncle, Red Garnet",
                    "Yin (positive)", "Winter", "December"});
        row("Ox", {"Saturn", "Snake, Rooster", "Goat", "Violet", "White Onyx", "Yin (positive)",
                   "End of Winter", "January"});
        row("Tiger", {"Uranus", "Horse, Dog", "Monkey", "Green", "Sapphire", "Yang (Negative)",
                      "Early Spring", "February"});
        row("Rabbit", {"Jupiter", "Goat, Pig", "Rooster", "Pale Green", "Chrysolite", "Yin (positive)",
                       "Mid Spring", "March"});
        row("Dragon", {"Mars", "Rat, Monkey", "Dog", "Turquoise", "Amethyst", "Yang (Negative)",
                       "End of Spring", "April"});
        row("Snake", {"Venus", "Ox, Rooster", "Tiger, Pig", "Red", "Mossagate", "Yin (Positive Energy)",
                      "Early Summer", "May"});
        row("Horse",
            {"Mercury", "Tiger, Dog", "Rat", "Orange", "Beryl", "Yang (Negative)", "Mid Summer", "June"});
        row("Goat", {"Moon", "Rabbit, Pig", "Ox", "Pink, Purple", "Emerald", "Yin (Positive)",
                     "End of Summer", "July"});
        row("Monkey", {"Sun", "Rat, Dragon", "Tiger", "Yellow, Gold", "Emerald", "Yang (Negative)",
                       "Early Autumn", "August"});
        row("Rooster", {"Mercury", "Ox, Dragon, Snake", "Rabbit", "Peach, Apricot", "Pin Jasper",
                        "Yin (Positive)", "Mid Autumn", "September"});
        row("Dog", {"Venus", "Tiger, Horse", "Dragon", "Pale Yellow", "Diamond", "Yang (Negative)", "Winter",
                    "October"});
        row("Pig", {"Mars", "Rabbit, Goat", "Snake", "Dark Blue", "Topaz", "Yin (Positive)", "Early Winter",
                    "October"});
    }

    void shortValues() {
        QFETCH(QString, sign);
        QFETCH(QStringList, v);
        const ZodiacReading r = Described("Wood", sign.toStdString().c_str());
        QCOMPARE(Q(r.Sign), sign);
        QCOMPARE(Q(r.Element), QStringLiteral("Wood"));
        QCOMPARE(Q(r.RulingPlanet), v[0]);
        QCOMPARE(Q(r.MostCompatibleSign), v[1]);
        QCOMPARE(Q(r.LeastCompatibleSign), v[2]);
        QCOMPARE(Q(r.LuckyColor), v[3]);
        QCOMPARE(Q(r.GemStone), v[4]);
        QCOMPARE(Q(r.Energy), v[5]);
        QCOMPARE(Q(r.FavourableSeason), v[6]);
        QCOMPARE(Q(r.FavourableMonth), v[7]);
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
