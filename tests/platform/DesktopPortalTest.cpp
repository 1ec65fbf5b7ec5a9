#include "platform/DesktopPortal.h"

#include <QBuffer>
#include <QDir>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

#include <limits>

#include <sys/stat.h>

namespace {

using namespace platform;
using namespace platform::portal;

const QString kNotUnderstood
    = QStringLiteral("The screen could not be captured: the desktop's answer could not be understood.");
const QString kUnreadable = QStringLiteral("The screen could not be captured: the desktop's screenshot could not be read.");
const QString kWrongSize
    = QStringLiteral("The screen could not be captured: the desktop's screenshot does not match the screen.");

QString FailureOf(const auto& outcome)
{
    const auto* failed = std::get_if<CaptureFailed>(&outcome);
    return failed ? failed->message : QString();
}

TEST(DesktopPortal, RequestPathFollowsTheSendersNameAndToken)
{
    EXPECT_EQ(RequestPath(":1.23", "tintwell1"), "/org/freedesktop/portal/desktop/request/1_23/tintwell1");
    EXPECT_EQ(RequestPath(":1.2.3", "t"), "/org/freedesktop/portal/desktop/request/1_2_3/t");
}

TEST(DesktopPortal, ResponseCodes)
{
    EXPECT_FALSE(Unsuccessful(0).has_value());
    ASSERT_TRUE(Unsuccessful(1).has_value());
    EXPECT_TRUE(std::holds_alternative<CaptureCancelled>(*Unsuccessful(1)));
    for (uint code : { 2u, 3u, 0xFFFFFFFFu }) {
        ASSERT_TRUE(Unsuccessful(code).has_value()) << code;
        EXPECT_EQ(FailureOf(*Unsuccessful(code)),
            "The screen could not be captured: the desktop refused to take a screenshot.")
            << code;
    }
}

TEST(DesktopPortal, OnlyLocalFileUrisAreFollowed)
{
    struct Case {
        QVariant uri;
        QString path; // empty: refused
    };
    const Case cases[] = {
        { QString("file:///tmp/out.png"), "/tmp/out.png" },
        { QString("file://localhost/home/a%20b/shot.png"), "/home/a b/shot.png" },
        { QString("file:///tmp/%E2%82%AC.png"), "/tmp/\u20AC.png" },
        { QString("http://example.com/out.png"), "" },
        { QString("file://otherhost/tmp/out.png"), "" },
        { QString("file:out.png"), "" },
        { QString("/tmp/out.png"), "" },
        { QString("file:///tmp/out.png?x=1"), "" },
        { QString("file:///tmp/out.png#top"), "" },
        { QString(""), "" },
        { QString("file:///tmp/%zz.png"), "" },
        { QVariant(42), "" },
        { QVariant(QByteArray("file:///tmp/out.png")), "" },
        { QVariant(), "" },
    };
    for (const Case& c : cases) {
        const auto outcome = LocalImageFile(c.uri);
        if (c.path.isEmpty()) {
            EXPECT_EQ(FailureOf(outcome), kNotUnderstood) << c.uri.toString().toStdString();
        } else {
            ASSERT_TRUE(std::holds_alternative<QString>(outcome)) << c.uri.toString().toStdString();
            EXPECT_EQ(std::get<QString>(outcome), c.path);
        }
    }
}

TEST(DesktopPortal, ScreenshotFitsTheDesktopAtItsScale)
{
    struct Case {
        QSize image;
        QSize desktop;
        bool fits;
    };
    const Case cases[] = {
        { { 1280, 800 }, { 1280, 800 }, true },
        { { 1280, 800 }, { 640, 400 }, true },   // scale 2
        { { 1280, 799 }, { 853, 533 }, true },   // scale 1.5, the logical size rounded
        { { 1280, 800 }, { 853, 533 }, true },
        { { 2560, 1600 }, { 640, 400 }, true },  // scale 4
        { { 1280, 720 }, { 1280, 800 }, false }, // another shape
        { { 1280, 800 }, { 2560, 800 }, false }, // one monitor of two
        { { 640, 400 }, { 1280, 800 }, false },  // smaller than the desktop
        { { 3200, 2000 }, { 640, 400 }, false }, // scale 5
        { { 1280, 797 }, { 853, 533 }, false },
        { { 0, 0 }, { 1280, 800 }, false },
        { { 1280, 800 }, { 0, 0 }, false },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitsDesktop(c.image, c.desktop), c.fits)
            << c.image.width() << "x" << c.image.height() << " on " << c.desktop.width() << "x" << c.desktop.height();
    }
}

TEST(DesktopPortal, PickedChannelsMustBeFractionsOfOne)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::array<double, 3> channels;
        std::optional<QRgb> color;
    };
    const Case cases[] = {
        { { 0.0, 0.0, 0.0 }, qRgb(0, 0, 0) },
        { { 1.0, 1.0, 1.0 }, qRgb(255, 255, 255) },
        { { 0.0706, 0.2039, 0.3373 }, qRgb(0x12, 0x34, 0x56) },
        { { 0.499, 0.501, 1.0 / 255 }, qRgb(127, 128, 1) },
        { { nan, 0.5, 0.5 }, std::nullopt },
        { { 0.5, inf, 0.5 }, std::nullopt },
        { { 0.5, 0.5, -inf }, std::nullopt },
        { { -0.001, 0.5, 0.5 }, std::nullopt },
        { { 0.5, 1.001, 0.5 }, std::nullopt },
        { { 0.5, 0.5, 255.0 }, std::nullopt },
    };
    for (const Case& c : cases) {
        const auto outcome = PixelFromChannels(c.channels);
        if (!c.color) {
            EXPECT_EQ(FailureOf(outcome), kNotUnderstood) << c.channels[0] << "," << c.channels[1] << "," << c.channels[2];
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<PickedPixel>(outcome)) << c.channels[0];
        EXPECT_EQ(std::get<PickedPixel>(outcome).color, *c.color) << c.channels[0];
    }
}

class PhotographFile : public ::testing::Test {
protected:
    QString Save(const QString& name, const QImage& image, const char* format = "PNG")
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QImage Pattern(QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x + y) & 0xFF));
        }
        return image;
    }

    QTemporaryDir folder;
};

TEST_F(PhotographFile, ReadsTheDesktopInDevicePixels)
{
    struct Case {
        QSize image;
        QRect desktop;
        qreal toolkitRatio;
    };
    const Case cases[] = {
        { { 320, 200 }, { 0, 0, 320, 200 }, 1.0 },
        { { 320, 200 }, { 0, 0, 160, 100 }, 1.0 }, // the compositor scales by 2
        { { 320, 199 }, { 0, 0, 213, 133 }, 1.0 }, // by 1.5
        { { 320, 200 }, { 0, 0, 160, 100 }, 2.0 }, // the toolkit scales by 2
        { { 640, 200 }, { -320, -50, 640, 200 }, 1.0 },
    };
    for (const Case& c : cases) {
        const QImage pattern = Pattern(c.image);
        const QString path = Save("shot.png", pattern);
        const auto outcome = LoadPhotograph(path, c.desktop, c.toolkitRatio);
        ASSERT_TRUE(std::holds_alternative<DesktopPhoto>(outcome)) << FailureOf(outcome).toStdString();
        const DesktopPhoto& photo = std::get<DesktopPhoto>(outcome);
        EXPECT_EQ(photo.geometry, c.desktop);
        EXPECT_EQ(photo.image.size(), c.image);
        EXPECT_EQ(photo.image.pixel(c.image.width() - 1, c.image.height() - 1),
            pattern.pixel(c.image.width() - 1, c.image.height() - 1));
        EXPECT_TRUE(QFile::exists(path)) << "the portal's file is the user's to keep";
    }
}

TEST_F(PhotographFile, RefusesWhatIsNotAReadablePictureOfTheDesktop)
{
    const QByteArray png = [] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        Pattern({ 320, 200 }).save(&buffer, "PNG");
        return bytes;
    }();
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("pipe.png")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
    ASSERT_TRUE(QFile::link(folder.filePath("sub"), folder.filePath("link-to-folder.png")));

    struct Case {
        QString path;
        QString message;
    };
    const Case cases[] = {
        { folder.filePath("missing.png"), kUnreadable },
        { folder.path(), kUnreadable },
        { folder.filePath("pipe.png"), kUnreadable },
        { folder.filePath("link-to-folder.png"), kUnreadable },
        { "/dev/zero", kUnreadable },
        { Write("empty.png", {}), kUnreadable },
        { Write("text.png", "not a picture at all"), kUnreadable },
        { Write("cut.png", png.left(png.size() / 2)), kUnreadable },
        { Save("small.png", Pattern({ 160, 100 })), kWrongSize },
        { Save("wide.png", Pattern({ 400, 200 })), kWrongSize },
        { Save("tall.bmp", Pattern({ 320, 260 }), "BMP"), kWrongSize },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FailureOf(LoadPhotograph(c.path, QRect(0, 0, 320, 200), 1.0)), c.message) << c.path.toStdString();
    }
}

} // namespace

namespace {

// A session bus of the test's own, with nothing on it but what the test puts there.
class PrivateBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        // No service folders: a name nobody owns stays unowned instead of starting the machine's real portal.
        ASSERT_TRUE(config.open());
        config.write("<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
                     "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                     "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>");
        config.flush();
        daemon.start("dbus-daemon", { "--config-file=" + config.fileName(), "--nofork", "--nopidfile", "--print-address" });
        ASSERT_TRUE(daemon.waitForReadyRead(5000)) << "dbus-daemon did not start";
        const QByteArray address = daemon.readLine().trimmed();
        ASSERT_FALSE(address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    }
    void TearDown() override
    {
        daemon.kill();
        daemon.waitForFinished();
    }

    QTemporaryFile config;
    QProcess daemon;
};

TEST_F(PrivateBus, NoPortalOnTheBusIsSaidAtOnce)
{
    QObject context;
    std::optional<CaptureResult> result;
    QElapsedTimer clock;
    clock.start();
    Capture(&context, QRect(0, 0, 320, 200), 1.0, [&](CaptureResult r) { result = std::move(r); });
    while (!result && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(FailureOf(*result), "The screen could not be captured: this desktop offers no screenshot service.");
    EXPECT_LT(clock.elapsed(), 2000);
}

} // namespace
