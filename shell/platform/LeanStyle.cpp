#include "LeanStyle.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QLibraryInfo>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QResource>
#include <QStyleOption>
#include <QVersionNumber>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <qdrawutil.h>

namespace zodiac {

namespace {

// Qt's raster engine hands a long run of spans (about a hundred rows of a fill, fewer where a row
// has several spans) to its thread pool in slices, and waits for them. A group box's frame is a
// small picture stretched over each edge, a few pixels wide and the whole box tall, and such an
// edge costs far more in the hand-over than in the drawing. Drawn in bands of 48 rows, with the
// same pixels, it stays on the painting thread. A part only a few pixels wide has one span a row,
// and takes taller bands.
int BandRows(const QPainter* painter, int deviceRows) {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    return std::max(1, static_cast<int>(deviceRows / scale));
}

template <typename Draw> void InBands(const QRect& area, QPainter* painter, Draw draw, int rows = 48) {
    const int band = BandRows(painter, rows);
    for (int top = area.top(); top <= area.bottom(); top += band) {
        painter->save();
        painter->setClipRect(QRect(area.left(), top, area.width(), std::min(band, area.bottom() - top + 1)),
                             Qt::IntersectClip);
        draw();
        painter->restore();
    }
}

// Fusion draws a group box's frame by stretching the nine parts of one picture over it, the middle
// part over nearly all of the box. That middle is a single faint colour: filling with it gives the
// same pixels for a fraction of the work of stretching it. The edges are stretched here from the
// same picture, read once.
const QString FusionFramePicture =
    QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
constexpr int FusionFrameMargin = 6; // the picture's stretched edges

// Where the style keeps its built-in pictures, each sign at several sizes ("left-16.png").
const QString BuiltInPictureFolder = QStringLiteral(":/qt-project.org/styles/commonstyle/images");

bool IsFusion(const QStyle* style) {
    return style && style->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0;
}

// Whether a fill lands on the same whole pixels as the stretched picture: no scaling but whole
// device pixels, no turning, full opacity, plain blending.
bool PaintsWholePixels(const QPainter* painter) {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 0.0;
    const QTransform& moved = painter->transform();
    return scale >= 1.0 && scale == std::round(scale) && moved.type() <= QTransform::TxTranslate &&
           moved.dx() == std::round(moved.dx()) && moved.dy() == std::round(moved.dy()) &&
           painter->opacity() == 1.0 && painter->compositionMode() == QPainter::CompositionMode_SourceOver;
}

// A reader of a built-in picture as the PNG file it is. Left to guess the format, Qt would load
// every image plug-in (and libjpeg) to ask each about the file, for pictures that are always PNG.
class PngReader : public QImageReader {
public:
    explicit PngReader(const QString& path) : QImageReader(path, "png") { setAutoDetectImageFormat(false); }
};

// A number as QPixmap writes it into its cache keys: each byte in memory order, low digit first.
template <typename Number> QString CacheKeyHex(Number value) {
    static constexpr char digits[] = "0123456789abcdef";
    QString hex;
    const auto* byte = reinterpret_cast<const unsigned char*>(&value);
    for (std::size_t i = 0; i < sizeof value; ++i) {
        hex += QLatin1Char(digits[byte[i] & 0xf]);
        hex += QLatin1Char(digits[byte[i] >> 4]);
    }
    return hex;
}

// One built-in picture of a sign, and its size from the file's header.
struct BuiltInPicture {
    QString path;
    QSize size;
};

int Area(const QSize& size) {
    return size.width() * size.height();
}

// An icon made of the style's built-in pictures of one sign, each read only when a size is asked for
// that needs it. The style reads them all at once: for a calendar's month arrows, drawn at 16
// pixels, that is a 32 and a 128 pixel picture as well (64 KiB each at 128). The pictures read so
// far make up an ordinary icon, which answers. Qt 6.4's icon answers a size with the smallest
// picture of at least its area, else the largest; that picture is read first, so the ordinary icon,
// holding it, answers as the style's own would.
class PicturesOnDemand : public QIconEngine {
public:
    explicit PicturesOnDemand(QList<BuiltInPicture> pictures) : m_pictures(std::move(pictures)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        Read(size);
        return m_read.pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        Read(size);
        return m_read.actualSize(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal scale =
            painter->device() ? painter->device()->devicePixelRatio() : qApp->devicePixelRatio();
        Read(rect.size() * scale);
        m_read.paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (const BuiltInPicture& picture : m_pictures)
                sizes.append(picture.size);
        return sizes;
    }
    bool isNull() override { return m_pictures.isEmpty(); }
    QString key() const override { return QStringLiteral("PicturesOnDemand"); }
    QIconEngine* clone() const override { return new PicturesOnDemand(*this); }

private:
    void Read(const QSize& size) {
        const int wanted = Area(size);
        const BuiltInPicture* best = nullptr;
        for (const BuiltInPicture& picture : m_pictures) {
            const int kept = best ? Area(best->size) : 0;
            const int other = Area(picture.size);
            // Of two, the smaller if it is large enough, else the larger.
            const int smaller = std::min(kept, other);
            const int chosen = smaller >= wanted ? smaller : std::max(kept, other);
            if (!best || (chosen == other && other != kept))
                best = &picture;
        }
        if (!best || m_done.contains(best->path))
            return;
        m_done.append(best->path);
        m_read.addPixmap(QPixmap::fromImage(PngReader(best->path).read()));
    }

    QList<BuiltInPicture> m_pictures;
    QStringList m_done;
    QIcon m_read;
};

// The names in the folder of the style's built-in pictures, read once. The folder is one of Qt's
// resources: its resource entry lists them at once, where a listing through QDir builds the file
// information of each of its 167 pictures (0.4 ms a listing, once for each icon).
const QStringList& BuiltInPictureNames() {
    struct Folder : QResource {
        using QResource::children;
        using QResource::QResource;
    };
    static const QStringList names = Folder(BuiltInPictureFolder).children();
    return names;
}

// The built-in pictures of a standard icon that Fusion makes of them alone, for the icons the
// program's windows ask for; none for other icons. None either where Qt's icons choose their
// pictures otherwise than by area: from Qt 6.5 on, an icon also weighs the scale the style gives
// each picture (Qt 6.8 takes a 32-pixel arrow as the 16-pixel one at twice the scale), and the
// style's own icon is used there.
QList<BuiltInPicture> BuiltInPictures(QStyle::StandardPixmap icon) {
    static const bool byArea = QLibraryInfo::version() < QVersionNumber(6, 5);
    if (!byArea)
        return {};
    QString sign;
    if (icon == QStyle::SP_ArrowLeft)
        sign = QStringLiteral("left-");
    else if (icon == QStyle::SP_ArrowRight)
        sign = QStringLiteral("right-");
    else if (icon == QStyle::SP_ToolBarHorizontalExtensionButton) // a menu bar's, for entries cut off
        sign = QGuiApplication::isRightToLeft() ? QStringLiteral("toolbar-ext-h-rtl-")
                                                : QStringLiteral("toolbar-ext-h-");
    else
        return {};
    QList<BuiltInPicture> pictures;
    const QDir folder(BuiltInPictureFolder);
    // Matched by hand: a name filter would bring in the regular expression engine.
    for (const QString& name : BuiltInPictureNames()) {
        if (!name.startsWith(sign) || !name.endsWith(QStringLiteral(".png")))
            continue;
        bool number = false;
        if (QStringView(name).sliced(sign.size()).chopped(4).toInt(&number) <= 0 || !number) // not "rtl-16"
            continue;
        const QString path = folder.filePath(name);
        if (const QSize size = PngReader(path).size(); size.isValid())
            pictures.append({path, size});
    }
    return pictures;
}

} // namespace

QPixmap ReadBuiltInPicture(const QString& path) {
    const QPixmap picture = QPixmap::fromImage(PngReader(path).read());
    // QPixmap's key for a file: path, modification time, size, kind of pixmap (0, a plain one).
    const QFileInfo file(path);
    QPixmapCache::insert(QStringLiteral("qt_pixmap") + file.absoluteFilePath() +
                             CacheKeyHex(static_cast<uint>(file.lastModified().toSecsSinceEpoch())) +
                             CacheKeyHex(static_cast<quint64>(file.size())) + CacheKeyHex(0U),
                         picture);
    return picture;
}

LeanStyle::FusionFrame LeanStyle::ReadFusionFrame() {
    // Fusion draws the strip its frame's place is read off (below) from the same file: it finds the
    // picture in the pixmap cache.
    const QPixmap picture = ReadBuiltInPicture(FusionFramePicture);
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect middle =
        image.rect().adjusted(FusionFrameMargin, FusionFrameMargin, -FusionFrameMargin, -FusionFrameMargin);
    if (middle.isEmpty())
        return {};
    const QRgb colour = image.pixel(middle.topLeft());
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x)
            if (image.pixel(x, y) != colour)
                return {};
    // A fill blends its colour premultiplied, as the picture's pixels are: it must come back whole.
    if (qPremultiply(qUnpremultiply(colour)) != colour)
        return {};
    // The first row of the picture that shows, down the left of its top edge.
    int firstRow = 0;
    while (firstRow < middle.top() && qAlpha(image.pixel(FusionFrameMargin, firstRow)) == 0)
        ++firstRow;
    if (firstRow == middle.top())
        return {};
    return {picture, QColor::fromRgba(qUnpremultiply(colour)), firstRow};
}

// How far below the top of the box Fusion starts the picture depends on the title, its font and
// the version of Qt. It is read off a narrow strip of the frame, drawn by Fusion itself; -1 if the
// picture is not found there.
int LeanStyle::FusionFrameTop(const QStyleOption* option, const QWidget* widget) const {
    QStyleOptionFrame strip;
    if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option))
        strip = *frame;
    else
        static_cast<QStyleOption&>(strip) = *option;
    strip.rect = QRect(0, 0, 2 * FusionFrameMargin + 1,
                       option->fontMetrics.height() +
                           pixelMetric(PM_ExclusiveIndicatorHeight, option, widget) + 4 * FusionFrameMargin);
    QImage drawn(strip.rect.size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    QProxyStyle::drawPrimitive(PE_FrameGroupBox, &strip, &painter, widget);
    painter.end();
    for (int y = 0; y < drawn.height(); ++y)
        if (qAlpha(drawn.pixel(FusionFrameMargin, y)) != 0)
            return y - m_fusionFrame->firstRow;
    return -1;
}

// Fusion's group box frame, as Fusion draws it; false if it cannot be drawn so.
bool LeanStyle::DrawFusionFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
    const int top = FusionFrameTop(option, widget);
    if (top < 0)
        return false;
    const QRect frame = option->rect.adjusted(0, top, 0, 0);
    const QMargins margins(FusionFrameMargin, FusionFrameMargin, FusionFrameMargin, FusionFrameMargin);
    const auto stretch = [&] {
        qDrawBorderPixmap(painter, frame, margins, m_fusionFrame->picture);
    };
    const QRect middle = frame.marginsRemoved(margins);
    if (middle.isEmpty() || !PaintsWholePixels(painter)) {
        InBands(frame, painter, stretch);
        return true;
    }
    // The edges stretched, each clipped to itself; the middle filled.
    InBands(QRect(frame.left(), frame.top(), frame.width(), FusionFrameMargin), painter, stretch);
    InBands(QRect(frame.left(), middle.top(), FusionFrameMargin, middle.height()), painter, stretch, 88);
    InBands(QRect(middle.right() + 1, middle.top(), FusionFrameMargin, middle.height()), painter, stretch,
            88);
    InBands(QRect(frame.left(), middle.bottom() + 1, frame.width(), FusionFrameMargin), painter, stretch);
    // Filled band by band, as a clip would not shorten the fill. The paint region leaves out the
    // box's opaque children, so a row of it may have several spans: the bands are lower.
    const int band = BandRows(painter, 16);
    for (int y = middle.top(); y <= middle.bottom(); y += band)
        painter->fillRect(QRect(middle.left(), y, middle.width(), std::min(band, middle.bottom() - y + 1)),
                          m_fusionFrame->middle);
    return true;
}

void LeanStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    if (element == PE_FrameGroupBox && option) {
        if (!m_fusionFrame)
            m_fusionFrame = IsFusion(baseStyle()) ? ReadFusionFrame() : FusionFrame();
        if (m_fusionFrame->picture.isNull() || !DrawFusionFrame(option, painter, widget))
            InBands(option->rect, painter,
                    [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

LeanStyle::LeanStyle(QStyle* base) : QProxyStyle(base) {}

QIcon LeanStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    // An option may carry state the icon is drawn for; those calls are rare and go straight through.
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    const Qt::LayoutDirection direction =
        widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
    // The theme is part of the key: the desktop may switch icon themes while the program runs.
    const QString theme = QIcon::themeName();
    const QString key = QStringLiteral("%1/%2/%3").arg(int(icon)).arg(int(direction)).arg(theme);
    const auto kept = m_icons.constFind(key);
    if (kept != m_icons.constEnd())
        return *kept;

    // Where no desktop icon theme is set, only the fallback theme, which holds applications' own
    // icons and none of the toolkit's (arrows, dialog signs), looking there would parse its whole
    // index, over two thousand entries kept for the rest of the run, and find nothing: the style is
    // asked with the desktop's settings off for the call, and gives the built-in icons it would
    // end up with.
    const bool aware = QGuiApplication::desktopSettingsAware();
    if (theme == QIcon::fallbackThemeName()) {
        // Under Fusion, the icons the windows ask for are made of those built-in pictures here, each
        // read when it is first drawn.
        const QList<BuiltInPicture> pictures =
            IsFusion(baseStyle()) ? BuiltInPictures(icon) : QList<BuiltInPicture>();
        if (!pictures.isEmpty()) {
            const QIcon made(new PicturesOnDemand(pictures));
            m_icons.insert(key, made);
            return made;
        }
        QGuiApplication::setDesktopSettingsAware(false);
    }
    const QIcon made = QProxyStyle::standardIcon(icon, option, widget);
    QGuiApplication::setDesktopSettingsAware(aware);
    m_icons.insert(key, made);
    return made;
}

void UseLeanStyle() {
    QApplication::setStyle(new LeanStyle(QApplication::style()));
}

} // namespace zodiac
