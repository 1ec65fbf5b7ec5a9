#pragma once

#include <QImage>

// A band of a picture's lines as premultiplied 32-bit pixels: read where the picture holds them when it is stored so,
// converted a band at a time otherwise (grey, indexed, 16 bits a channel, unpremultiplied alpha). A converted copy of
// a whole large picture would double the memory it takes.
class PictureBand {
public:
    // Lines `top` up to `bottom` (not included) of `picture`, which must outlive the band.
    PictureBand(const QImage& picture, int top, int bottom);

    // Picture line `y`, one of the band's, as picture().width() pixels.
    const QRgb* Line(int y) const;

private:
    const QImage& m_picture;
    QImage m_converted; // null when the picture's own lines are read
    int m_top;
};
