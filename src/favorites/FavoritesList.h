#pragma once

#include "document/FavoritesModel.h"
#include "platform/PaintBox.h"

#include <QImage>
#include <QString>
#include <QStringList>

class QFontMetrics;

// A favourite's six digits as the list shows and copies them: a file may have given any bytes, 8-bit as the
// files are.
QString FavoriteHexText(const TFavColor& fav);

// The Favorites list: the model's rows drawn by the list itself, one 42-pixel row per favourite, scrolled by a
// pixel offset that its owner's scroll bar sets, and what lies under a point of it. Any change of the rows, the
// selection or the offset has the picture drawn afresh when it is next shown or read, so a burst of changes is
// drawn once, and a list never shown is never drawn.
class FavoritesList final : public PaintBox {
    Q_OBJECT
public:
    FavoritesList(const FavoritesModel& model, QWidget* parent);

    // The content y of the list's top edge.
    int Position() const { return m_position; }
    void SetPosition(int position);
    // The largest offset: one pixel line below the last row when the rows overflow the list, else 0.
    int MaxPosition() const;
    qint64 ContentHeight() const;

    // The row under a list y, or -1 below the last row.
    int RowAt(int y) const;
    // Where a drop at a list y goes: before the first row whose midpoint is at or below it, else at the end.
    int InsertionIndexAt(int y) const;

    // A drag over the list at a list y: a dotted outline one row high around it while a row is selected and, when
    // a drop there would change the list, the insertion line. Shown until the list is next drawn.
    void ShowDropMarker(int y, bool insertionLine);
    // Has the list drawn afresh when it is next shown or read, without a drop marker.
    void Redraw();

    // The empty list's invitation, a line each, in a list of that width: the English lines as they always were,
    // another language's broken where a line would be wider than the list.
    static QStringList EmptyListLines(const QFontMetrics& metrics, int width);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct RowFonts;

    // The rows as they are now, without a marker, for a screen of the given device pixel ratio.
    QImage Picture(qreal ratio) const;
    void PaintRow(QImage& picture, QPainter& painter, const RowFonts& fonts, int row, int top) const;
    // The websafe mark's hint over the mark, the colour's name elsewhere on a row.
    Hint RowHint(QPoint pos) const;
    // What a screen reader hears of a row: the colour as the tips name it, with the text its copy menu copies.
    Spoken RowSpeech(int row) const;

    const FavoritesModel& m_model;
    int m_position = 0;
};
