#include "PictureLoading.h"

#include "PictureBand.h"
#include "PictureEnd.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <vector>

namespace {

LoadedPicture Refused(const QString& name, const QString& error)
{
    LoadedPicture loaded;
    loaded.name = name;
    loaded.error = error;
    return loaded;
}

// Read where the file lies, through the reader's own file, rather than copied: a photograph's file is tens of
// megabytes. A file that cannot be mapped (a pipe) is left to its decoder.
picture_end::Ending FileEnding(QImageReader& reader)
{
    auto* file = qobject_cast<QFile*>(reader.device());
    if (!file || file->isSequential() || file->size() <= 0)
        return picture_end::Ending::Whole;
    const uchar* data = file->map(0, file->size());
    const auto ending = data ? picture_end::Check(reader.format(), data, std::size_t(file->size())) : picture_end::Ending::Whole;
    if (data)
        file->unmap(const_cast<uchar*>(data));
    return ending;
}

} // namespace

QImage MakeOverview(const QImage& picture)
{
    const int width = picture.width();
    const int height = picture.height();
    const int factor = (std::max(width, height) + kOverviewEdge - 1) / kOverviewEdge;
    if (factor <= 1)
        return {};
    QImage overview((width + factor - 1) / factor, (height + factor - 1) / factor, QImage::Format_ARGB32_Premultiplied);
    std::vector<quint64> sums(std::size_t(overview.width()) * 4);
    for (int row = 0; row < overview.height(); ++row) {
        const int top = row * factor;
        const int lines = std::min(factor, height - top);
        const PictureBand band(picture, top, top + lines);
        std::fill(sums.begin(), sums.end(), 0);
        for (int y = top; y < top + lines; ++y) {
            const QRgb* line = band.Line(y);
            for (int x = 0; x < width; ++x) {
                quint64* sum = &sums[std::size_t(x / factor) * 4];
                sum[0] += qAlpha(line[x]);
                sum[1] += qRed(line[x]);
                sum[2] += qGreen(line[x]);
                sum[3] += qBlue(line[x]);
            }
        }
        auto* out = reinterpret_cast<QRgb*>(overview.scanLine(row));
        for (int x = 0; x < overview.width(); ++x) {
            // The last block of a row or column may be cut by the picture's edge: it averages what it covers.
            const quint64 count = quint64(std::min(factor, width - x * factor)) * quint64(lines);
            const quint64* sum = &sums[std::size_t(x) * 4];
            const auto mean = [count](quint64 total) { return int((total + count / 2) / count); };
            out[x] = qRgba(mean(sum[1]), mean(sum[2]), mean(sum[3]), mean(sum[0]));
        }
    }
    return overview;
}

LoadedPicture LoadPictureImage(const QImage& picture, const QString& name, int count)
{
    if (picture.isNull() || qint64(picture.width()) * picture.height() < 2)
        return Refused(name, QCoreApplication::translate("PictureLoading", "The picture \"%1\" has too few pixels to take a palette from.").arg(name));
    LoadedPicture loaded;
    loaded.name = name;
    auto sample = std::make_shared<const extraction::Sample>(extraction::MakeSample(picture));
    loaded.colors = extraction::Extract(*sample, count);
    if (loaded.colors.empty())
        return Refused(name, QCoreApplication::translate("PictureLoading", "The picture \"%1\" is fully transparent: it has no colours to take.").arg(name));
    loaded.picture = picture;
    loaded.overview = MakeOverview(picture);
    loaded.sample = std::move(sample);
    return loaded;
}

LoadedPicture LoadPictureFile(const QString& path, int count)
{
    const QFileInfo info(path);
    const QString name = info.fileName().isEmpty() ? path : info.fileName();
    if (info.isDir())
        return Refused(name, QCoreApplication::translate("PictureLoading", "\"%1\" is a folder, not a picture.").arg(name));
    if (!info.exists())
        return Refused(name, QCoreApplication::translate("PictureLoading", "The picture \"%1\" does not exist.").arg(name));
    if (!info.isReadable())
        return Refused(name, QCoreApplication::translate("PictureLoading", "The picture \"%1\" could not be read: permission denied.").arg(name));
    // Decoding is refused past the largest picture opened, so a small file that claims an enormous picture (a
    // decompression bomb) takes no memory for it.
    QImageReader::setAllocationLimit(int(kMaxPicturePixels * 4 / (1024 * 1024)) + 1);
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return Refused(name, QCoreApplication::translate("PictureLoading", "\"%1\" is not a picture in a format Tintwell can read.").arg(name));
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels) {
        return Refused(name, QCoreApplication::translate("PictureLoading", "The picture \"%1\" is too large to open: %2 × %3 pixels.")
                                 .arg(name).arg(size.width()).arg(size.height()));
    }
    if (FileEnding(reader) == picture_end::Ending::CutShort) {
        return Refused(name,
            QCoreApplication::translate("PictureLoading", "The picture \"%1\" is incomplete: the file ends before the picture does.").arg(name));
    }
    QImage picture;
    if (!reader.read(&picture)) {
        return Refused(name,
            QCoreApplication::translate("PictureLoading", "The picture \"%1\" is damaged or incomplete and could not be read (%2).").arg(name, reader.errorString()));
    }
    return LoadPictureImage(picture, name, count);
}
