#include "image/PictureEnd.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <gtest/gtest.h>

using picture_end::Check;
using picture_end::Ending;

namespace {

QImage Scene(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, (x * y) % 256));
    return picture;
}

QByteArray Encoded(const QImage& picture, const char* format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(picture)) << format;
    return bytes;
}

Ending CheckBytes(const char* format, const QByteArray& bytes)
{
    return Check(format, reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size()));
}

// A JPEG whose EXIF block carries a whole thumbnail, end marker and all, as cameras write them.
QByteArray WithThumbnail(const QByteArray& jpeg)
{
    const QByteArray thumbnail = Encoded(Scene(16, 12), "JPEG");
    QByteArray app1 = QByteArray("Exif\0\0", 6) + thumbnail;
    const int length = int(app1.size()) + 2;
    return jpeg.left(2) + QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + app1 + jpeg.mid(2);
}

// A GIF's structure around image data that is never decoded here: header, a colour table, an extension and one
// image of two sub-blocks, then the trailer.
QByteArray GifBytes()
{
    QByteArray gif("GIF89a");
    gif += QByteArray("\x02\x00\x02\x00\x80\x00\x00", 7);         // 2 × 2, a global table of two colours
    gif += QByteArray("\xFF\xFF\xFF\x00\x00\x00", 6);             // the table
    gif += QByteArray("\x21\xF9\x04\x00\x00\x00\x00\x00", 8);     // a graphic control extension
    gif += QByteArray("\x2C\x00\x00\x00\x00\x02\x00\x02\x00\x00", 10); // the image's descriptor
    gif += QByteArray("\x02\x03\x84\x8F\x05\x01\x0A\x00", 8);     // code size, two sub-blocks, terminator
    gif += '\x3B';
    return gif;
}

TEST(PictureEnd, WholeFilesPassAndEveryCutIsFound)
{
    const QImage scene = Scene(300, 200);
    const QByteArray baseline = Encoded(scene, "JPEG");
    const QByteArray progressive = Encoded(scene, "JPEG", true);
    const QByteArray thumbnailed = WithThumbnail(baseline);
    struct Case {
        const char* name;
        const char* format;
        QByteArray bytes;
        int sureCutsFromEnd; // a cut this many bytes or more before the end is cut short
    };
    const Case cases[] = {
        { "baseline JPEG", "jpeg", baseline, 1 },
        { "progressive JPEG", "jpeg", progressive, 1 },
        { "JPEG with a thumbnail", "jpeg", thumbnailed, 1 },
        { "JPEG with bytes after its end", "jpeg", baseline + "trailing", int(sizeof("trailing")) },
        { "24-bit BMP", "bmp", Encoded(scene, "BMP"), 1 },
        { "BMP of 8-bit indexes", "bmp", Encoded(scene.convertToFormat(QImage::Format_Indexed8), "BMP"), 1 },
        // Without its trailer alone a GIF still holds whole images.
        { "GIF", "gif", GifBytes(), 2 },
        { "XBM", "xbm", Encoded(scene.convertToFormat(QImage::Format_Mono), "XBM"), 3 }, // "};\n" ends it
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckBytes(c.format, c.bytes), Ending::Whole) << c.name;
        const int size = int(c.bytes.size());
        for (const int cut : { 3, size / 10, size / 3, size / 2, size * 9 / 10, size - c.sureCutsFromEnd }) {
            EXPECT_EQ(CheckBytes(c.format, c.bytes.left(cut)), Ending::CutShort) << c.name << " cut to " << cut << " of " << size;
        }
    }
    EXPECT_EQ(CheckBytes("gif", GifBytes().chopped(1)), Ending::Whole);
    // The thumbnail's end marker is not the picture's: a cut just after it is still found.
    const qsizetype thumbnailEnd = thumbnailed.indexOf(QByteArray("\xFF\xD9", 2)) + 2;
    ASSERT_GT(thumbnailEnd, 2);
    EXPECT_EQ(CheckBytes("jpeg", thumbnailed.left(thumbnailEnd + 40)), Ending::CutShort);
    // A JPEG stopping after its last scan but before its end marker may be whole or not: refused.
    EXPECT_EQ(CheckBytes("jpeg", baseline.chopped(2)), Ending::CutShort);
}

// Every prefix of small files that names its format, each segment and block cut at every byte: under the sanitizers
// this also shows that no cut makes the walk read past the end.
TEST(PictureEnd, EveryPrefixIsCutShort)
{
    const QImage small = Scene(23, 17); // odd sizes: BMP rows padded
    struct Case {
        const char* name;
        const char* format;
        QByteArray bytes;
        int wholeFromEnd; // prefixes this many bytes short or fewer are whole
    };
    const Case cases[] = {
        { "baseline JPEG", "jpeg", Encoded(small, "JPEG"), 0 },
        { "progressive JPEG", "jpeg", Encoded(small, "JPEG", true), 0 },
        { "JPEG with a thumbnail", "jpeg", WithThumbnail(Encoded(small, "JPEG")), 0 },
        { "24-bit BMP", "bmp", Encoded(small, "BMP"), 0 },
        { "GIF", "gif", GifBytes(), 1 },
        { "XBM", "xbm", Encoded(small.convertToFormat(QImage::Format_Mono), "XBM"), 2 },
    };
    for (const Case& c : cases) {
        for (int cut = 3; cut < c.bytes.size() - c.wholeFromEnd; ++cut)
            ASSERT_EQ(CheckBytes(c.format, c.bytes.left(cut)), Ending::CutShort) << c.name << " cut to " << cut;
    }
}

TEST(PictureEnd, OtherFormatsAndDamageAreLeftToTheDecoder)
{
    const QByteArray png = Encoded(Scene(40, 30), "PNG");
    EXPECT_EQ(CheckBytes("png", png.left(png.size() / 2)), Ending::Whole) << "the PNG decoder finds cuts itself";
    EXPECT_EQ(CheckBytes("jpeg", "not a JPEG at all"), Ending::Whole);
    EXPECT_EQ(CheckBytes("gif", QByteArray("GIF89a\x02\x00\x02\x00\x00\x00\x00\x7F garbage", 22)), Ending::Whole) << "an unknown block";
    // A segment length below its own two bytes is damage, which the decoder refuses.
    EXPECT_EQ(CheckBytes("jpeg", QByteArray("\xFF\xD8\xFF\xE0\x00\x01", 6)), Ending::Whole);
    // A BMP whose header claims a picture far larger than its file.
    QByteArray bmp = Encoded(Scene(4, 4), "BMP");
    bmp[22] = '\xFF', bmp[23] = '\xFF', bmp[24] = '\xFF', bmp[25] = '\x7F';
    bmp[18] = '\xFF', bmp[19] = '\xFF', bmp[20] = '\xFF', bmp[21] = '\x7F';
    EXPECT_EQ(CheckBytes("bmp", bmp), Ending::CutShort);
}

} // namespace
