#include "TfrmImage.h"

#include "PictureView.h"
#include "PoolRun.h"
#include "color/NamedColors.h"
#include "document/FavoritesModel.h"
#include "exchange/Palette.h"
#include "main/ColorDrag.h"
#include "main/CopyMenu.h"
#include "main/TfrmMain.h"
#include "persist/SchemeFile.h"
#include "platform/Canvas.h"
#include "platform/ItemMark.h"
#include "platform/KeyboardFocus.h"
#include "platform/PaintBox.h"
#include "platform/Services.h"
#include "platform/ShownNumber.h"

#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kSwatchWidth = 120;
constexpr int kDragThreshold = 10;

// A swatch's own pixels, its outline included: the gap below it belongs to none.
QRect SwatchArea(int index)
{
    return QRect(0, index * TfrmImage::kSwatchHeight, kSwatchWidth, TfrmImage::kSwatchHeight - 2);
}

} // namespace

TfrmImage::TfrmImage(TfrmMain& main, FavoritesModel& favorites)
    : QWidget(nullptr, Qt::Window)
    , m_main(main)
    , m_favorites(favorites)
{
    setObjectName(QStringLiteral("frmImage"));
    setAttribute(Qt::WA_QuitOnClose, false);
    imgPicture = new PictureView(this);
    //: What a screen reader calls the picture the colours are taken from.
    imgPicture->setAccessibleName(tr("Picture"));
    connect(imgPicture, &PictureView::pixelPicked, this, [this](QPoint pixel) {
        m_main.SetBaseColor(canvas::FromRgb(imgPicture->Picture().pixel(pixel)));
    });

    pbSwatches = new PaintBox(QStringLiteral("pbSwatches"), this);
    pbSwatches->setFixedSize(kSwatchWidth, extraction::kMaxColors * kSwatchHeight);
    mnuSwatchPop = new QMenu(this);
    mnuSwatchPop->setObjectName(QStringLiteral("mnuSwatchPop"));
    AddCopyEntries(mnuSwatchPop, { "mnuPopCopyHex1", "mnuPopCopyHex2", "mnuPopCopyRgb" },
        [this] { return CopyTextsOf(m_main.SelectedColor()); }, [this] { return std::optional(m_main.SelectedColor()); });
    m_main.Drag().AddSource(pbSwatches, kDragThreshold, [this](QPoint pos) { return SwatchColorAt(pos); }, mnuSwatchPop,
        [this] { return SwatchArea(m_swatch).center(); });
    pbSwatches->SetHintSource([this](QPoint pos) {
        const int index = SwatchAt(pos);
        if (index < 0)
            return PaintBox::Hint {};
        return PaintBox::Hint { QString::fromStdString(ColorNameText(m_colors[std::size_t(index)].color)),
            QRect(0, index * kSwatchHeight, kSwatchWidth, kSwatchHeight) };
    });

    // Reached by Tab like every other colour area; the rings lie outside the swatches' picture, so without the focus
    // they look as they always have.
    pbSwatches->setFocusPolicy(Qt::TabFocus);
    ShowFocusRing(pbSwatches);
    m_swatchMark = new ItemMark(pbSwatches);
    // The arrows walk the swatches; Enter, Space, the menu keys and Ctrl+C come with the drag source and act on the
    // swatch the keyboard is on.
    HandleKeys(pbSwatches, [this](QKeyEvent* event) { return SwatchKey(event); });
    pbSwatches->installEventFilter(this);
    connect(pbSwatches, &PaintBox::mousePressed, this, [this](QMouseEvent* event) {
        // The keyboard goes on from the swatch the pointer took.
        if (const int index = SwatchAt(event->position().toPoint()); index >= 0)
            ShowSwatch(index);
    });
    pbSwatches->SetSpeech(QAccessible::List, [] {
        //: What a screen reader calls the list of the colours taken from the picture.
        return PaintBox::Spoken { tr("Picture colors"), {}, {} };
    });
    pbSwatches->SetItemSpeech(QAccessible::ListItem, [this] { return int(m_colors.size()); },
        [this](int index) {
            //: One colour taken from the picture, as a screen reader says it; %1 is its place in the list.
            return PaintBox::Spoken { SpokenColor(tr("Picture color %1").arg(ShownNumber(index + 1)),
                                          m_colors[std::size_t(index)].color),
                {}, SwatchArea(index) };
        },
        [this] { return m_swatch; });

    spnCount = new QSpinBox(this);
    spnCount->setObjectName(QStringLiteral("spnCount"));
    spnCount->setRange(extraction::kMinColors, extraction::kMaxColors);
    spnCount->setValue(extraction::kDefaultColors);
    connect(spnCount, &QSpinBox::valueChanged, this, &TfrmImage::spnCountChange);
    auto* lblCount = new QLabel(tr("&Colors:"), this);
    lblCount->setBuddy(spnCount);
    cmdAddFavorites = new QPushButton(tr("Add to &Favorites"), this);
    cmdAddFavorites->setObjectName(QStringLiteral("cmdAddFavorites"));
    connect(cmdAddFavorites, &QPushButton::clicked, this, &TfrmImage::cmdAddFavoritesClick);

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(lblCount);
    countRow->addWidget(spnCount);
    auto* side = new QVBoxLayout;
    side->addLayout(countRow);
    side->addWidget(pbSwatches);
    side->addStretch(1);
    side->addWidget(cmdAddFavorites);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(imgPicture, 1);
    layout->addLayout(side);
    // In the order they are seen: the count above the swatches it sets.
    setTabOrder(spnCount, pbSwatches);
    setTabOrder(pbSwatches, cmdAddFavorites);
    resize(760, 480);
}

TfrmImage::~TfrmImage() = default;

int TfrmImage::Count() const { return spnCount->value(); }

void TfrmImage::ShowPicture(const LoadedPicture& loaded)
{
    Q_ASSERT(loaded.error.isEmpty() && loaded.sample);
    ++m_extraction; // whatever was still being taken belongs to the previous picture
    setWindowTitle(tr("Palette from %1").arg(loaded.name));
    m_sample = loaded.sample;
    imgPicture->SetPicture(loaded.picture, loaded.overview);
    imgPicture->setAccessibleDescription(loaded.name);
    m_swatch = 0;
    ShowColors(loaded.colors);
}

void TfrmImage::ShowColors(std::vector<extraction::ExtractedColor> colors)
{
    m_colors = std::move(colors);
    std::vector<QPoint> marks;
    for (const auto& c : m_colors)
        marks.push_back(c.typical);
    imgPicture->SetMarks(std::move(marks));
    std::vector<ColorValue> shown;
    for (const auto& c : m_colors)
        shown.push_back(c.color);
    pbSwatches->SetSurfaceSource([shown](qreal ratio) {
        QImage picture
            = canvas::NewPicture(kSwatchWidth, extraction::kMaxColors * kSwatchHeight, canvas::ButtonFace(), ratio);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const int top = int(i) * kSwatchHeight;
            canvas::Rectangle(picture, 0, top, kSwatchWidth, top + kSwatchHeight - 2, canvas::WindowText(),
                canvas::ToRgb(shown[i]));
        }
        return picture;
    });
    ShowSwatch(m_swatch);
    emit colorsChanged();
}

int TfrmImage::SwatchAt(QPoint pos) const
{
    const int index = pos.y() / kSwatchHeight;
    return index >= 0 && index < int(m_colors.size()) ? index : -1;
}

ColorValue TfrmImage::SwatchColorAt(QPoint pos) const
{
    const int index = SwatchAt(pos);
    return index < 0 ? m_main.BaseColor() : m_colors[std::size_t(index)].color;
}

bool TfrmImage::SwatchKey(QKeyEvent* event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) || m_colors.empty())
        return false;
    // The swatches stand in a column: either pair of arrows walks it.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        ShowSwatch(m_swatch - 1);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        ShowSwatch(m_swatch + 1);
        return true;
    case Qt::Key_Home:
        ShowSwatch(0);
        return true;
    case Qt::Key_End:
        ShowSwatch(int(m_colors.size()) - 1);
        return true;
    default:
        return false;
    }
}

bool TfrmImage::eventFilter(QObject* watched, QEvent* event)
{
    // A reader told only that the list has the focus would not say which swatch the keys are on. Told after the
    // toolkit's own news of the list, which would otherwise come last.
    if (watched == pbSwatches && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(this, [this] { pbSwatches->SpokenItemFocused(m_swatch); }, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void TfrmImage::ShowSwatch(int index)
{
    m_swatch = std::clamp(index, 0, std::max(int(m_colors.size()) - 1, 0));
    m_swatchMark->SetArea(m_colors.empty() ? QRect() : SwatchArea(m_swatch));
    pbSwatches->SpokenItemFocused(m_swatch);
}

void TfrmImage::spnCountChange(int count)
{
    if (!m_sample)
        return;
    const int extraction = ++m_extraction;
    auto* watcher = new QFutureWatcher<std::vector<extraction::ExtractedColor>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, extraction] {
        watcher->deleteLater();
        if (extraction == m_extraction)
            ShowColors(watcher->result());
    });
    watcher->setFuture(RunOnPool(*QThreadPool::globalInstance(),
        [sample = m_sample, count] { return extraction::Extract(*sample, count); }));
}

void TfrmImage::cmdAddFavoritesClick()
{
    if (std::size_t(m_favorites.Count()) + m_colors.size() > kMaxPaletteColors) {
        platform::Messages().ShowMessage(this, SchemeMessage(SchemeMessages::kTooManyFavorites));
        return;
    }
    FavColorList favorites;
    for (const auto& c : m_colors) {
        TFavColor fav = TFavColor::FromColor(c.color);
        fav.Text = std::string(NearestNamedColor(c.color).color.name);
        favorites.push_back(std::move(fav));
    }
    m_favorites.AppendFavorites(favorites);
}
