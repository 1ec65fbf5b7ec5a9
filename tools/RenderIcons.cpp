// Build step: draws the program's icon at the sizes menus, panels and file managers ask for, as PNG files in the
// icon theme's layout (SIZExSIZE/apps/NAME.png), for the desktops that do not draw SVG icons themselves.
//
// Usage: tw_render_icons ICON.svg OUTPUT_FOLDER SIZE...
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fputs("usage: tw_render_icons ICON.svg OUTPUT_FOLDER SIZE...\n", stderr);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "tw_render_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(source).completeBaseName() + QStringLiteral(".png");
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "tw_render_icons: not a size: %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(0, 0, size, size));
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!out.mkpath(folder) || !image.save(out.filePath(folder + QLatin1Char('/') + name), "PNG")) {
            std::fprintf(stderr, "tw_render_icons: cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
