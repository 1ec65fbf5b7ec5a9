#include "document/FavoritesModel.h"
#include "image/PictureFit.h"
#include "image/PictureLoading.h"
#include "image/PictureOpener.h"
#include "image/PictureView.h"
#include "image/TfrmImage.h"
#include "main/TfrmMain.h"
#include "platform/PaintBox.h"
#include "support/Controls.h"
#include "support/Mouse.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QBuffer>
#include <QPainter>
#include <QProgressDialog>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <future>
#include <set>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Every pixel its own colour, so a pick tells exactly which pixel it took.
QImage NumberedPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
    return picture;
}

TEST(PictureFit, EveryPixelIsPickedWhereItIsShownAtAnyZoom)
{
    struct Case {
        QSize picture;
        QSizeF area;
    };
    const Case cases[] = {
        { { 3, 2 }, { 600, 400 } },     // enlarged 200 times
        { { 7, 5 }, { 333, 501 } },     // enlarged by a fraction, bars above and below
        { { 640, 480 }, { 640, 480 } }, // one to one
        { { 1000, 30 }, { 257, 300 } }, // reduced, bars above and below
    };
    for (const Case& c : cases) {
        const QRectF fitted = picture_fit::Fitted(c.picture, c.area);
        EXPECT_TRUE(QRectF(QPointF(0, 0), c.area).contains(fitted.adjusted(0.01, 0.01, -0.01, -0.01)));
        const double cellWidth = fitted.width() / c.picture.width();
        const double cellHeight = fitted.height() / c.picture.height();
        for (int y = 0; y < c.picture.height(); y += std::max(1, c.picture.height() / 9)) {
            for (int x = 0; x < c.picture.width(); x += std::max(1, c.picture.width() / 11)) {
                const QPointF middle = picture_fit::PointOf({ x, y }, fitted, c.picture);
                EXPECT_EQ(picture_fit::PixelAt(middle, fitted, c.picture), QPoint(x, y));
                if (cellWidth >= 2 && cellHeight >= 2) {
                    // Anywhere in the pixel's cell, up to its edges, is that pixel.
                    const QPointF corner(fitted.left() + x * cellWidth + 0.01, fitted.top() + y * cellHeight + 0.01);
                    const QPointF far(corner.x() + cellWidth - 0.02, corner.y() + cellHeight - 0.02);
                    EXPECT_EQ(picture_fit::PixelAt(corner, fitted, c.picture), QPoint(x, y));
                    EXPECT_EQ(picture_fit::PixelAt(far, fitted, c.picture), QPoint(x, y));
                }
            }
        }
        EXPECT_FALSE(picture_fit::PixelAt(fitted.topLeft() - QPointF(0.5, 0.5), fitted, c.picture));
        EXPECT_FALSE(picture_fit::PixelAt(fitted.bottomRight() + QPointF(0.01, 0.01), fitted, c.picture));
    }
}

// A PNG whose header claims a picture of the given size; the data is that of one pixel.
QByteArray ClaimingPng(quint32 width, quint32 height)
{
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Qt::red);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        one.save(&buffer, "PNG");
    }
    // IHDR's data starts at byte 16: width, height, then the rest; its CRC covers the type and the data.
    auto put32 = [&png](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            png[at + i] = char((v >> (24 - 8 * i)) & 0xFF);
    };
    put32(16, width);
    put32(20, height);
    quint32 crc = 0xFFFFFFFF;
    for (int i = 12; i < 12 + 4 + 13; ++i) {
        crc ^= quint8(png[i]);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    put32(29, ~crc);
    return png;
}

TEST(PictureLoading, LargePicturesAreShownFromAnAveragedOverview)
{
    const auto flat = [](int width, int height, QImage::Format format, QRgb color) {
        QImage picture(width, height, format);
        picture.fill(color);
        return picture;
    };
    QImage checker(4096, 2, QImage::Format_RGB32);
    for (int x = 0; x < checker.width(); ++x)
        for (int y = 0; y < 2; ++y)
            checker.setPixel(x, y, (x + y) % 2 ? 0xFFFFFFFF : 0xFF000000);
    const struct {
        const char* what;
        QImage picture;
        QSize size;      // 0 x 0: no overview
        QRgb everywhere; // premultiplied
    } cases[] = {
        { "fits already", flat(2048, 2048, QImage::Format_RGB32, 0xFF336699), { 0, 0 }, 0 },
        // 4100 / 3 leaves blocks of two columns and one line at the edges: they average what they cover.
        { "grey, cut blocks at the edges", flat(4100, 10, QImage::Format_Grayscale8, 0xFF808080), { 1367, 4 }, 0xFF808080 },
        { "half-transparent", flat(2049, 5, QImage::Format_ARGB32, 0x80FF0000), { 1025, 3 }, 0x80800000 },
        { "fine pattern", checker, { 2048, 1 }, 0xFF808080 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QImage overview = MakeOverview(c.picture);
        ASSERT_EQ(overview.size(), c.size);
        for (int y = 0; y < overview.height(); ++y)
            for (int x = 0; x < overview.width(); ++x)
                ASSERT_EQ(overview.pixel(x, y), c.everywhere) << x << "," << y;
    }
}

TEST(PictureLoading, BadInputsAreRefusedWithAMessageNamingTheFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto path = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    QImage good(40, 30, QImage::Format_RGB32);
    good.fill(qRgb(10, 120, 200));
    ASSERT_TRUE(good.save(path("good.png")));
    const QByteArray goodPng = Contents(path("good.png"));
    Put(path("cut.png"), goodPng.left(goodPng.size() / 2));
    // Decoded, a cut JPEG or BMP would come back whole with a grey or black tail; a cut PNG is refused by its
    // decoder.
    ASSERT_TRUE(good.save(path("good.jpg")));
    const QByteArray goodJpeg = Contents(path("good.jpg"));
    Put(path("cut.jpg"), goodJpeg.left(goodJpeg.size() * 3 / 4));
    ASSERT_TRUE(good.save(path("good.bmp")));
    const QByteArray goodBmp = Contents(path("good.bmp"));
    Put(path("cut.bmp"), goodBmp.left(goodBmp.size() - 100));
    Put(path("empty.png"), {});
    Put(path("notes.png"), "just some text, not a picture\n");
    Put(path("bomb.png"), ClaimingPng(100'000, 100'000));
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Qt::green);
    ASSERT_TRUE(one.save(path("one.png")));
    QImage clear(20, 20, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(clear.save(path("clear.png")));
    QDir(dir.path()).mkdir(QStringLiteral("folder.png"));

    struct Case {
        const char* file;
        const char* says;
    };
    const Case cases[] = {
        { "cut.png", "damaged" },
        { "cut.jpg", "incomplete" },
        { "cut.bmp", "incomplete" },
        { "empty.png", "not a picture" },
        { "notes.png", "not a picture" },
        { "bomb.png", "too large" },
        { "one.png", "too few pixels" },
        { "clear.png", "transparent" },
        { "folder.png", "folder" },
        { "missing.png", "does not exist" },
    };
    for (const Case& c : cases) {
        const LoadedPicture loaded = LoadPictureFile(path(c.file), 6);
        EXPECT_TRUE(loaded.picture.isNull()) << c.file;
        EXPECT_TRUE(loaded.colors.empty()) << c.file;
        EXPECT_TRUE(loaded.error.contains(QString::fromLatin1(c.file))) << c.file << ": " << loaded.error.toStdString();
        EXPECT_TRUE(loaded.error.contains(QString::fromLatin1(c.says))) << c.file << ": " << loaded.error.toStdString();
    }
    if (geteuid() != 0) { // the superuser reads every file
        QFile::setPermissions(path("good.png"), QFileDevice::WriteOwner);
        EXPECT_TRUE(LoadPictureFile(path("good.png"), 6).error.contains(QStringLiteral("permission")));
        QFile::setPermissions(path("good.png"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    for (const char* whole : { "good.jpg", "good.bmp" })
        EXPECT_TRUE(LoadPictureFile(path(whole), 6).error.isEmpty()) << whole;
    const LoadedPicture loaded = LoadPictureFile(path("good.png"), 6);
    EXPECT_TRUE(loaded.error.isEmpty());
    ASSERT_EQ(loaded.colors.size(), 1u);
    EXPECT_EQ(loaded.colors[0].color, Pack(10, 120, 200));
    EXPECT_EQ(loaded.picture.size(), QSize(40, 30));
}

class PictureWindowTest : public ::testing::Test {
protected:
    PictureWindowTest()
    {
        main = std::make_unique<TfrmMain>();
        opener = std::make_unique<PictureOpener>(*main, favorites);
        main->show();
        // Four flat quarters: red, green, blue, yellow.
        picture = QImage(200, 100, QImage::Format_RGB32);
        picture.fill(qRgb(220, 30, 30));
        QPainter painter(&picture);
        painter.fillRect(100, 0, 100, 50, QColor(30, 160, 60));
        painter.fillRect(0, 50, 100, 50, QColor(40, 60, 210));
        painter.fillRect(100, 50, 100, 50, QColor(240, 210, 40));
        painter.end();
        EXPECT_TRUE(picture.save(dir.filePath(QStringLiteral("quarters.png"))));
    }

    // Opens a file as the menu, a drop or a paste do, and waits until it is shown or refused.
    void Settle(const std::function<void()>& open)
    {
        bool settled = false;
        const auto connection = QObject::connect(opener.get(), &PictureOpener::settled, [&settled] { settled = true; });
        open();
        EXPECT_TRUE(WaitUntil([&settled] { return settled; }));
        QObject::disconnect(connection);
    }

    QTemporaryDir dir;
    ScriptedPlatform desktop;
    FavoritesModel favorites;
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<PictureOpener> opener;
    QImage picture;
};

// Every way in: the menu's file dialog, a drop and a paste open the picture and bring its window back; a damaged
// file and an empty clipboard are refused with a message and leave everything as it was.
TEST_F(PictureWindowTest, MenuDropAndPasteOpenThePictureAndBadInputLeavesEverythingAsItWas)
{
    Put(dir.filePath(QStringLiteral("broken.jpg")), "\xFF\xD8\xFF\xE0 not much of a JPEG");
    QImage purple(30, 30, QImage::Format_RGB32);
    purple.fill(qRgb(90, 10, 140));
    ASSERT_TRUE(purple.save(dir.filePath(QStringLiteral("purple.bmp"))));
    opener->AcceptDropsOn(main.get());
    QMimeData dropped;
    dropped.setUrls({ QUrl::fromLocalFile(dir.filePath(QStringLiteral("purple.bmp"))) });
    const auto openBroken = [this] { opener->OpenFile(dir.filePath(QStringLiteral("broken.jpg"))); };
    const std::set<ColorValue> quarters { Pack(220, 30, 30), Pack(30, 160, 60), Pack(40, 60, 210), Pack(240, 210, 40) };
    const struct {
        const char* what;
        std::function<void()> open;
        QString shows;               // the window's title; refused: what the message says
        std::set<ColorValue> colors; // none: refused
    } cases[] = {
        { "damaged file", openBroken, "broken.jpg", {} },
        { "empty clipboard", [this] { opener->PasteImage(); }, "clipboard", {} },
        { "menu", [this] { desktop.openChoices.push_back(dir.filePath(QStringLiteral("quarters.png"))), opener->ChooseFile(); },
            "Palette from quarters.png", quarters },
        { "damaged file over a picture", openBroken, "broken.jpg", {} },
        { "drop", [this, &dropped] {
             QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(main.get(), &enter);
             EXPECT_TRUE(enter.isAccepted());
             QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(main.get(), &drop);
         }, "Palette from purple.bmp", { Pack(90, 10, 140) } },
        { "paste", [this] { desktop.clipboardImage = picture, opener->PasteImage(); }, "Palette from the pasted picture", quarters },
    };
    QString shown;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (opener->Window())
            opener->Window()->hide();
        const qsizetype messages = desktop.messages.size();
        Settle(c.open);
        ASSERT_EQ(desktop.messages.size(), messages + (c.colors.empty() ? 1 : 0));
        if (c.colors.empty()) {
            EXPECT_TRUE(desktop.messages.back().contains(c.shows)) << desktop.messages.back().toStdString();
            EXPECT_EQ(opener->Window() ? opener->Window()->windowTitle() : QString(), shown);
            continue;
        }
        TfrmImage* window = opener->Window();
        ASSERT_TRUE(window);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(shown = window->windowTitle(), c.shows);
        // Equal areas: equal shares, each colour marked on a pixel of its own.
        std::set<ColorValue> got;
        for (const auto& color : window->Colors()) {
            got.insert(color.color);
            EXPECT_NEAR(color.share, 1.0 / double(c.colors.size()), 1e-9);
            const QRgb marked = Named<PictureView>(*window, "imgPicture")->Picture().pixel(color.typical);
            EXPECT_EQ(marked, qRgb(Red(color.color), Green(color.color), Blue(color.color)));
        }
        EXPECT_EQ(got, c.colors);
    }
    EXPECT_EQ(favorites.Count(), 0);
    Named<QAction>(*main, "mnuEditPasteImage"); // exists, disabled until the application carries it out
    ASSERT_EQ(desktop.dialogRequests.size(), 1u);
    EXPECT_TRUE(desktop.dialogRequests[0].filter.contains(QStringLiteral("*.png")));

    // Text dragged in is not taken.
    QMimeData text;
    text.setText(QStringLiteral("#123456"));
    QDragEnterEvent textEnter(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    textEnter.ignore();
    QApplication::sendEvent(main.get(), &textEnter);
    EXPECT_FALSE(textEnter.isAccepted());
    EXPECT_EQ(opener->Window()->Count(), 6); // the default; a new count: PictureKeysTest
}

TEST_F(PictureWindowTest, SwatchesPictureAndFavorites)
{
    Settle([this] { opener->OpenFile(dir.filePath(QStringLiteral("quarters.png"))); });
    TfrmImage* window = opener->Window();
    ASSERT_TRUE(window);
    window->resize(900, 500);
    QCoreApplication::processEvents();
    // A click on a swatch makes its colour the base colour.
    auto* swatches = Named<PaintBox>(*window, "pbSwatches");
    for (int i = 0; i < 4; ++i) {
        mouse::Click(swatches, { 20, i * TfrmImage::kSwatchHeight + 10 });
        EXPECT_EQ(main->BaseColor(), window->Colors()[std::size_t(i)].color) << "swatch " << i;
    }
    // The eyedropper takes exactly the pixel shown under the pointer.
    auto* view = Named<PictureView>(*window, "imgPicture");
    QImage numbered = NumberedPicture(50, 40);
    view->SetPicture(numbered);
    const QRectF fitted = picture_fit::Fitted(numbered.size(), view->size());
    for (const QPoint pixel : { QPoint(0, 0), QPoint(49, 39), QPoint(17, 23), QPoint(31, 2) }) {
        const QPointF at = picture_fit::PointOf(pixel, fitted, numbered.size());
        mouse::Press(view, at.toPoint());
        EXPECT_EQ(main->BaseColor(), Pack(qRed(numbered.pixel(pixel)), qGreen(numbered.pixel(pixel)), qBlue(numbered.pixel(pixel))))
            << pixel.x() << "," << pixel.y();
    }
    // Add to Favorites: all of them, each named by its nearest CSS keyword.
    favorites.AppendFavorites({ TFavColor::FromColor(Pack(1, 2, 3)) });
    Named<QPushButton>(*window, "cmdAddFavorites")->click();
    ASSERT_EQ(favorites.Count(), 5);
    const FavColorList& favs = favorites.FavColors();
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(favs[i + 1].Color, window->Colors()[i].color);
        EXPECT_FALSE(favs[i + 1].Text.empty());
        EXPECT_NE(favs[i + 1].Text[0], '#') << "named, not numbered";
    }
}

TEST_F(PictureWindowTest, PicturesOpenedInQuickSuccessionAllSettle)
{
    // More loads at once than the global pool has threads, each waiting there for its working copy.
    const QImage large = NumberedPicture(400, 300);
    ASSERT_TRUE(large.save(dir.filePath(QStringLiteral("large.bmp"))));
    const int loads = QThreadPool::globalInstance()->maxThreadCount() + 2;
    Settle([this, loads] {
        for (int i = 0; i < loads; ++i)
            opener->OpenFile(dir.filePath(QStringLiteral("large.bmp")));
    });
    ASSERT_TRUE(opener->Window());
    EXPECT_EQ(opener->Window()->windowTitle(), QStringLiteral("Palette from large.bmp"));
    EXPECT_EQ(opener->Window()->Colors().size(), 6u);
}

// A picture arriving slowly, as from a network share: a pipe that the test fills, the second half only when told.
class SlowPicture {
public:
    SlowPicture(const QString& path, const QImage& picture)
        : m_path(path)
    {
        EXPECT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QBuffer buffer(&m_png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        m_writer = std::thread([this, rest = m_rest.get_future()] {
            QFile out(m_path);
            if (!out.open(QIODevice::WriteOnly))
                return;
            out.write(m_png.left(m_png.size() / 2));
            out.flush();
            // Never held for ever, should the program not read at all.
            rest.wait_for(std::chrono::seconds(10));
            out.write(m_png.mid(m_png.size() / 2));
        });
    }
    ~SlowPicture()
    {
        Finish();
        m_writer.join();
    }
    void Finish()
    {
        if (!m_finished) {
            m_finished = true;
            m_rest.set_value();
        }
    }

private:
    QString m_path;
    QByteArray m_png;
    std::promise<void> m_rest;
    bool m_finished = false;
    std::thread m_writer;
};

TEST_F(PictureWindowTest, ProgressShowsWhileASlowPictureLoadsAndTheWindowsKeepWorking)
{
    const auto progress = [this]() -> QProgressDialog* {
        auto* dialog = main->findChild<QProgressDialog*>(QStringLiteral("dlgPictureProgress"));
        return dialog && dialog->isVisible() ? dialog : nullptr;
    };
    // The window thread's longest pause while the picture loads, measured by a timer that should fire every 10 ms.
    QElapsedTimer sinceTick;
    qint64 longestPause = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longestPause = std::max(longestPause, sinceTick.restart());
    });

    bool settled = false;
    QObject::connect(opener.get(), &PictureOpener::settled, [&settled] { settled = true; });
    {
        SlowPicture slow(dir.filePath(QStringLiteral("slow.png")), picture);
        QElapsedTimer clock;
        clock.start();
        sinceTick.start();
        ticks.start(10);
        opener->OpenFile(dir.filePath(QStringLiteral("slow.png")));
        // Half a second, within what a busy machine adds to a timer.
        ASSERT_TRUE(WaitUntil([&] { return progress() != nullptr; }, 3000)) << "no progress after 3 s";
        EXPECT_GE(clock.elapsed(), 450) << "progress shown for what may yet be quick";
        EXPECT_TRUE(progress()->labelText().contains(QStringLiteral("slow.png")));
        EXPECT_FALSE(settled);
        slow.Finish();
        ASSERT_TRUE(WaitUntil([&settled] { return settled; }));
        EXPECT_FALSE(progress()) << "the progress stays after the picture came";
        ticks.stop();
    }
    // Decoding on the window thread would hold it until the pipe's second half came: seconds.
    EXPECT_LT(longestPause, 1000) << "the window thread stood still while the picture loaded";
    ASSERT_TRUE(opener->Window());
    EXPECT_TRUE(opener->Window()->isVisible());
    EXPECT_EQ(opener->Window()->Colors().size(), 4u);
    EXPECT_TRUE(desktop.messages.isEmpty());

    // Cancelled, a slow picture is dropped when it comes; the window shows what it showed.
    opener->Window()->close();
    settled = false;
    {
        SlowPicture slow(dir.filePath(QStringLiteral("cancelled.png")), NumberedPicture(30, 20));
        opener->OpenFile(dir.filePath(QStringLiteral("cancelled.png")));
        ASSERT_TRUE(WaitUntil([&] { return progress() != nullptr; }, 3000));
        auto* cancel = progress()->findChild<QPushButton*>();
        ASSERT_TRUE(cancel);
        cancel->click();
        EXPECT_FALSE(progress());
        slow.Finish();
    }
    // The next picture opens as usual, and the cancelled one never shows.
    Settle([this] { opener->OpenFile(dir.filePath(QStringLiteral("quarters.png"))); });
    EXPECT_EQ(opener->Window()->windowTitle(), QStringLiteral("Palette from quarters.png"));
    EXPECT_FALSE(WaitUntil([this] { return opener->Window()->windowTitle().contains(QStringLiteral("cancelled")); }, 300));
    EXPECT_TRUE(desktop.messages.isEmpty());
}

} // namespace
