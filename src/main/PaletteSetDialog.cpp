#include "PaletteSetDialog.h"

#include "platform/Translated.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kSchemeColors = 16;
constexpr int kPageColors = 9;

// English has no translation loaded to choose its plural form, so the singular is a text of its own; a translation's
// "%n" text carries every form its language needs.
QString Colors(int count)
{
    return count == 1 ? PaletteSetDialog::tr("1 color") : PaletteSetDialog::tr("%n colors", nullptr, count);
}

} // namespace

PaletteSetDialog::PaletteSetDialog(QWidget* parent, int favoriteCount, PaletteSet preselected)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgPaletteSet"));
    setWindowTitle(tr("Export Palette"));

    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(tr("Colors to export:"), this);
    layout->addWidget(question);

    struct Choice {
        const char* name;
        QString caption;
    };
    const std::array<Choice, 4> choices { {
        //: %1 is a number of colors, such as "16 colors".
        { "radScheme", tr("Current &scheme (%1)").arg(Colors(kSchemeColors)) },
        //: %1 is a number of colors, such as "16 colors".
        { "radFavorites", tr("&Favorites (%1)").arg(Colors(favoriteCount)) },
        //: %1 is a number of colors, such as "16 colors".
        { "radPage", tr("&Page colors (%1)").arg(Colors(kPageColors)) },
        //: %1 is a number of colors, such as "16 colors".
        { "radAll", tr("&All of them (%1)").arg(Colors(kSchemeColors + favoriteCount + kPageColors)) },
    } };
    for (std::size_t i = 0; i < choices.size(); ++i) {
        m_choices[i] = new QRadioButton(choices[i].caption, this);
        m_choices[i]->setObjectName(QString::fromLatin1(choices[i].name));
        layout->addWidget(m_choices[i]);
    }
    QRadioButton* favorites = m_choices[static_cast<std::size_t>(PaletteSet::Favorites)];
    favorites->setEnabled(favoriteCount > 0);
    QRadioButton* first = m_choices[static_cast<std::size_t>(preselected)];
    if (!first->isEnabled())
        first = m_choices[static_cast<std::size_t>(PaletteSet::Scheme)];
    first->setChecked(true);
    first->setFocus();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Export..."));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    // The dialog is as wide as its choices, which leave the English title room in the title bar; a longer title in
    // another language widens it, lest the window manager cut the title short.
    if (ShowsTranslation()) {
        constexpr int kTitleBarButtons = 120;
        QFont titleFont = font();
        titleFont.setBold(true);
        const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kTitleBarButtons;
        layout->addSpacerItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Fixed, QSizePolicy::Fixed));
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

PaletteSet PaletteSetDialog::ChosenSet() const
{
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        if (m_choices[i]->isChecked())
            return static_cast<PaletteSet>(i);
    }
    Q_ASSERT(false && "one choice is always checked");
    return PaletteSet::Scheme;
}

std::optional<PaletteSet> PaletteSetDialog::Choose(QWidget* parent, int favoriteCount, PaletteSet preselected)
{
    PaletteSetDialog dialog(parent, favoriteCount, preselected);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ChosenSet();
}
