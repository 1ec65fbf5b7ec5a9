#include "image/PictureLoading.h"
#include "support/TestEnv.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Channel by channel, within what lossy formats change a flat area by.
bool Near(ColorValue a, QRgb b)
{
    return std::abs(Red(a) - qRed(b)) <= 4 && std::abs(Green(a) - qGreen(b)) <= 4 && std::abs(Blue(a) - qBlue(b)) <= 4;
}

QByteArray TwoHalvesSvg()
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"32\">"
           "<rect width=\"32\" height=\"32\" fill=\"#c8321e\"/><rect x=\"32\" width=\"32\" height=\"32\" fill=\"#1e64c8\"/>"
           "</svg>";
}

} // namespace

// Every format the installed image plug-ins both write and read, and SVG where its plug-in is installed: a picture of
// two flat halves opens with the two colours the toolkit itself decodes from it (grey and two-colour formats store
// fewer colours than were drawn, so the decoded picture is what the palette must match), and a file cut in half is
// refused, never opened with a made-up tail.
TEST(PictureFormats, EveryInstalledFormatOpensWithItsColoursAndIsRefusedCutInHalf)
{
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage halves(64, 32, QImage::Format_RGB32);
    halves.fill(qRgb(200, 50, 30));
    QPainter(&halves).fillRect(32, 0, 32, 32, QColor(30, 100, 200));

    QStringList files;
    for (const QByteArray& format : QImageWriter::supportedImageFormats()) {
        if (!readable.contains(format))
            continue;
        const QString path = dir.filePath(QStringLiteral("halves.") + QString::fromLatin1(format));
        if (QImageWriter(path, format).write(halves))
            files << path;
    }
    if (readable.contains("svg")) {
        files << dir.filePath(QStringLiteral("halves.svg"));
        Put(files.back(), TwoHalvesSvg());
    }
    // PNG, JPEG, BMP and GIF come with the toolkit itself; a machine without them is not one this runs on.
    for (const char* base : { "png", "jpg", "bmp" })
        ASSERT_TRUE(files.contains(dir.filePath(QStringLiteral("halves.") + QLatin1String(base)))) << base;

    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        const QImage decoded(path);
        ASSERT_FALSE(decoded.isNull());
        const QRgb left = decoded.pixel(decoded.width() / 4, decoded.height() / 2);
        const QRgb right = decoded.pixel(decoded.width() * 3 / 4, decoded.height() / 2);
        const LoadedPicture loaded = LoadPictureFile(path, 2);
        ASSERT_TRUE(loaded.error.isEmpty()) << loaded.error.toStdString();
        const bool twoColours = !Near(Pack(qRed(left), qGreen(left), qBlue(left)), right);
        ASSERT_EQ(loaded.colors.size(), twoColours ? 2u : 1u);
        for (const QRgb half : { left, right }) {
            EXPECT_TRUE(std::any_of(loaded.colors.begin(), loaded.colors.end(),
                [&](const auto& found) { return Near(found.color, half); }))
                << std::hex << half;
        }

        const QByteArray bytes = Contents(path);
        const QString cutPath = dir.filePath(QStringLiteral("cut-") + QFileInfo(path).fileName());
        Put(cutPath, bytes.left(bytes.size() / 2));
        const LoadedPicture cutLoaded = LoadPictureFile(cutPath, 2);
        EXPECT_FALSE(cutLoaded.error.isEmpty()) << "a half file opened with " << cutLoaded.colors.size() << " colours";
        EXPECT_TRUE(cutLoaded.colors.empty());
    }
}
