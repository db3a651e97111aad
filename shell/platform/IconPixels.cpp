// Build tool: writes the window icon's PNG files out as C++ arrays of the pixels they decode to,
// premultiplied as a pixmap holds them, so that a start of the program decodes no PNG for its icon.
//   zodiac_icon_pixels OUTPUT.cpp ICON.png...
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp ICON.png...\n", argv[0]);
        return 2;
    }
    QString text;
    QTextStream out(&text);
    out << "// Generated at build time from the window icon's PNG files; not edited by hand.\n"
           "#include \"AppIconPixels.h\"\n\nnamespace zodiac {\n\n";
    QStringList entries;
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QImageReader reader(path, "png");
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "%s: not a square PNG image: %s\n", argv[i],
                         qPrintable(reader.errorString()));
            return 1;
        }
        const QString name = QStringLiteral("Icon%1").arg(i - 2);
        out << "static const quint32 " << name << "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                out << ((x % 8) ? " " : "\n    ") << "0x" << QString::number(line[x], 16) << "u,";
        }
        out << "\n};\n\n";
        entries << QStringLiteral("        {%1, %2},\n").arg(image.width()).arg(name);
    }
    out << "std::span<const IconPixels> AppIconSizes() {\n"
           "    static const IconPixels sizes[] = {\n"
        << entries.join(QString()) << "    };\n    return sizes;\n}\n\n} // namespace zodiac\n";
    out.flush();

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0 ||
        !file.flush()) {
        std::fprintf(stderr, "%s: cannot write: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
