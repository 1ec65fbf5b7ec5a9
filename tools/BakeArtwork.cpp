// Build step: draws every small picture of the program's artwork at its own size for device pixel ratios 1 and 2,
// and writes each as plain pixels with a resource list for them. Parsing and drawing the SVG files cost a tenth of
// the program's start-up; copying finished pixels costs next to nothing (an image format would bring the
// toolkit's search for format plug-ins, itself dearer than the drawing). Larger pictures are drawn when shown.
//
// A baked file: "TWPX", width and height as 32-bit little-endian numbers, then width x height premultiplied
// ARGB pixels, each a 32-bit little-endian number, row by row. Artwork.cpp reads it. The files are compiled in
// uncompressed: unpacking them cost more than copying their pixels.
//
// Usage: tw_bake_artwork RESOURCES.qrc OUTPUT_FOLDER
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

constexpr QSize kLargestBaked(64, 64);

struct Picture {
    QString name;   // as the program asks for it (the alias where there is one)
    QString source; // the SVG file
};

QList<Picture> ListPictures(const QString& qrcPath)
{
    QFile file(qrcPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QDir folder = QFileInfo(qrcPath).dir();
    QList<Picture> pictures;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("file"))
            continue;
        const QString alias = xml.attributes().value(QLatin1String("alias")).toString();
        const QString path = xml.readElementText().trimmed();
        if (path.endsWith(QLatin1String(".svg")))
            pictures.append({alias.isEmpty() ? path : alias, folder.filePath(path)});
    }
    return pictures;
}

// As the SVG library draws a picture into the kind of image the program keeps; its own drawing at run time
// (ArtPixmap, through the toolkit's SVG image format) gives the same pixels, which the artwork tests hold it to.
QImage Draw(QSvgRenderer& renderer, QSize size, int ratio)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

bool WritePixels(const QImage& image, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("TWPX", 4);
    out << quint32(image.width()) << quint32(image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out << quint32(line[x]);
    }
    return out.status() == QDataStream::Ok && file.flush();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: tw_bake_artwork RESOURCES.qrc OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QString qrcPath = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    const QList<Picture> pictures = ListPictures(qrcPath);
    if (pictures.isEmpty()) {
        std::fprintf(stderr, "tw_bake_artwork: no pictures listed in %s\n", argv[1]);
        return 1;
    }

    QString list = QStringLiteral("<RCC>\n  <qresource prefix=\"/baked\">\n");
    for (const Picture& picture : pictures) {
        QSvgRenderer renderer(picture.source);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "tw_bake_artwork: cannot read %s\n", qPrintable(picture.source));
            return 1;
        }
        const QSize size = renderer.defaultSize();
        if (size.width() > kLargestBaked.width() || size.height() > kLargestBaked.height())
            continue;
        for (const int ratio : {1, 2}) {
            const QString file = QStringLiteral("%1@%2x").arg(picture.name).arg(ratio);
            if (!WritePixels(Draw(renderer, size, ratio), out.filePath(file))) {
                std::fprintf(stderr, "tw_bake_artwork: cannot write %s\n", qPrintable(out.filePath(file)));
                return 1;
            }
            list += QStringLiteral("    <file>%1</file>\n").arg(file);
        }
    }
    list += QStringLiteral("  </qresource>\n</RCC>\n");

    QFile qrc(out.filePath(QStringLiteral("baked.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate) || qrc.write(list.toUtf8()) < 0)
        return 1;
    return 0;
}
