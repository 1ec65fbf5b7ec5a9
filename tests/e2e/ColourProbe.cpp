// A window of one colour at a chosen place on the X screen, placed without the window manager so it stays where it
// is put. Whole-program tests photograph it and pick from it.
//   tw_colour_probe RRGGBB X Y WIDTH HEIGHT      prints READY once it has painted
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <cstdio>

namespace {

class Probe final : public QWidget {
public:
    explicit Probe(QColor colour)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
        , m_colour(colour)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), m_colour);
        if (!m_painted) {
            m_painted = true;
            std::printf("READY\n");
            std::fflush(stdout);
        }
    }

private:
    QColor m_colour;
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QColor colour(QLatin1Char('#') + args.value(1));
    bool ok[4] = {};
    const QRect place(args.value(2).toInt(&ok[0]), args.value(3).toInt(&ok[1]), args.value(4).toInt(&ok[2]),
        args.value(5).toInt(&ok[3]));
    if (args.size() != 6 || !colour.isValid() || !(ok[0] && ok[1] && ok[2] && ok[3]) || place.isEmpty()) {
        std::fprintf(stderr, "usage: tw_colour_probe RRGGBB X Y WIDTH HEIGHT\n");
        return 2;
    }
    Probe probe(colour);
    probe.setGeometry(place);
    probe.show();
    return app.exec();
}
