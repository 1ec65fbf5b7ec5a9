#include "TfrmAbout.h"

#include "HelpCommands.h"
#include "platform/Artwork.h"
#include "platform/Fonts.h"
#include "platform/RatioPicture.h"
#include "platform/Services.h"
#include "platform/WindowPlacement.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr QSize kBoxSize(450, 250);
// The artwork leaves a plain light band along the bottom for these two lines.
const QColor kBandText(0x2f, 0x3b, 0x47);

QLabel* MakeBandLabel(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(TahomaFont(9));
    label->setGeometry(geometry);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kBandText);
    label->setPalette(palette);
    return label;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TfrmAbout"));
    setWindowTitle(tr("About Tintwell v3"));
    setFixedSize(kBoxSize);

    imgBackground = new QLabel(this);
    imgBackground->setObjectName(QStringLiteral("imgBackground"));
    imgBackground->setGeometry(QRect(QPoint(0, 0), kBoxSize));
    // Drawn with the other windows at start-up, the picture cost a tenth of the program's start.
    ShowDrawnPicture(imgBackground, [](qreal ratio) { return ArtPixmap(QStringLiteral("about.svg"), kBoxSize, ratio); });
    imgBackground->installEventFilter(this);

    lblNotice = MakeBandLabel(
        this, "lblNotice", tr("Version 3.1 \u00B7 click the picture to close"), QRect(18, 229, 249, 11));

    lblWebsite = MakeBandLabel(this, "lblWebsite", ProductHost(), QRect(340, 229, 100, 11));
    lblWebsite->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblWebsite->setCursor(AppCursor(CursorId::Hand));
    lblWebsite->installEventFilter(this);
}

void TfrmAbout::ShowModal()
{
    MoveFrameTo(this, DeviceCentredOnScreen(*this));
    KeepAboveOwnWindows(this);
    exec();
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != imgBackground && watched != lblWebsite)
        return QDialog::eventFilter(watched, event);
    // A click is a left press and a left release over the same control.
    if (event->type() == QEvent::MouseButtonPress)
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (event->type() != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    const auto* release = static_cast<QMouseEvent*>(event);
    auto* control = static_cast<QWidget*>(watched);
    if (release->button() != Qt::LeftButton || !control->rect().contains(release->position().toPoint()))
        return true;
    if (watched == lblWebsite)
        lblWebsiteClick();
    else
        imgBackgroundClick();
    return true;
}

void TfrmAbout::imgBackgroundClick()
{
    accept();
}

void TfrmAbout::lblWebsiteClick()
{
    platform::ShellService().Open(HomePageAddress());
}
