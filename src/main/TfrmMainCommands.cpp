// The main window's commands on the base colour: the entry fields' keys, the adjustments, the palette strip,
// and the mouse on the colour areas with their pop-up and copy menus.
#include "TfrmMain.h"

#include "ColorDrag.h"
#include "ColorField.h"
#include "CopyMenu.h"
#include "platform/PaletteStrip.h"
#include "color/NamedColors.h"
#include "persist/Settings.h"
#include "platform/Canvas.h"
#include "platform/ItemMark.h"
#include "platform/KeyboardFocus.h"
#include "platform/PaintBox.h"
#include "platform/Services.h"
#include "platform/ShownNumber.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

namespace {

// Every painted colour area shows its colour here, inside any outline or harmony ring.
constexpr QPoint kSamplePoint { 5, 5 };
constexpr int kDragThreshold = 10;

ColorValue SampledColor(const PaintBox* area) { return canvas::FromRgb(area->PixelAt(kSamplePoint)); }

// A left-button click on a picture runs a command, as a press and release on it.
class ClickFilter final : public QObject {
public:
    ClickFilter(QWidget* picture, std::function<void()> onClick)
        : QObject(picture)
        , m_onClick(std::move(onClick))
    {
        picture->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            auto* picture = static_cast<QWidget*>(watched);
            if (mouse->button() == Qt::LeftButton && picture->rect().contains(mouse->position().toPoint()))
                m_onClick();
        }
        return false;
    }

private:
    std::function<void()> m_onClick;
};

} // namespace

void TfrmMain::ConnectCommands()
{
    for (QLineEdit* field : { txtR, txtG, txtB, txtHex }) {
        auto* typed = static_cast<ColorField*>(field);
        connect(typed, &ColorField::keyReleased, this, [this, field] { txtKeyUp(field); });
        connect(typed, &ColorField::pastedFromMenu, this, [this, field] { txtKeyUp(field); });
        // What the fields show is what was typed: BaseColor may meanwhile have gone back to the scheme's colour
        // (the pointer passing over the palette strip or a swatch).
        if (typed->kind() == ColorField::Kind::Decimal) {
            connect(typed, &ColorField::enterPressed, this, [this] { SetBaseColor(FieldColor()); });
            connect(typed, &ColorField::focusLeft, this, [this] { SetBaseColor(FieldColor()); });
        }
    }

    const std::pair<QAction*, Adjustment> adjustCommands[] = { { mnuAdjustLighten, Adjustment::Lighten },
        { mnuAdjustDarken, Adjustment::Darken }, { mnuAdjustSaturate, Adjustment::Saturate },
        { mnuAdjustDesaturate, Adjustment::Desaturate } };
    for (const auto& [command, adjustment] : adjustCommands)
        connect(command, &QAction::triggered, this, [this, adjustment] { AdjustClick(adjustment); });
    connect(mnuEditWebsafe, &QAction::triggered, this, &TfrmMain::MakeWebsafe);
    new ClickFilter(imgnotwebsafe, [this] { MakeWebsafe(); });
    new ClickFilter(imgnotsafe, [this] { MakeWebsafe(); });

    connect(pbPalette, &PaintBox::mouseMoved, this, &TfrmMain::pbPaletteMouseMove);
    connect(pbPalette, &PaintBox::mousePressed, this, &TfrmMain::pbPaletteMouseDown);
    connect(pbPalette, &PaintBox::entered, this, [this] { ShowStatusColor(m_baseColor); });
    connect(pbPalette, &PaintBox::left, this, &TfrmMain::UpdateStatusBar);

    CreateColorPopup();
    std::vector<PaintBox*> areas(pbColors.begin(), pbColors.end());
    areas.push_back(pbBase);
    for (PaintBox* area : areas) {
        m_drag->AddSource(area, kDragThreshold, [area](QPoint) { return SampledColor(area); }, mnuColorPop);
        // Named only when a tip is asked for: no colour change pays for it.
        area->SetHintSource([area](QPoint) {
            return PaintBox::Hint { QString::fromStdString(ColorNameText(SampledColor(area))), area->rect() };
        });
    }
    // Spoken as the tips name them, with the text the copy menus copy; the harmony ring and the websafe mark are
    // described.
    for (int n = 1; n <= 16; ++n) {
        PaintBox* swatch = pbColors[n - 1];
        swatch->SetSpeech(QAccessible::Button, [this, swatch, n] {
            const Harmony harmony = CheckedHarmony();
            return PaintBox::Spoken { SpokenColor(tr("Swatch %1").arg(ShownNumber(n)), SampledColor(swatch)),
                IsHarmonyMember(n - 1, harmony)
                    ? tr("Highlighted in the harmony %1").arg(mnuHarmony[static_cast<int>(harmony)]->text())
                    : QString(),
                {} };
        });
    }
    pbBase->SetSpeech(QAccessible::Graphic, [this] {
        return PaintBox::Spoken { SpokenColor(tr("Base color"), SampledColor(pbBase)),
            imgwebsafe->isHidden() ? tr("Not websafe") : tr("Websafe"), {} };
    });
    pbPalette->SetSpeech(QAccessible::List, [] { return PaintBox::Spoken { tr("Palette", "the palette strip"), {}, {} }; });
    SetUpPaletteKeys();

    // Only the swatches read out their colour; the base area already is the base colour.
    for (PaintBox* swatch : pbColors) {
        connect(swatch, &PaintBox::entered, this, [this, swatch] { ShowStatusColor(SampledColor(swatch)); });
        connect(swatch, &PaintBox::left, this, &TfrmMain::UpdateStatusBar);
    }

    AddCopyEntries(mnuEditCopyBase, { "mnuEditCopyHex1", "mnuEditCopyHex2", "mnuEditCopyRGB" }, [this] {
        // The fields as they stand, even half typed: what the user sees is what is copied.
        const QString hex = txtHex->text();
        return CopyTexts { hex, QLatin1Char('#') + hex,
            txtR->text() + QLatin1Char(',') + txtG->text() + QLatin1Char(',') + txtB->text() };
    }, [this] { return std::optional(FieldColor()); });
}

void TfrmMain::CreateColorPopup()
{
    mnuColorPop = new QMenu(this);
    mnuColorPop->setObjectName(QStringLiteral("mnuColorPop"));
    mnuPopCopy = mnuColorPop->addMenu(tr("Copy..."));
    mnuPopCopy->setObjectName(QStringLiteral("mnuPopCopy"));
    AddCopyEntries(mnuPopCopy, { "mnuPopCopyHex1", "mnuPopCopyHex2", "mnuPopCopyRgb" },
        [this] { return CopyTextsOf(SelectedColor()); }, [this] { return std::optional(SelectedColor()); });
    mnuColorPop->addSeparator();
    mnuPopSetBase = mnuColorPop->addAction(tr("Set as Base Color"));
    mnuPopSetBase->setObjectName(QStringLiteral("mnuPopSetBase"));
    connect(mnuPopSetBase, &QAction::triggered, this, [this] { SetBaseColor(SelectedColor()); });
    // Carried out by the Favorites window once it is there.
    mnuPopAddFavorite = mnuColorPop->addAction(tr("Add to &Favorites"));
    mnuPopAddFavorite->setObjectName(QStringLiteral("mnuPopAddFavorite"));
    mnuPopAddFavorite->setEnabled(false);
}

void TfrmMain::SetUpPaletteKeys()
{
    m_paletteMark = new ItemMark(pbPalette);
    const auto cellColor = [this](QPoint at) { return canvas::FromRgb(pbPalette->PixelAt(at)); };
    const auto grid = [this] { return PaletteCells(m_paletteKind); };
    m_drag->AddKeys(pbPalette, cellColor, mnuColorPop, [this, grid] {
        return grid().Count() > 0 ? grid().CellPoint(m_paletteCell) : pbPalette->rect().center();
    });
    // Heard before the keys above: Enter and Space pick as a press there does, which a grid line or the outline
    // never does.
    HandleKeys(pbPalette, [this, grid](QKeyEvent* event) {
        if (event->modifiers() & ~Qt::KeypadModifier)
            return false;
        const PaletteGrid cells = grid();
        if (cells.Count() == 0)
            return false;
        int to = m_paletteCell;
        switch (event->key()) {
        case Qt::Key_Left: to = cells.Step(m_paletteCell, -1, 0); break;
        case Qt::Key_Right: to = cells.Step(m_paletteCell, 1, 0); break;
        case Qt::Key_Up: to = cells.Step(m_paletteCell, 0, -1); break;
        case Qt::Key_Down: to = cells.Step(m_paletteCell, 0, 1); break;
        case Qt::Key_Home: to = cells.Step(m_paletteCell, -cells.columns, 0); break;
        case Qt::Key_End: to = cells.Step(m_paletteCell, cells.columns, 0); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: {
            const QPoint at = cells.CellPoint(m_paletteCell);
            if (const auto color = PickPaletteColor(pbPalette->Surface(), at.x(), at.y()))
                SetBaseColor(*color);
            return true;
        }
        default:
            return false;
        }
        ShowPaletteCell(to);
        return true;
    });
    connect(pbPalette, &PaintBox::mousePressed, this, [this, grid](QMouseEvent* event) {
        // The keyboard goes on from the last cell the pointer picked.
        const PaletteGrid cells = grid();
        const QPoint at = event->position().toPoint() - cells.first + QPoint(cells.pitch / 2, cells.pitch / 2);
        if (cells.Count() > 0 && at.x() >= 0 && at.y() >= 0)
            ShowPaletteCell(cells.Step(0, at.x() / cells.pitch, at.y() / cells.pitch));
    });
    pbPalette->SetItemSpeech(QAccessible::ListItem, [grid] { return grid().Count(); },
        [this, grid](int cell) {
            const PaletteGrid cells = grid();
            const QRect area = cells.CellArea(cell);
            return PaintBox::Spoken {
                SpokenColor(tr("Palette row %1 column %2").arg(cell / cells.columns + 1).arg(cell % cells.columns + 1),
                    canvas::FromRgb(pbPalette->PixelAt(cells.CellPoint(cell)))),
                {}, area };
        },
        [this] { return m_paletteCell; });
    ShowPaletteCell(0);
}

void TfrmMain::ShowPaletteCell(int cell)
{
    const PaletteGrid cells = PaletteCells(m_paletteKind);
    m_paletteCell = cells.Count() > 0 ? std::clamp(cell, 0, cells.Count() - 1) : 0;
    m_paletteMark->SetArea(cells.Count() > 0 ? cells.CellArea(m_paletteCell) : QRect());
    pbPalette->SpokenItemFocused(m_paletteCell);
}

void TfrmMain::SetSteps(int lightness, int saturation)
{
    Q_ASSERT(lightness >= 0 && lightness <= kMaxStepPercent);
    Q_ASSERT(saturation >= 0 && saturation <= kMaxStepPercent);
    m_lightnessStep = lightness;
    m_saturationStep = saturation;
}

void TfrmMain::RebuildPalette(std::optional<PaletteKind> kind)
{
    m_paletteKind = kind;
    ShowPaletteCell(m_paletteCell);
    pbPalette->SetSurfaceSource(
        [kind](qreal ratio) { return kind ? DrawPalette(*kind, ratio) : DrawPaletteFrame(ratio); });
}

void TfrmMain::txtKeyUp(QLineEdit* field)
{
    m_baseColor = FieldColor();
    m_previewing = false;
    if (txtHex->text().size() == 6)
        PaintBaseArea();
    if (field == txtHex)
        SetBaseColor(m_baseColor);
}

void TfrmMain::AdjustClick(Adjustment adjustment)
{
    const bool lightness = adjustment == Adjustment::Lighten || adjustment == Adjustment::Darken;
    SetBaseColor(AdjustColor(ChosenBaseColor(), adjustment, lightness ? m_lightnessStep : m_saturationStep));
}

void TfrmMain::MakeWebsafe()
{
    for (QLineEdit* field : { txtR, txtG, txtB })
        AssignText(field, QString::number(SnapToWebsafe(FieldNumber(field))));
    // The fields, not BaseColor: when they were websafe already, no change ran to bring BaseColor along.
    SetBaseColor(FieldColor());
}

void TfrmMain::ShowStatusColor(ColorValue color)
{
    sbPanel0->setText(QString::fromStdString(StatusRgbText(color)));
    sbPanel1->setText(QString::fromStdString(StatusHexText(color)));
}

void TfrmMain::pbPaletteMouseMove(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const auto color = PickPaletteColor(pbPalette->Surface(), at.x(), at.y());
    if (!color)
        return;
    ShowStatusColor(*color);
    // A preview only: the scheme, the fields and the history stay as they are until a button is pressed.
    m_baseColor = *color;
    m_previewing = true;
    PaintBaseArea();
}

void TfrmMain::pbPaletteMouseDown(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (const auto color = PickPaletteColor(pbPalette->Surface(), at.x(), at.y()))
        SetBaseColor(*color);
}
