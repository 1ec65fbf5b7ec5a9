// Another program's window that a file is dragged from, as from a file manager: a press on it starts a system drag
// (Xdnd on X11) of the file's address. Whole-program tests press on it and release over Tintwell's windows.
//   tw_drag_source FILE X Y WIDTH HEIGHT      prints READY once it has painted, then the outcome of each drag:
//                                             DROPPED (the target took it) or REFUSED
#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

class Source final : public QWidget {
public:
    explicit Source(QString path)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
        , m_path(std::move(path))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x30, 0x30, 0x30));
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QFileInfo(m_path).fileName());
        if (!m_painted) {
            m_painted = true;
            Say("READY");
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto* data = new QMimeData;
        data->setUrls({ QUrl::fromLocalFile(m_path) });
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        // The drag runs until the button is released over a target or elsewhere.
        Say(drag->exec(Qt::CopyAction) == Qt::CopyAction ? "DROPPED" : "REFUSED");
    }

private:
    static void Say(const char* what)
    {
        std::printf("%s\n", what);
        std::fflush(stdout);
    }

    QString m_path;
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    bool ok[4] = {};
    const QRect place(args.value(2).toInt(&ok[0]), args.value(3).toInt(&ok[1]), args.value(4).toInt(&ok[2]),
        args.value(5).toInt(&ok[3]));
    if (args.size() != 6 || !(ok[0] && ok[1] && ok[2] && ok[3]) || place.isEmpty()) {
        std::fprintf(stderr, "usage: tw_drag_source FILE X Y WIDTH HEIGHT\n");
        return 2;
    }
    Source source(QFileInfo(args.value(1)).absoluteFilePath());
    source.setGeometry(place);
    source.show();
    return app.exec();
}
