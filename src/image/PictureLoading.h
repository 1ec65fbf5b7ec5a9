#pragma once

#include "PaletteExtraction.h"

#include <QImage>
#include <QString>

#include <memory>

// A picture made ready for its palette, on a worker thread: decoded, checked, sampled and extracted.
struct LoadedPicture {
    QString name;                                   // the file's name, or what the user knows the picture by
    QImage picture;                                 // null when the picture could not be used
    std::shared_ptr<const extraction::Sample> sample;
    std::vector<extraction::ExtractedColor> colors;
    QString error;                                  // why not, for the user; empty on success
};

// The largest picture opened: 100 megapixels take 400 MB decoded. A file that claims more is refused before any
// memory is taken for it.
inline constexpr qint64 kMaxPicturePixels = 100'000'000;

LoadedPicture LoadPictureFile(const QString& path, int count);
LoadedPicture LoadPictureImage(const QImage& picture, const QString& name, int count);
