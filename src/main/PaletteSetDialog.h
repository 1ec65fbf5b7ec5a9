#pragma once

#include "exchange/Palette.h"

#include <QDialog>

#include <array>
#include <optional>

class QRadioButton;

// Asks which colours a palette export takes: the scheme, the favourites, the page colours or all of them. Each
// choice says how many colours it holds; the favourites cannot be chosen while there are none.
class PaletteSetDialog final : public QDialog {
    Q_OBJECT
public:
    PaletteSetDialog(QWidget* parent, int favoriteCount, PaletteSet preselected);

    PaletteSet ChosenSet() const;

    // Shows the dialog modally; nothing when the user cancels.
    static std::optional<PaletteSet> Choose(QWidget* parent, int favoriteCount, PaletteSet preselected);

private:
    std::array<QRadioButton*, 4> m_choices {}; // in the order of PaletteSet
};
