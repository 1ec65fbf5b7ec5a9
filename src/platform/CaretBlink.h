#pragma once

#include <QObject>
#include <QTimer>

// The text caret blinks while someone is working and holds still once they stop, as desktops do: a blinking
// caret repaints twice a second, so an untouched program would never be truly idle. Any key, click or wheel
// turn starts it blinking again for another quiet period.
class CaretBlink final : public QObject {
public:
    // As long as desktops let a caret blink before it holds still.
    static constexpr int kQuietMilliseconds = 10000;

    explicit CaretBlink(int quietMilliseconds = kQuietMilliseconds, QObject* parent = nullptr);
    ~CaretBlink() override;
    bool Blinking() const { return m_blinking; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetBlinking(bool blinking);

    int m_flashTime;
    bool m_blinking = true;
    QTimer m_quiet;
};
