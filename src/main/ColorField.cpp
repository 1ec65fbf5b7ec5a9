#include "ColorField.h"

#include "platform/Services.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

#include <algorithm>

namespace {

// A line edit keeps this much room of its own between its frame's inside and the text, on either side.
constexpr int kLineEditPadding = 2;
// It shows a text without scrolling only when there is a pixel beside it for the cursor.
constexpr int kCursorWidth = 1;
// Below this the digits are no longer legible; a field fitted this far scrolls as any line edit does.
constexpr int kSmallestPixelSize = 6;

// Only ASCII letters change case, so the text keeps its length whatever it holds.
QString AsciiUpper(QString text)
{
    for (QChar& ch : text) {
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
            ch = QChar(ch.unicode() - 'a' + 'A');
    }
    return text;
}

bool HasCommandModifier(const QKeyEvent* event)
{
    return event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

bool IsPasteKey(const QKeyEvent* event)
{
    return ((event->modifiers() & Qt::ControlModifier) && event->key() == Qt::Key_V)
        || event->matches(QKeySequence::Paste);
}

bool IsCopyKey(const QKeyEvent* event)
{
    return ((event->modifiers() & Qt::ControlModifier) && event->key() == Qt::Key_C)
        || event->matches(QKeySequence::Copy);
}

bool IsCutKey(const QKeyEvent* event)
{
    return ((event->modifiers() & Qt::ControlModifier) && event->key() == Qt::Key_X)
        || event->matches(QKeySequence::Cut);
}

// Keys that move the cursor or delete: the line edit serves them as usual.
bool IsEditingKey(int key)
{
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// The standard menu's Paste entry, known by the toolkit's own caption.
QAction* PasteEntry(const QMenu* menu)
{
    const QString caption = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(caption))
            return action;
    }
    return nullptr;
}

// Judges every edit the user makes other than by typing (the context menu's paste, a middle-button paste,
// a dropped text, an input method), so no path brings in characters the field does not take.
class FieldValidator final : public QValidator {
public:
    explicit FieldValidator(ColorField* field)
        : QValidator(field)
        , m_field(field)
    {
    }

    State validate(QString& input, int&) const override
    {
        if (m_field->kind() == ColorField::Kind::Hex)
            input = AsciiUpper(input);
        if (input.size() > m_field->TypingLimit())
            return Invalid;
        for (QChar ch : input) {
            if (!m_field->Accepts(ch))
                return Invalid;
        }
        return Acceptable;
    }

private:
    ColorField* m_field;
};

} // namespace

ColorField::ColorField(Kind kind, const QString& name, QWidget* parent)
    : QLineEdit(parent)
    , m_kind(kind)
{
    setObjectName(name);
    setValidator(new FieldValidator(this));
}

bool ColorField::Accepts(QChar ch) const
{
    const char16_t c = ch.unicode();
    const bool digit = c >= u'0' && c <= u'9';
    if (m_kind == Kind::Decimal)
        return digit;
    return digit || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool ColorField::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // The window's menu shortcuts (Ctrl+Z goes Back, Ctrl+D darkens) win over the line edit's own key
        // bindings; the field keeps only the clipboard keys, which it serves or refuses itself.
        if (HasCommandModifier(key) && !IsPasteKey(key) && !IsCopyKey(key) && !IsCutKey(key)) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void ColorField::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (m_kind == Kind::Decimal)
            emit enterPressed();
        return; // never inserted
    }
    if (IsPasteKey(event)) {
        if (m_kind == Kind::Hex)
            PasteClipboard();
        return;
    }
    if (IsCopyKey(event)) {
        if (m_kind == Kind::Hex && hasSelectedText())
            platform::ClipboardService().SetText(selectedText());
        return;
    }
    if (IsCutKey(event))
        return;
    if (IsEditingKey(key)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    if (!HasCommandModifier(event) && typed.size() == 1 && Accepts(typed[0])) {
        if (text().size() - selectedText().size() < TypingLimit())
            QLineEdit::keyPressEvent(event);
        return;
    }
    // Every other character, and every other key combination with Ctrl, Alt or Meta, is discarded.
    if (HasCommandModifier(event) || (!typed.isEmpty() && typed[0].isPrint()))
        return;
    QLineEdit::keyPressEvent(event);
}

void ColorField::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        emit keyReleased();
}

void ColorField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Only a move to another control counts: not a menu or pop-up opening, not another window coming to the
    // front, and not the window going away.
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
        if (m_kind == Kind::Decimal)
            emit focusLeft();
        break;
    default:
        break;
    }
}

void ColorField::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's Paste in the hex field is the field's own paste, the one Ctrl+V runs.
    if (m_kind == Kind::Hex) {
        if (QAction* paste = PasteEntry(menu)) {
            paste->disconnect();
            paste->setEnabled(!platform::ClipboardService().Text().isEmpty());
            connect(paste, &QAction::triggered, this, [this] {
                PasteClipboard();
                emit pastedFromMenu();
            });
        }
    }
    menu->popup(event->globalPos());
}

void ColorField::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    FitWidestText();
}

void ColorField::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        FitWidestText();
}

int ColorField::WidestTextWidth(const QFont& font) const
{
    // The fields of a kind share their font, and each is fitted more than once while the window is built: every
    // font is measured once for the life of the program, which saves shaping a few dozen texts at start-up.
    static QHash<QString, int> measured;
    const QString key = font.key() + (m_kind == Kind::Decimal ? u'd' : u'h');
    if (const auto found = measured.constFind(key); found != measured.constEnd())
        return *found;
    // Upper case only: the hex field shows its letters so.
    const QString characters
        = m_kind == Kind::Decimal ? QStringLiteral("0123456789") : QStringLiteral("0123456789ABCDEF");
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QChar ch : characters)
        widest = std::max(widest, metrics.horizontalAdvance(QString(TypingLimit(), ch)));
    measured.insert(key, widest);
    return widest;
}

// A line edit too narrow for its text scrolls it to keep the cursor in view, which cuts off the first digit of a
// wide value such as DDDDDD. The widest value the field takes must show whole: the room comes from the line
// edit's own padding first, and only when the face is too wide even for that (a fallback face) from a smaller
// size of the window's font.
void ColorField::FitWidestText()
{
    if (m_fitting)
        return; // the font set below comes back as a font change
    m_fitting = true;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int inside = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width();
    QFont face = parentWidget() ? parentWidget()->font() : QApplication::font();
    const int naturalSize = QFontInfo(face).pixelSize();
    int size = naturalSize;
    const auto needed = [&] {
        face.setPixelSize(size);
        return WidestTextWidth(face) + kCursorWidth;
    };
    while (needed() > inside && size > kSmallestPixelSize)
        --size;
    // Only the size is the field's own; the rest of the font follows the window.
    QFont own;
    if (size != naturalSize)
        own.setPixelSize(size);
    setFont(own);
    const int trim = std::clamp(needed() - (inside - 2 * kLineEditPadding), 0, 2 * kLineEditPadding);
    setTextMargins(-(trim / 2), 0, -(trim - trim / 2), 0);
    m_fitting = false;
}

void ColorField::PasteClipboard()
{
    QString pasted = platform::ClipboardService().Text();
    // A line edit holds one line: the first one is what the user meant to paste.
    for (const QLatin1Char lineBreak : { QLatin1Char('\r'), QLatin1Char('\n') }) {
        if (const qsizetype end = pasted.indexOf(lineBreak); end >= 0)
            pasted.truncate(end);
    }
    if (pasted.startsWith(QLatin1Char('#')))
        pasted.remove(0, 1);
    // Set whatever its length: only six characters make a colour, anything else waits to be edited.
    setText(AsciiUpper(pasted));
}

void AssignText(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}
