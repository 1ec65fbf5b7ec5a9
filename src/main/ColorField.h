#pragma once

#include <QLineEdit>

// One of the main window's entry fields: a colour channel in decimal (R, G, B) or the colour as six
// hexadecimal digits. The field decides which keys and texts reach it; what its text means is the window's.
class ColorField final : public QLineEdit {
    Q_OBJECT
public:
    enum class Kind { Decimal, Hex };

    ColorField(Kind kind, const QString& name, QWidget* parent);

    Kind kind() const { return m_kind; }
    // Typing stops at this many characters; a text the program sets may be longer.
    int TypingLimit() const { return m_kind == Kind::Decimal ? 3 : 6; }
    bool Accepts(QChar ch) const;

signals:
    // Enter in a decimal field: apply what was typed.
    void enterPressed();
    // A key was let go in the field (auto-repeat aside).
    void keyReleased();
    // The user moved on from a decimal field to another control of the window.
    void focusLeft();
    // The hex field's own menu pasted; Ctrl+V's paste is applied when its key is let go.
    void pastedFromMenu();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PasteClipboard();
    int WidestTextWidth(const QFont& font) const;
    void FitWidestText();

    Kind m_kind;
    bool m_fitting = false;
};

// Assigning a field the text it already holds raises no change, so the chains between the fields settle.
void AssignText(QLineEdit* field, const QString& text);
