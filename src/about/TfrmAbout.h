#pragma once

#include <QDialog>

class QLabel;

// The About box: a borderless picture with one line of small print and the web site's address.
// A click on the address opens the home page and leaves the box open; a click on the picture closes it.
class TfrmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    // Centres the box on the screen and waits until it is closed.
    void ShowModal();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void imgBackgroundClick();
    void lblWebsiteClick();

    // Tests find these by their object names.
    QLabel* imgBackground = nullptr;
    QLabel* lblNotice = nullptr;
    QLabel* lblWebsite = nullptr;
};
