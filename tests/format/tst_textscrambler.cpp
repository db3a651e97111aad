#include "TextScrambler.h"

#include <QtTest>

using namespace zodiac;

namespace {

std::u16string U(const QString& s) {
    return s.toStdU16String();
}
QString Q(const std::u16string& s) {
    return QString::fromStdU16String(s);
}
QByteArray B(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

} // namespace

class tst_TextScrambler : public QObject {
    Q_OBJECT

private slots:
    void everyKeptCodeRoundTrips() {
        for (int code = 0; code <= 255 - ScrambleOffset; ++code) {
            const std::string codes(1, static_cast<char>(code));
            const std::u16string text = DecodeWindows1252(codes);
            const std::string scrambled = ScrambleText(text);
            QCOMPARE(scrambled.size(), std::size_t{1});
            QCOMPARE(static_cast<unsigned char>(scrambled[0]),
                     static_cast<unsigned char>(code + ScrambleOffset));
            QCOMPARE(UnscrambleText(scrambled), text);
        }
    }

    void codesAboveTheLimitAreDropped() {
        for (int code = 256 - ScrambleOffset; code <= 255; ++code) {
            std::string codes = "a";
            codes += static_cast<char>(code);
            codes += 'b';
            const std::u16string text = DecodeWindows1252(codes);
            QCOMPARE(B(ScrambleText(text)), QByteArray("de"));
        }
        QVERIFY(!ScramblesExactly(u"\u00FF"));
    }

    void codesBelowTheOffsetAreDroppedWhenUnscrambling() {
        std::string scrambled = "x";
        for (int code = 0; code < ScrambleOffset; ++code)
            scrambled += static_cast<char>(code);
        scrambled += "y";
        QCOMPARE(Q(UnscrambleText(scrambled)), QStringLiteral("uv"));
    }

    void windows1252Mapping_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("codes");
        QTest::newRow("euro") << QStringLiteral("\u20AC") << QByteArray("\x80");
        QTest::newRow("e acute") << QStringLiteral("\u00E9") << QByteArray("\xE9");
        QTest::newRow("curly quotes") << QStringLiteral("\u201C\u201D") << QByteArray("\x93\x94");
        QTest::newRow("z caron") << QStringLiteral("\u017E") << QByteArray("\x9E");
        QTest::newRow("unassigned 0x81") << QStringLiteral("\u0081") << QByteArray("\x81");
        QTest::newRow("C1 control with a glyph elsewhere") << QStringLiteral("\u0080") << QByteArray("?");
        QTest::newRow("Cyrillic") << QStringLiteral("\u0416") << QByteArray("?");
        QTest::newRow("CJK") << QStringLiteral("\u732B") << QByteArray("?");
        QTest::newRow("emoji is one character") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    }

    void windows1252Mapping() {
        QFETCH(QString, text);
        QFETCH(QByteArray, codes);
        QCOMPARE(B(EncodeWindows1252(U(text))), codes);
    }

    void decodeIsTheInverseOfEncodeForEveryCode() {
        for (int code = 0; code <= 255; ++code) {
            const std::string codes(1, static_cast<char>(code));
            QCOMPARE(EncodeWindows1252(DecodeWindows1252(codes)), codes);
        }
    }

    void scrambledShapeAndLengths_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("scrambledLength");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("32766 kept") << 32766 << 32766;
        QTest::newRow("32768 gives empty") << 32768 << 0;
        QTest::newRow("100000 gives empty") << 100000 << 0;
    }

    void scrambledShapeAndLengths() {
        QFETCH(int, length);
        QFETCH(int, scrambledLength);
        const std::u16string text(static_cast<std::size_t>(length), u'A');
        const std::string scrambled = ScrambleText(text);
        QCOMPARE(int(scrambled.size()), scrambledLength);
        const std::string codes(static_cast<std::size_t>(length), 'A');
        QCOMPARE(int(UnscrambleText(codes).size()), scrambledLength);
        if (scrambledLength > 0)
            QCOMPARE(UnscrambleText(scrambled), text);
    }

    void wordWithLostLetters() {
        // Only the letters that can be shifted are kept, in their order.
        QCOMPARE(B(ScrambleText(u"y\u00FDes\u00FF")), QByteArray("|hv"));
        QCOMPARE(B(ScrambleText(u"Duration")), QByteArray("Gxudwlrq"));
    }

    void noOrdinaryCharacterScramblesToALineEnd() {
        for (char16_t ch : std::u16string(u"\t abcXYZ019.,;:!?'\"-/\u00E9\u20AC")) {
            const std::string s = ScrambleText(std::u16string(1, ch));
            QVERIFY(s != "\r" && s != "\n");
        }
    }
};

QTEST_APPLESS_MAIN(tst_TextScrambler)
#include "tst_textscrambler.moc"
