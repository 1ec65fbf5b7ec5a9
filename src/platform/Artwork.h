#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>

// The program's own cursors, numbered as the windows refer to them.
enum class CursorId { Hand = 1, Dropper = 2, DragHand = 3 };

// Each cursor is rendered once, when first asked for, at the primary screen's device pixel ratio.
const QCursor& AppCursor(CursorId id);
// The point of each cursor picture that acts, in logical pixels of its 32 x 32 picture.
QPoint CursorHotSpot(CursorId id);

// Artwork is named by its resource path (":/tb_open.svg") or by the file name alone ("tb_open.svg").
// The picture's own size in logical pixels (empty when there is no such picture).
QSize ArtSize(const QString& name);
// The picture rendered at logicalSize for a screen of the given device pixel ratio; null when missing.
QPixmap ArtPixmap(const QString& name, QSize logicalSize, qreal dpr);
// A greyed-out copy that reads as unavailable next to the coloured original.
QPixmap DisabledPixmap(const QPixmap& pixmap);
// An icon at the picture's own size with its Normal and Disabled looks, sharp at ratios 1 and 2.
QIcon ArtIcon(const QString& name);
