#pragma once

#include <QByteArray>

#include <cstddef>

// Whether a picture file holds all of its picture. JPEG, GIF, BMP and XBM decoders fill in what a cut-short file
// lacks (grey, the last colour, black, blank) and report success, so the file's own structure is walked to its end
// mark instead.
namespace picture_end {

enum class Ending {
    Whole,    // the end mark is there, or the format is not one whose end is checked
    CutShort, // the file ends before the picture does
};

// `format` as QImageReader names it ("jpeg", "gif", "bmp", "xbm"); any other format is taken as Whole and left to its
// decoder, as is a file whose structure is damaged in other ways.
Ending Check(const QByteArray& format, const unsigned char* data, std::size_t size);

} // namespace picture_end
