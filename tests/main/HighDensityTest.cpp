// The main window on a dense screen. These run in every test pass at the screen's own ratio, and once more with
// QT_SCALE_FACTOR=2 and 1.5 (ctest's main_dpr2 and main_dpr15), where the ratio must really be that.
#include "MainFixture.h"
#include "platform/Artwork.h"
#include "platform/PaletteStrip.h"
#include "support/Controls.h"
#include "support/Density.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

namespace {

class HighDensity : public MainFixture {
protected:
    void SetUp() override
    {
        window = Start();
        ratio = window->devicePixelRatioF();
        if (const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR"); !scale.isEmpty()) {
            ASSERT_EQ(ratio, scale.toDouble()) << "the dense-screen pass did not get a dense screen";
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
    EXPECT_EQ(canvas::LogicalSize(ui.pbPalette->Surface()), ui.pbPalette->size());
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
        label->grab(); // a mark is drawn when it is first shown or painted
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

TEST_F(HighDensity, PaintBoxesAreDrawnForTheScreenAndShownOneToOne)
{
    const MainControls ui(*window);
    for (PaintBox* box : { ui.pbPalette, ui.pbColors[0], ui.pbColors[9], ui.pbBase }) {
        SCOPED_TRACE(qPrintable(box->objectName()));
        const QImage surface = box->Surface().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(surface.devicePixelRatio(), ratio);
        ASSERT_EQ(surface.size(), box->size() * ratio);
        const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), surface.size());
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                ASSERT_EQ(shown.pixel(x, y), surface.pixel(x, y)) << "device pixel " << x << "," << y;
    }
}

TEST_F(HighDensity, SwatchesAndRingsAreFlatAndWholeAtEveryDevicePixel)
{
    const MainControls ui(*window);
    Named<QAction>(*window, "mnuTriads")->trigger();
    int ringed = 0;
    for (int n = 1; n <= 16; ++n) {
        SCOPED_TRACE(n);
        const QImage surface = ui.pbColors[n - 1]->Surface();
        const QRgb fill = canvas::ToRgb(window->SchemeColors()[n - 1]);
        const bool ring = canvas::PixelAt(surface, { 3, 18 }) == qRgb(0, 0, 0);
        ringed += ring;
        // The fill inside the rings, then the outline and each ring as whole device pixels of one colour.
        const int inside = ring ? 4 : 2;
        EXPECT_FALSE(density::FirstOffColour(surface, density::DeviceRect({ inside, inside, 37 - 2 * inside,
            37 - 2 * inside }, ratio), fill));
        for (int edge = 1; edge <= (ring ? 3 : 1); ++edge) {
            const QRgb pen = edge == 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            const int length = 37 - 2 * edge;
            for (const QRect side : { QRect(edge, edge, length, 1), QRect(edge, 36 - edge, length, 1),
                     QRect(edge, edge, 1, length), QRect(36 - edge, edge, 1, length) })
                EXPECT_FALSE(density::FirstOffColour(surface, density::DeviceRect(side, ratio), pen)) << "edge " << edge;
        }
    }
    EXPECT_EQ(ringed, 3) << "a triad rings three swatches";
    const QImage base = ui.pbBase->Surface();
    EXPECT_FALSE(density::FirstOffColour(base, density::DeviceRect({ 2, 2, 61 - 4, 54 - 4 }, ratio),
        canvas::ToRgb(window->BaseColor())));
}

TEST_F(HighDensity, PaletteStripsAreWholeDevicePixelsAtEveryRatio)
{
    // The strips are rectangles and single colour cells: at any ratio each cell and each grid line is a flat block
    // of whole device pixels, which is the ordinary strip with each pixel made a block.
    for (const PaletteKind kind : { PaletteKind::Websafe, PaletteKind::Spectrum, PaletteKind::WebsafeSpectrum }) {
        for (const qreal r : density::kRatios) {
            const QImage dense = DrawPalette(kind, r);
            EXPECT_EQ(dense.devicePixelRatio(), r);
            EXPECT_EQ(dense, density::Enlarged(DrawPalette(kind), r)) << int(kind) << " at " << r;
        }
    }
    // What the pointer picks is the colour under it, at any ratio.
    const QImage dense = DrawPalette(PaletteKind::Websafe, 1.5);
    const QImage plain = DrawPalette(PaletteKind::Websafe);
    for (const QPoint at : { QPoint(5, 5), QPoint(100, 20), QPoint(250, 40), QPoint(9, 3), QPoint(2, 2) })
        EXPECT_EQ(PickPaletteColor(dense, at.x(), at.y()), PickPaletteColor(plain, at.x(), at.y())) << at.x() << "," << at.y();
}

TEST_F(HighDensity, HatchIsDrawnForTheScreenInWholeDevicePixels)
{
    auto* hatch = Named<QLabel>(*window, "imgHatch");
    ExpectShownAsIs(hatch, hatch->pixmap(), "the hatch");
    const QPixmap picture = hatch->pixmap();
    EXPECT_EQ(picture.devicePixelRatio(), ratio);
    ASSERT_EQ(picture.size(), QSize(canvas::DeviceEdge(193, ratio), canvas::DeviceEdge(192, ratio)));
    const QImage lines = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    // Every device pixel white or clear, and every diagonal equally wide: at 1.5 a stretched picture has lines of
    // one and two pixels, or grey edges.
    const int thickness = std::max(1, qRound(ratio));
    int diagonals = 0;
    for (int y = 0; y < lines.height(); ++y) {
        int run = 0;
        for (int x = 0; x < lines.width(); ++x) {
            const QRgb p = lines.pixel(x, y);
            ASSERT_TRUE(p == qRgba(255, 255, 255, 255) || qAlpha(p) == 0) << "device pixel " << x << "," << y;
            if (qAlpha(p) != 0) {
                ++run;
            } else if (run > 0) {
                // A line cut by the picture's left edge may be narrower.
                if (x - run > 0) {
                    ASSERT_EQ(run, thickness) << "row " << y << " at " << x - run;
                    ++diagonals;
                }
                run = 0;
            }
        }
    }
    EXPECT_GT(diagonals, 30 * lines.height());
    if (ratio >= 2) {
        // Diagonals drawn at the detail of the screen, not the ordinary picture's pixels made blocks.
        EXPECT_LT(density::FlatBlockShare(lines, lines.rect(), qRgba(0, 0, 0, 0)), 0.2);
    }
}

TEST_F(HighDensity, PicturesDrawnForAnotherRatioAreDrawnAgainForTheScreens)
{
    // As after a move from a screen of another scale: each picture held was drawn for a ratio the window no longer
    // has.
    const MainControls ui(*window);
    for (QLabel* label : { Named<QLabel>(*window, "imgHatch"), ui.imgwebsafe, ui.imgsafe }) {
        SCOPED_TRACE(label->objectName().toStdString());
        label->grab();
        const QPixmap own = label->pixmap();
        QPixmap stale(own.size() * 2);
        stale.setDevicePixelRatio(ratio * 2);
        stale.fill(Qt::black);
        label->setPixmap(stale);
        label->grab();
        EXPECT_EQ(label->pixmap().devicePixelRatio(), ratio);
        EXPECT_EQ(label->pixmap().toImage(), own.toImage());
    }
}
