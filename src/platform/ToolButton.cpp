#include "ToolButton.h"

#include "Artwork.h"

#include <QToolButton>

QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& hint, const QString& art, QRect geometry)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setIcon(ArtIcon(art));
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(geometry);
    return button;
}
