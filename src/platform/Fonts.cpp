#include "platform/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace {

const QString kFallbackFamily = QStringLiteral("DejaVu Sans");

struct Faces {
    QString tahoma;
    QString verdana;
    bool marlett = false;
};

Faces ResolveFaces()
{
    const auto pick = [](const QString& family) {
        return QFontDatabase::hasFamily(family) ? family : kFallbackFamily;
    };
    return {pick(QStringLiteral("Tahoma")), pick(QStringLiteral("Verdana")),
            QFontDatabase::hasFamily(QStringLiteral("Marlett"))};
}

// Resolved once, and again after the application fonts are added, since fonts are made on every paint.
Faces& CurrentFaces()
{
    static Faces faces = ResolveFaces();
    return faces;
}

QFont MakeFont(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
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
    CurrentFaces() = ResolveFaces();
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
