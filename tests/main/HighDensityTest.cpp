// The main window on a dense screen. These run in every test pass at the screen's own ratio, and once more with
// QT_SCALE_FACTOR=2 (ctest's main_dpr2), where the ratio must really be 2.
#include "MainFixture.h"
#include "platform/Artwork.h"
#include "support/Controls.h"

#include <QLabel>
#include <QToolButton>

namespace {

class HighDensity : public MainFixture {
protected:
    void SetUp() override
    {
        window = Start();
        ratio = window->devicePixelRatioF();
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2")) {
            ASSERT_EQ(ratio, 2.0) << "the dense-screen pass did not get a dense screen";
        }
    }

    QPoint Device(QPoint logical) const { return QPoint(qRound(logical.x() * ratio), qRound(logical.y() * ratio)); }

    std::unique_ptr<TfrmMain> window;
    qreal ratio = 1;
};

// Fully opaque pixels of the picture show exactly as they are in the widget's grab: nothing was scaled up.
void ExpectShownAsIs(QWidget* widget, const QPixmap& picture, const char* what)
{
    const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage art = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), art.size()) << what;
    int opaque = 0;
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            if (qAlpha(art.pixel(x, y)) == 255) {
                ++opaque;
                ASSERT_EQ(shown.pixel(x, y), art.pixel(x, y)) << what << " at " << x << "," << y;
            }
    EXPECT_GT(opaque, 0) << what;
}

} // namespace

TEST_F(HighDensity, LayoutStaysInLogicalPixelsAndFillsTheDeviceOnes)
{
    const MainControls ui(*window);
    EXPECT_EQ(window->centralWidget()->size(), QSize(263, 294));
    EXPECT_EQ(ui.pbColors[0]->geometry(), QRect(78, 34, 37, 37));
    EXPECT_EQ(ui.pbPalette->Surface().size(), ui.pbPalette->size());
    const QImage client = window->centralWidget()->grab().toImage();
    EXPECT_EQ(client.size(), QSize(263, 294) * ratio);
    EXPECT_EQ(client.devicePixelRatio(), ratio);
}

TEST_F(HighDensity, ArtworkIsDrawnForTheScreensRatio)
{
    const MainControls ui(*window);
    const std::pair<QToolButton*, const char*> buttons[] = {
        { Named<QToolButton>(*window, "tbOpen"), "tb_open.svg" },
        { Named<QToolButton>(*window, "tbSave"), "tb_save.svg" },
        { Named<QToolButton>(*window, "tbBack"), "tb_back.svg" },
        { Named<QToolButton>(*window, "tbForward"), "tb_forward.svg" },
        { Named<QToolButton>(*window, "tbLighten"), "adj_lighten.svg" },
    };
    for (const auto& [button, art] : buttons) {
        const QSize size = ArtSize(art);
        const QPixmap icon = button->icon().pixmap(size, ratio);
        EXPECT_EQ(icon.size(), size * ratio) << art;
        EXPECT_EQ(icon.devicePixelRatio(), ratio) << art;
        EXPECT_EQ(icon.toImage(), ArtPixmap(art, size, ratio).toImage()) << art;
    }

    const std::pair<QLabel*, const char*> pictures[] = {
        { ui.imgwebsafe, "ws_tick.svg" }, { ui.imgsafe, "ws_word_safe.svg" },
        { ui.imgnotwebsafe, "ws_warning.svg" }, { ui.imgnotsafe, "ws_word_notsafe.svg" },
    };
    for (const auto& [label, art] : pictures) {
        const QPixmap picture = label->pixmap();
        EXPECT_EQ(picture.size(), ArtSize(art) * ratio) << art;
        EXPECT_EQ(picture.devicePixelRatio(), ratio) << art;
        if (label->isVisible())
            ExpectShownAsIs(label, picture, art);
    }

    const QPixmap hand = AppCursor(CursorId::Hand).pixmap();
    EXPECT_EQ(hand.size(), QSize(32, 32) * ratio);
}

TEST_F(HighDensity, DrawingAtTwiceTheDetailIsNotTheSmallPictureEnlarged)
{
    // What makes the check above worth having: on a dense screen a picture drawn for it differs from the
    // ordinary one blown up.
    const QImage sharp = ArtPixmap("ws_tick.svg", { 16, 16 }, 2).toImage();
    const QImage enlarged = ArtPixmap("ws_tick.svg", { 16, 16 }, 1).toImage().scaled(32, 32);
    EXPECT_NE(sharp.convertToFormat(QImage::Format_ARGB32), enlarged.convertToFormat(QImage::Format_ARGB32));
}

TEST_F(HighDensity, ColourReadsAreInLogicalPixels)
{
    const MainControls ui(*window);
    for (int n = 1; n <= 16; ++n) {
        const PaintBox* box = ui.pbColors[n - 1];
        EXPECT_EQ(Pixel(box), window->SchemeColors()[n - 1]) << "swatch " << n;
        const QImage shown = const_cast<PaintBox*>(box)->grab().toImage();
        EXPECT_EQ(canvas::FromRgb(shown.pixel(Device({ 5, 5 }))), window->SchemeColors()[n - 1]) << "swatch " << n;
        EXPECT_EQ(canvas::FromRgb(shown.pixel(Device({ 36, 36 }))), canvas::FromRgb(box->PixelAt({ 36, 36 })))
            << "swatch " << n << " outline";
    }
    EXPECT_EQ(Pixel(ui.pbBase), window->BaseColor());
}

TEST_F(HighDensity, PaintBoxesShowEachPixelAsASharpBlock)
{
    const MainControls ui(*window);
    // The palette's one-pixel grid lines are the first thing a smoothing scale would blur.
    for (PaintBox* box : { ui.pbPalette, ui.pbColors[0], ui.pbBase }) {
        const QImage surface = box->Surface();
        const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), surface.size() * ratio) << qPrintable(box->objectName());
        const int block = qRound(ratio);
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                for (int dy = 0; dy < block; ++dy)
                    for (int dx = 0; dx < block; ++dx)
                        ASSERT_EQ(shown.pixel(x * block + dx, y * block + dy), surface.pixel(x, y))
                            << qPrintable(box->objectName()) << " at " << x << "," << y;
    }
}
