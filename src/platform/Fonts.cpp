#include "platform/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QRawFont>
#include <QStringList>

#include <optional>

namespace {

const QString kFallbackFamily = QStringLiteral("DejaVu Sans");

struct Faces {
    QString tahoma;
    QString verdana;
    bool marlett = false;
};

Faces ResolveFaces()
{
    // The installed families are listed once; QFontDatabase::hasFamily would ask fontconfig to resolve
    // aliases for every name, which costs more than the rest of the font set-up at start-up together,
    // and an alias is not the face the program asks for anyway.
    const QStringList families = QFontDatabase::families();
    const auto have = [&families](const QString& family) { return families.contains(family, Qt::CaseInsensitive); };
    const auto pick = [&have](const QString& family) { return have(family) ? family : kFallbackFamily; };
    return {pick(QStringLiteral("Tahoma")), pick(QStringLiteral("Verdana")), have(QStringLiteral("Marlett"))};
}

std::optional<Faces>& ResolvedFaces()
{
    static std::optional<Faces> faces;
    return faces;
}

// Resolved on first use, and again after the application fonts are added, since fonts are made on every paint.
const Faces& CurrentFaces()
{
    if (!ResolvedFaces())
        ResolvedFaces() = ResolveFaces();
    return *ResolvedFaces();
}

QFont MakeFont(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

int BigEndian16(const QByteArray& table, int offset)
{
    return (static_cast<uchar>(table[offset]) << 8) | static_cast<uchar>(table[offset + 1]);
}

} // namespace

void LoadApplicationFonts()
{
    const QString folder = QStringLiteral("/usr/share/wine/fonts/");
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf", "marlett.ttf"}) {
        const QString path = folder + QLatin1String(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
    ResolvedFaces() = ResolveFaces();
}

QFont TahomaFont(int pixelSize, bool bold)
{
    return MakeFont(CurrentFaces().tahoma, pixelSize, bold);
}

QFont VerdanaFont(int pixelSize, bool bold)
{
    return MakeFont(CurrentFaces().verdana, pixelSize, bold);
}

QFont MarlettFont(int pixelSize)
{
    QFont font(QStringLiteral("Marlett"));
    font.setPixelSize(pixelSize);
    return font;
}

bool HaveMarlett()
{
    return CurrentFaces().marlett;
}

int CellAscent(const QFont& font)
{
    constexpr int kUnitsPerEmAt = 18; // in the "head" table
    constexpr int kWinAscentAt = 74;  // in the "OS/2" table
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray head = raw.fontTable("head");
    const QByteArray os2 = raw.fontTable("OS/2");
    if (head.size() < kUnitsPerEmAt + 2 || os2.size() < kWinAscentAt + 2 || font.pixelSize() <= 0)
        return QFontMetrics(font).ascent();
    const int unitsPerEm = BigEndian16(head, kUnitsPerEmAt);
    if (unitsPerEm == 0)
        return QFontMetrics(font).ascent();
    return qRound(double(BigEndian16(os2, kWinAscentAt)) * font.pixelSize() / unitsPerEm);
}
