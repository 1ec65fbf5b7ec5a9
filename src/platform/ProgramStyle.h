#pragma once

#include <QProxyStyle>

// The desktop's style, or the one chosen with -style, except that it draws the picture of a menu bar's or tool
// bar's overflow button only when such a button first shows one. The style reads those pictures from files, and
// the toolkit reads a picture file by asking every image-format plug-in it has whether it reads it, loading each:
// every menu bar makes its overflow button at once, and that reading took more of the start-up than anything else
// before the main window could be seen, for a button that shows only when the menus do not fit.
class ProgramStyle final : public QProxyStyle {
public:
    explicit ProgramStyle(QStyle* base = nullptr);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
};
