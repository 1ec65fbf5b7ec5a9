#include "TfrmImage.h"

#include "PictureView.h"
#include "color/NamedColors.h"
#include "document/FavoritesModel.h"
#include "exchange/Palette.h"
#include "main/ColorDrag.h"
#include "main/CopyMenu.h"
#include "main/TfrmMain.h"
#include "persist/SchemeFile.h"
#include "platform/Canvas.h"
#include "platform/PaintBox.h"
#include "platform/Services.h"

#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr int kSwatchWidth = 120;
constexpr int kDragThreshold = 10;

} // namespace

TfrmImage::TfrmImage(TfrmMain& main, FavoritesModel& favorites)
    : QWidget(nullptr, Qt::Window)
    , m_main(main)
    , m_favorites(favorites)
{
    setObjectName(QStringLiteral("frmImage"));
    setAttribute(Qt::WA_QuitOnClose, false);
    imgPicture = new PictureView(this);
    connect(imgPicture, &PictureView::pixelPicked, this, [this](QPoint pixel) {
        m_main.SetBaseColor(canvas::FromRgb(imgPicture->Picture().pixel(pixel)));
    });

    pbSwatches = new PaintBox(QStringLiteral("pbSwatches"), this);
    pbSwatches->setFixedSize(kSwatchWidth, extraction::kMaxColors * kSwatchHeight);
    mnuSwatchPop = new QMenu(this);
    mnuSwatchPop->setObjectName(QStringLiteral("mnuSwatchPop"));
    AddCopyEntries(mnuSwatchPop, { "mnuPopCopyHex1", "mnuPopCopyHex2", "mnuPopCopyRgb" },
        [this] { return CopyTextsOf(m_main.SelectedColor()); }, [this] { return std::optional(m_main.SelectedColor()); });
    m_main.Drag().AddSource(pbSwatches, kDragThreshold, [this](QPoint pos) { return SwatchColorAt(pos); }, mnuSwatchPop);
    pbSwatches->SetHintSource([this](QPoint pos) {
        const int index = pos.y() / kSwatchHeight;
        if (index < 0 || index >= int(m_colors.size()))
            return PaintBox::Hint {};
        return PaintBox::Hint { QString::fromStdString(ColorNameText(m_colors[std::size_t(index)].color)),
            QRect(0, index * kSwatchHeight, kSwatchWidth, kSwatchHeight) };
    });

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
    imgPicture->SetPicture(loaded.picture);
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
    emit colorsChanged();
}

ColorValue TfrmImage::SwatchColorAt(QPoint pos) const
{
    const int index = pos.y() / kSwatchHeight;
    if (index < 0 || index >= int(m_colors.size()))
        return m_main.BaseColor();
    return m_colors[std::size_t(index)].color;
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
    watcher->setFuture(QtConcurrent::run([sample = m_sample, count] { return extraction::Extract(*sample, count); }));
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
