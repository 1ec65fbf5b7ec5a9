#include "platform/Artwork.h"

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <QtEndian>
#include <QScreen>

#include <array>
#include <cmath>
#include <optional>

namespace {

struct CursorArt {
    const char* path;
    QPoint hotSpot;
};

// Index = cursor number - 1. The hot spots are the fingertip, the dropper's tip and the middle of the fist.
constexpr std::array<CursorArt, 3> kCursorArt{{
    {":/cursor_hand.svg", {11, 1}},
    {":/cursor_dropper.svg", {2, 29}},
    {":/cursor_draghand.svg", {14, 14}},
}};
constexpr QSize kCursorSize{32, 32};

// Each made when first asked for: the cursor a drag shows is not needed before the first drag.
std::array<std::optional<QCursor>, 3>& Cursors()
{
    static std::array<std::optional<QCursor>, 3> cursors;
    return cursors;
}

std::size_t CursorIndex(CursorId id)
{
    const auto index = static_cast<std::size_t>(id) - 1;
    Q_ASSERT(index < kCursorArt.size());
    return index;
}

// Callers may name a picture by its file name alone ("tb_open.svg") or by its resource path.
QString ResourcePath(const QString& name)
{
    return name.startsWith(QLatin1Char(':')) ? name : QStringLiteral(":/") + name;
}

// The small pictures come ready drawn for ratios 1 and 2, made at build time exactly as ArtPixmap draws them
// (tools/BakeArtwork.cpp, which also describes the file): copying them costs a fraction of parsing and drawing
// their SVG files.
struct BakedFile {
    QByteArray data;
    QSize size; // empty when there is no such picture
};

constexpr qsizetype kBakedHeader = 12;

BakedFile FindBaked(const QString& name, int ratio)
{
    const QString file = name.startsWith(QLatin1String(":/")) ? name.mid(2) : name;
    const QResource resource(QStringLiteral(":/baked/%1@%2x").arg(file).arg(ratio));
    if (!resource.isValid())
        return {};
    BakedFile baked{resource.uncompressedData(), {}};
    const QByteArray& data = baked.data;
    if (data.size() < kBakedHeader || !data.startsWith("TWPX"))
        return {};
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const quint32 width = qFromLittleEndian<quint32>(bytes + 4);
    const quint32 height = qFromLittleEndian<quint32>(bytes + 8);
    if (width == 0 || height == 0 || width > 4096 || height > 4096
        || data.size() != kBakedHeader + qsizetype(width) * height * 4)
        return {};
    baked.size = QSize(int(width), int(height));
    return baked;
}

// Null when there is no such picture.
QImage BakedPicture(const QString& name, int ratio)
{
    const BakedFile baked = FindBaked(name, ratio);
    if (baked.size.isEmpty())
        return {};
    QImage image(baked.size, QImage::Format_ARGB32_Premultiplied);
    const char* pixels = baked.data.constData() + kBakedHeader;
    const qsizetype lineBytes = qsizetype(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y)
        qFromLittleEndian<quint32>(pixels + y * lineBytes, image.width(), image.scanLine(y));
    image.setDevicePixelRatio(ratio);
    return image;
}

// Pictures not drawn at build time are drawn through the toolkit's SVG image format, a plug-in loaded when the first
// such picture is drawn: on a screen of a ratio drawn at build time the SVG library is never loaded, where linking
// it loaded and linked it at every start.
QImageReader SvgReader(const QString& name)
{
    return QImageReader(ResourcePath(name), QByteArrayLiteral("svg"));
}

// A logical pixel covers 1.25, 1.5 or 1.75 device pixels on some screens, but the image format takes sizes in whole
// pixels only. The scale is given as that of this many times the picture (the picture with clear space beside it)
// to as many times its device size, and the result cut back to the device pixels the picture covers: its edges fall
// exactly where drawing it at the screen's ratio puts them, at any ratio in quarters.
constexpr int kQuarterPixels = 4;

QImage DrawSvg(const QString& name, QSize logicalSize, qreal dpr)
{
    QImageReader reader = SvgReader(name);
    const QSize own = reader.size();
    if (own.isEmpty())
        return {};
    const QSize deviceSize(int(std::ceil(logicalSize.width() * dpr)), int(std::ceil(logicalSize.height() * dpr)));
    reader.setClipRect(QRect(QPoint(0, 0), own * kQuarterPixels));
    reader.setScaledSize((QSizeF(logicalSize) * dpr * kQuarterPixels).toSize());
    reader.setScaledClipRect(QRect(QPoint(0, 0), deviceSize));
    QImage image = reader.read();
    image.setDevicePixelRatio(dpr);
    return image;
}

// Draws an icon only when a button first shows it, at the size, look and ratio asked for: at start-up most
// buttons need one look at one ratio, and drawing every look at every ratio up front doubled the start-up time.
class ArtIconEngine final : public QIconEngine {
public:
    ArtIconEngine(QString name, QSize size)
        : m_name(std::move(name))
        , m_size(size)
    {
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // size is in device pixels; the pixmap comes back at ratio scale so it reads as size / scale logical pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        if (size.isEmpty() || scale <= 0)
            return {};
        const bool disabled = mode == QIcon::Disabled;
        const QString key = QStringLiteral("%1x%2@%3%4").arg(size.width()).arg(size.height()).arg(scale).arg(disabled);
        auto found = m_pixmaps.constFind(key);
        if (found != m_pixmaps.constEnd())
            return *found;
        const QSize logical = m_size.scaled(QSizeF(size / scale).toSize(), Qt::KeepAspectRatio);
        QPixmap picture = ArtPixmap(m_name, logical, scale);
        if (disabled)
            picture = DisabledPixmap(picture);
        m_pixmaps.insert(key, picture);
        return picture;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = painter->device()->devicePixelRatioF();
        painter->drawPixmap(rect, scaledPixmap(rect.size() * dpr, mode, state, dpr));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return m_size.boundedTo(size);
    }

    // A window's icon is handed to the window manager in every size listed here, each drawn before the window
    // first shows; the picture's own size is enough, since the launcher takes the scalable file itself.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {m_size}; }

    QIconEngine* clone() const override { return new ArtIconEngine(*this); }
    QString key() const override { return QStringLiteral("ArtIconEngine"); }

private:
    QString m_name;
    QSize m_size;
    QHash<QString, QPixmap> m_pixmaps;
};

qreal PrimaryScreenRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace

QPoint CursorHotSpot(CursorId id)
{
    return kCursorArt[CursorIndex(id)].hotSpot;
}

const QCursor& AppCursor(CursorId id)
{
    std::optional<QCursor>& cursor = Cursors()[CursorIndex(id)];
    if (!cursor) {
        const qreal dpr = PrimaryScreenRatio();
        // Qt's X11 backend hands the hot spot to the server unscaled, next to an image in device pixels.
        const qreal hotSpotScale = QGuiApplication::platformName() == QLatin1String("xcb") ? dpr : 1.0;
        const CursorArt& art = kCursorArt[CursorIndex(id)];
        const QPixmap picture = ArtPixmap(QString::fromLatin1(art.path), kCursorSize, dpr);
        cursor = QCursor(picture, qRound(art.hotSpot.x() * hotSpotScale), qRound(art.hotSpot.y() * hotSpotScale));
    }
    return *cursor;
}

QSize ArtSize(const QString& name)
{
    if (const QSize baked = FindBaked(name, 1).size; !baked.isEmpty())
        return baked;
    return SvgReader(name).size();
}

QPixmap ArtPixmap(const QString& name, QSize logicalSize, qreal dpr)
{
    if (dpr == 1 || dpr == 2) {
        const QImage baked = BakedPicture(name, int(dpr));
        if (!baked.isNull() && baked.deviceIndependentSize().toSize() == logicalSize)
            return QPixmap::fromImage(baked);
    }
    if (logicalSize.isEmpty() || dpr <= 0)
        return {};
    return QPixmap::fromImage(DrawSvg(name, logicalSize, dpr));
}

QPixmap DisabledPixmap(const QPixmap& pixmap)
{
    // Flattened to a light grey with softened contrast and faded a little, so that shapes stay
    // recognisable while no colour suggests the button would act.
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int grey = 100 + qGray(p) / 2;
            line[x] = qRgba(grey, grey, grey, (qAlpha(p) * 3 + 3) / 4);
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(pixmap.devicePixelRatio());
    return result;
}

QIcon ArtIcon(const QString& name)
{
    const QSize size = ArtSize(name);
    if (size.isEmpty())
        return {};
    return QIcon(new ArtIconEngine(name, size));
}
