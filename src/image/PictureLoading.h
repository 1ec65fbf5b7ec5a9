#pragma once

#include "PaletteExtraction.h"

#include <QImage>
#include <QString>

#include <memory>

// A picture made ready for its palette, on a worker thread: decoded, checked, sampled and extracted.
struct LoadedPicture {
    QString name;                                   // the file's name, or what the user knows the picture by
    QImage picture;                                 // null when the picture could not be used
    QImage overview;                                // the picture reduced for showing; null when it is small
    std::shared_ptr<const extraction::Sample> sample;
    std::vector<extraction::ExtractedColor> colors;
    QString error;                                  // why not, for the user; empty on success
};

// The largest picture opened: 100 megapixels take 400 MB decoded. A file that claims more is refused before any
// memory is taken for it.
inline constexpr qint64 kMaxPicturePixels = 100'000'000;

// Pictures with a side longer than this are shown from an overview no larger: scaling a photograph of tens of
// megapixels (and converting it first, when stored as grey or indexed pixels) at every size the window takes would
// hold up the window for a noticeable moment each time.
inline constexpr int kOverviewEdge = 2048;

// The picture area-averaged by a whole factor to no side above kOverviewEdge, premultiplied; null for a picture
// that fits already. Converted a few lines at a time, never as a whole.
QImage MakeOverview(const QImage& picture);

LoadedPicture LoadPictureFile(const QString& path, int count);
LoadedPicture LoadPictureImage(const QImage& picture, const QString& name, int count);
