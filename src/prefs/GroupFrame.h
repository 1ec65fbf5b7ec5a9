#pragma once

#include <QGroupBox>

// A titled frame drawn the classic way: an etched line round the box with the title set into its top
// edge, so controls placed near the top clear the line. The title's own leading and trailing spaces
// keep the line from touching the words.
class GroupFrame final : public QGroupBox {
    Q_OBJECT
public:
    GroupFrame(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
