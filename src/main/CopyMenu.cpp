#include "CopyMenu.h"

#include "color/CssText.h"
#include "color/NamedColors.h"
#include "persist/Settings.h"
#include "platform/Services.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <vector>

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

void SetCopyText(QAction* entry, const QString& text)
{
    entry->setData(text);
    entry->setText(CaptionFor(text));
}

QAction* AddCopyEntry(QMenu* menu, const QString& name)
{
    QAction* entry = menu->addAction(QString());
    entry->setObjectName(name);
    // The copy text travels with the entry: the caption is only what the user sees.
    QObject::connect(entry, &QAction::triggered, entry,
        [entry] { platform::ClipboardService().SetText(entry->data().toString()); });
    return entry;
}

QString CssEntryName(const QMenu* menu, const char* function)
{
    QString suffix = QString::fromLatin1(function);
    suffix[0] = suffix[0].toUpper();
    return menu->objectName() + QStringLiteral("Css") + suffix;
}

} // namespace

CopyTexts CopyTextsOf(ColorValue color)
{
    return { QString::fromStdString(HexText(color)), QString::fromStdString(HashHexText(color)),
        QString::fromStdString(CommaText(color)) };
}

QString SpokenColor(const QString& what, ColorValue color)
{
    return SpokenColor(what, CopyTextsOf(color)[1], color);
}

QString SpokenColor(const QString& what, const QString& hashHex, ColorValue color)
{
    return QStringLiteral("%1, %2, %3").arg(what, hashHex, QString::fromStdString(ColorNameText(color)));
}

std::function<void()> AddCopyEntries(QMenu* menu, const std::array<const char*, 3>& names,
    std::function<CopyTexts()> texts, std::function<std::optional<ColorValue>()> color)
{
    std::array<QAction*, 3> entries {};
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i] = AddCopyEntry(menu, QString::fromLatin1(names[i]));

    // The further entries exist only while the preference is on, so that with it off the menu is exactly the
    // three entries it always was.
    auto more = std::make_shared<std::vector<QAction*>>();
    auto fill = [menu, entries, more, texts = std::move(texts), color = std::move(color)] {
        const CopyTexts current = texts();
        for (std::size_t i = 0; i < entries.size(); ++i)
            SetCopyText(entries[i], current[i]);

        // Read as each menu opens: a change in the Preferences dialog shows in the next menu opened.
        const std::optional<ColorValue> shown = Settings().MoreCopyFormats() ? color() : std::nullopt;
        const bool wanted = shown.has_value();
        if (!wanted && !more->empty()) {
            for (QAction* entry : *more)
                delete entry;
            more->clear();
        } else if (wanted && more->empty()) {
            more->push_back(menu->addSeparator());
            for (const CssTextForm& form : CssTextForms())
                more->push_back(AddCopyEntry(menu, CssEntryName(menu, form.function)));
        }
        if (!wanted)
            return;
        for (std::size_t i = 0; i < CssTextForms().size(); ++i)
            SetCopyText((*more)[i + 1], QString::fromStdString(CssTextForms()[i].text(*shown)));
    };
    QObject::connect(menu, &QMenu::aboutToShow, menu, fill);
    return fill;
}

std::optional<ColorValue> PastedColor(QWidget* parent)
{
    if (const auto color = ParseColorText(platform::ClipboardService().Text().toStdString()))
        return color;
    platform::Messages().ShowMessage(parent,
        QCoreApplication::translate("CopyMenu",
            "The clipboard holds no color to paste. Copy a color as RRGGBB, #RRGGBB or R,G,B first."));
    return std::nullopt;
}
