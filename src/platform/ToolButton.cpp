#include "ToolButton.h"

#include "Artwork.h"

#include <QActionEvent>
#include <QToolButton>

namespace {

// Taking on the action's state also takes its (empty) picture and its caption as the hint; the button puts
// its own back each time.
class CommandButton final : public QToolButton {
public:
    CommandButton(QWidget* parent, QIcon picture, QString hint)
        : QToolButton(parent)
        , m_picture(std::move(picture))
        , m_hint(std::move(hint))
    {
    }

    void SetCommand(QAction* command)
    {
        setDefaultAction(command);
        KeepOwnLook();
    }

protected:
    void actionEvent(QActionEvent* event) override
    {
        QToolButton::actionEvent(event);
        if (event->type() == QEvent::ActionChanged && event->action() == defaultAction())
            KeepOwnLook();
    }

private:
    void KeepOwnLook()
    {
        setIcon(m_picture);
        setToolTip(m_hint);
    }

    const QIcon m_picture;
    const QString m_hint;
};

void SetUp(QToolButton* button, const char* name, const QString& hint, const QIcon& picture, QRect geometry)
{
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    // Spoken as its hint reads: a button running a menu command would otherwise be named by the menu's caption.
    button->setAccessibleName(hint);
    button->setIcon(picture);
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(geometry);
}

} // namespace

QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& hint, const QString& art, QRect geometry)
{
    auto* button = new QToolButton(parent);
    SetUp(button, name, hint, ArtIcon(art), geometry);
    return button;
}

QToolButton* MakeCommandButton(
    QWidget* parent, const char* name, const QString& hint, const QString& art, QRect geometry, QAction* command)
{
    const QIcon picture = ArtIcon(art);
    auto* button = new CommandButton(parent, picture, hint);
    SetUp(button, name, hint, picture, geometry);
    button->SetCommand(command);
    return button;
}
