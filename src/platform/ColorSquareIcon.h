#pragma once

#include <QIcon>
#include <QRgb>

// A 16 x 16 icon of one colour: a black-outlined square inside a transparent one-pixel ring, at any size and
// device pixel ratio. It is drawn each time it is asked for and never kept: an icon made from a picture leaves
// that picture in the toolkit's shared cache once it has been shown, so a list that makes a new icon for every
// new colour (the history) would fill that cache for as long as the program runs.
QIcon ColorSquareIcon(QRgb fill);
