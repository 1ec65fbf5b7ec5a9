#include "favorites/FavoritesList.h"

#include "favorites/FavoritesLayout.h"
#include "color/NamedColors.h"
#include "main/CopyMenu.h"
#include "platform/Artwork.h"
#include "platform/Canvas.h"
#include "platform/Fonts.h"
#include "platform/ShownNumber.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <climits>

using namespace favlayout;

namespace {

constexpr QRgb kWebsafeMarkGreen = qRgb(51, 153, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

QString WebsafeHint()
{
    return FavoritesList::tr("Websafe color");
}

// Shown in the empty list; the English lines sit where the original artwork put them, another language's are
// centred.
const char* const kEmptyListText
    = QT_TRANSLATE_NOOP("FavoritesList", "Drag & drop colors\nhere to add to your\nFavorite Colors");
constexpr int kEmptyListSourceX[] = { 14, 13, 23 };
constexpr int kEmptyListMargin = 2;

// The dotted focus rectangle: every other pixel of its outline inverted, so drawing it twice removes it.
void InvertDottedOutline(QImage& picture, int x1, int y1, int x2, int y2)
{
    const auto invert = [&picture](int x, int y) {
        if ((x + y) % 2 == 0)
            canvas::InvertRect(picture, x, y, x + 1, y + 1);
    };
    for (int x = x1; x < x2; ++x) {
        invert(x, y1);
        invert(x, y2 - 1);
    }
    for (int y = y1 + 1; y < y2 - 1; ++y) {
        invert(x1, y);
        invert(x2 - 1, y);
    }
}

// The websafe mark where the symbol font is missing: the symbol font's bold tick, pixel for pixel, in the
// same 13-pixel cell at (x, y).
void DrawTick(QImage& picture, int x, int y, QRgb color)
{
    static const char* const kTick[] = {
        ".....#",
        "....##",
        "#..###",
        "######",
        "######",
        "#####.",
        ".###..",
    };
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 6; ++column) {
            if (kTick[row][column] == '#')
                canvas::FillRect(picture, x + 3 + column, y + 2 + row, x + 4 + column, y + 3 + row, color);
        }
    }
}

} // namespace

QString FavoriteHexText(const TFavColor& fav)
{
    return QString::fromLatin1(fav.Hex.data(), static_cast<qsizetype>(fav.Hex.size()));
}

// The faces of the rows, made once per drawing rather than once per text.
struct FavoritesList::RowFonts {
    struct Face {
        explicit Face(const QFont& f)
            : font(f)
            , ascent(CellAscent(f))
        {
        }
        QFont font;
        int ascent;
    };
    Face regular { TahomaFont(9) };
    Face bold { TahomaFont(9, true) };
    Face mark { MarlettFont(13) };
};

FavoritesList::FavoritesList(const FavoritesModel& model, QWidget* parent)
    : PaintBox(QStringLiteral("pbFavs"), parent)
    , m_model(model)
{
    connect(&m_model, &FavoritesModel::changed, this, [this] {
        Redraw();
        // A favourite added, deleted, moved or selected: a reader on the list hears the one selected now.
        if (m_model.HasSelection())
            SpokenItemFocused(m_model.FavSelected());
    });
    SetHintSource([this](QPoint pos) { return RowHint(pos); });
    SetSpeech(QAccessible::List, [] { return Spoken { tr("Favorite colors"), {}, {} }; });
    SetItemSpeech(QAccessible::ListItem, [this] { return m_model.Count(); }, [this](int row) { return RowSpeech(row); },
        [this] { return m_model.FavSelected(); });
    Redraw();
}

void FavoritesList::Redraw()
{
    SetSurfaceSource([this](qreal ratio) { return Picture(ratio); });
}

void FavoritesList::SetPosition(int position)
{
    if (position == m_position)
        return;
    m_position = position;
    Redraw();
}

qint64 FavoritesList::ContentHeight() const
{
    return qint64(kRowHeight) * m_model.Count();
}

int FavoritesList::MaxPosition() const
{
    const qint64 total = ContentHeight();
    const int page = height();
    return total > page ? static_cast<int>(std::min<qint64>(total - page + 1, INT_MAX)) : 0;
}

int FavoritesList::RowAt(int y) const
{
    return FavRowAt(y + m_position, m_model.Count());
}

int FavoritesList::InsertionIndexAt(int y) const
{
    return FavInsertionIndex(y + m_position, m_model.Count());
}

QStringList FavoritesList::EmptyListLines(const QFontMetrics& metrics, int width)
{
    const QString text = tr(kEmptyListText);
    if (text == QLatin1String(kEmptyListText))
        return text.split(QLatin1Char('\n'));
    // The translator's lines, each broken again where it is wider than the list.
    QStringList lines;
    for (const QString& given : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : given.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width - 2 * kEmptyListMargin) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    return lines;
}

QImage FavoritesList::Picture(qreal ratio) const
{
    QImage picture = canvas::NewPicture(width(), height(), canvas::ButtonFace(), ratio);
    QPainter painter(&picture);
    if (m_model.IsEmpty()) {
        painter.setFont(TahomaFont(10));
        painter.setPen(QColor::fromRgb(canvas::ButtonShadow()));
        const int ascent = CellAscent(painter.font());
        const bool source = tr(kEmptyListText) == QLatin1String(kEmptyListText);
        const QStringList lines = EmptyListLines(painter.fontMetrics(), width());
        for (int i = 0; i < lines.size(); ++i) {
            const int x = source && i < static_cast<int>(std::size(kEmptyListSourceX))
                ? kEmptyListSourceX[i]
                : (width() - painter.fontMetrics().horizontalAdvance(lines[i])) / 2;
            painter.drawText(x, 9 + 14 * i + ascent, lines[i]);
        }
    } else {
        // Only the rows in view are drawn, so the cost is the same for ten favourites or sixty thousand.
        const int first = FirstVisibleRow(m_position);
        const int end = std::min(m_model.Count(), first + kRowsPerPaint);
        const RowFonts fonts;
        for (int row = first; row < end; ++row)
            PaintRow(picture, painter, fonts, row, kRowHeight * row - m_position);
    }
    painter.end();
    return picture;
}

void FavoritesList::PaintRow(QImage& picture, QPainter& painter, const RowFonts& fonts, int row, int top) const
{
    const TFavColor& fav = m_model.FavColors()[static_cast<std::size_t>(row)];
    const bool selected = row == m_model.FavSelected();
    const int w = width();
    const QRgb textColor = selected ? canvas::HighlightText() : canvas::WindowText();

    canvas::FillRect(picture, 0, top, w, top + kRowHeight, selected ? canvas::Highlight() : canvas::ButtonFace());

    const RowFonts::Face& hexFace = selected ? fonts.bold : fonts.regular;
    painter.setPen(QColor::fromRgb(textColor));
    painter.setFont(hexFace.font);
    painter.drawText(43, top + 9 + hexFace.ascent, QLatin1Char('#') + FavoriteHexText(fav));
    painter.setFont(fonts.regular.font);
    painter.drawText(43, top + 21 + fonts.regular.ascent, QStringLiteral("%1.%2.%3").arg(fav.R).arg(fav.G).arg(fav.B));

    const QRgb fill = canvas::ToRgb(fav.Color);
    if (selected) {
        canvas::Rectangle(picture, 3, top + 3, 37, top + 37, kBlack, std::nullopt);
        canvas::Rectangle(picture, 4, top + 4, 36, top + 36, kWhite, fill);
    } else {
        // Sunken: shadow along the top and left, light along the right and bottom.
        canvas::Rectangle(picture, 3, top + 3, 37, top + 37, kWhite, std::nullopt);
        canvas::FillRect(picture, 3, top + 3, 36, top + 4, canvas::ButtonShadow());
        canvas::FillRect(picture, 3, top + 3, 4, top + 36, canvas::ButtonShadow());
        canvas::Rectangle(picture, 4, top + 4, 36, top + 36, kBlack, fill);
    }

    if (IsWebsafe(fav.R, fav.G, fav.B)) {
        const QRgb markColor = selected ? canvas::HighlightText() : kWebsafeMarkGreen;
        const QPoint at(w - 15, top + 8);
        if (HaveMarlett()) {
            painter.setFont(fonts.mark.font);
            painter.setPen(QColor::fromRgb(markColor));
            painter.drawText(at.x(), at.y() + fonts.mark.ascent, QStringLiteral("b"));
        } else {
            DrawTick(picture, at.x(), at.y(), markColor);
        }
    }

    const bool last = row == m_model.Count() - 1;
    canvas::HorizontalLine(picture, 0, w, top + kRowHeight - 1, last ? canvas::ButtonShadow() : kWhite);
}

void FavoritesList::ShowDropMarker(int y, bool insertionLine)
{
    QImage marked = Picture(devicePixelRatioF());
    const int w = width();
    if (m_model.HasSelection())
        InvertDottedOutline(marked, 0, y - kRowHeight / 2, w, y + kRowHeight / 2);
    if (insertionLine) {
        const int line = kRowHeight * InsertionIndexAt(y) - m_position;
        canvas::HorizontalLine(marked, 0, w, line, canvas::ButtonFace());
        canvas::HorizontalLine(marked, 0, w, line - 1, kBlack);
        canvas::HorizontalLine(marked, 0, w, line + 1, kBlack);
    }
    SetSurface(marked);
}

void FavoritesList::mouseMoveEvent(QMouseEvent* event)
{
    if (RowAt(event->position().toPoint().y()) < 0)
        unsetCursor();
    else
        setCursor(AppCursor(CursorId::Hand));
    PaintBox::mouseMoveEvent(event);
}

PaintBox::Spoken FavoritesList::RowSpeech(int row) const
{
    const TFavColor& fav = m_model.FavColors()[static_cast<std::size_t>(row)];
    return { SpokenColor(tr("Favorite %1").arg(ShownNumber(row + 1)), QLatin1Char('#') + FavoriteHexText(fav), fav.Color),
        IsWebsafe(fav.R, fav.G, fav.B) ? WebsafeHint() : QString(),
        QRect(0, kRowHeight * row - m_position, width(), kRowHeight) };
}

PaintBox::Hint FavoritesList::RowHint(QPoint pos) const
{
    const int row = RowAt(pos.y());
    if (row < 0)
        return {};
    const TFavColor& fav = m_model.FavColors()[static_cast<std::size_t>(row)];
    const int w = width();
    const int top = kRowHeight * row - m_position;
    const int rowY = pos.y() - top;
    if (w - 16 < pos.x() && pos.x() < w - 4 && 8 < rowY && rowY < 20 && IsWebsafe(fav.R, fav.G, fav.B))
        return { WebsafeHint(), QRect(w - 15, top + 9, 11, 11) };
    return { QString::fromStdString(ColorNameText(fav.Color)), QRect(0, top, w, kRowHeight) };
}
