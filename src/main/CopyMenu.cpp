#include "CopyMenu.h"

#include "platform/Services.h"

#include <QAction>
#include <QMenu>

namespace {

// A menu caption treats "&" as a mnemonic marker and a tab as the start of a shortcut; neither may change
// what the caption shows. A caption beyond any colour's length (only a pasted text gets there) is shortened
// so the menu stays on the screen; the entry still copies the whole text.
QString CaptionFor(const QString& text)
{
    constexpr qsizetype kLongest = 40;
    QString caption = text.size() > kLongest ? text.left(kLongest - 1) + QChar(0x2026) : text;
    caption.replace(QLatin1Char('\t'), QLatin1Char(' '));
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

} // namespace

CopyTexts CopyTextsOf(ColorValue color)
{
    return { QString::fromStdString(HexText(color)), QString::fromStdString(HashHexText(color)),
        QString::fromStdString(CommaText(color)) };
}

std::function<void()> AddCopyEntries(QMenu* menu, const std::array<const char*, 3>& names, std::function<CopyTexts()> texts)
{
    std::array<QAction*, 3> entries {};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QAction* entry = menu->addAction(QString());
        entry->setObjectName(QString::fromLatin1(names[i]));
        // The copy text travels with the entry: the caption is only what the user sees.
        QObject::connect(entry, &QAction::triggered, entry,
            [entry] { platform::ClipboardService().SetText(entry->data().toString()); });
        entries[i] = entry;
    }
    auto fill = [entries, texts = std::move(texts)] {
        const CopyTexts current = texts();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i]->setData(current[i]);
            entries[i]->setText(CaptionFor(current[i]));
        }
    };
    QObject::connect(menu, &QMenu::aboutToShow, menu, fill);
    return fill;
}
