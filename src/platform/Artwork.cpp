#include "platform/Artwork.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

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

std::optional<std::array<QCursor, 3>>& Cursors()
{
    static std::optional<std::array<QCursor, 3>> cursors;
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

void RegisterCursors()
{
    const qreal dpr = PrimaryScreenRatio();
    // Qt's X11 backend hands the hot spot to the server unscaled, next to an image in device pixels.
    const qreal hotSpotScale = QGuiApplication::platformName() == QLatin1String("xcb") ? dpr : 1.0;
    std::array<QCursor, 3> cursors;
    for (std::size_t i = 0; i < kCursorArt.size(); ++i) {
        const QPixmap picture = ArtPixmap(QString::fromLatin1(kCursorArt[i].path), kCursorSize, dpr);
        const QPoint hot = kCursorArt[i].hotSpot;
        cursors[i] = QCursor(picture, qRound(hot.x() * hotSpotScale), qRound(hot.y() * hotSpotScale));
    }
    Cursors() = cursors;
}

const QCursor& AppCursor(CursorId id)
{
    if (!Cursors())
        RegisterCursors();
    return (*Cursors())[CursorIndex(id)];
}

QSize ArtSize(const QString& name)
{
    const QSvgRenderer renderer(ResourcePath(name));
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

QPixmap ArtPixmap(const QString& name, QSize logicalSize, qreal dpr)
{
    QSvgRenderer renderer(ResourcePath(name));
    if (!renderer.isValid() || logicalSize.isEmpty() || dpr <= 0)
        return {};
    const QSize deviceSize(int(std::ceil(logicalSize.width() * dpr)), int(std::ceil(logicalSize.height() * dpr)));
    QPixmap pixmap(deviceSize);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    return pixmap;
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
    QIcon icon;
    if (size.isEmpty())
        return icon;
    QList<qreal> ratios{1.0, 2.0};
    const qreal screenRatio = PrimaryScreenRatio();
    if (!ratios.contains(screenRatio))
        ratios.append(screenRatio);
    for (const qreal dpr : ratios) {
        const QPixmap normal = ArtPixmap(name, size, dpr);
        icon.addPixmap(normal, QIcon::Normal);
        icon.addPixmap(DisabledPixmap(normal), QIcon::Disabled);
    }
    return icon;
}
