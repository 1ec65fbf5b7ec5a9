#pragma once

#include "PictureLoading.h"

#include <QWidget>

#include <memory>
#include <vector>

class FavoritesModel;
class ItemMark;
class PaintBox;
class PictureView;
class QKeyEvent;
class QMenu;
class QPushButton;
class QSpinBox;
class TfrmMain;

// A picture and the palette taken from it: the colours beside the picture, each marked where it is most typical,
// a count that takes the palette again at once, an eyedropper on the picture and "Add to Favorites".
class TfrmImage final : public QWidget {
    Q_OBJECT
public:
    TfrmImage(TfrmMain& main, FavoritesModel& favorites);
    ~TfrmImage() override;

    // Shows a picture that loaded; its colours were taken at Count().
    void ShowPicture(const LoadedPicture& loaded);
    int Count() const;
    const std::vector<extraction::ExtractedColor>& Colors() const { return m_colors; }

    static constexpr int kSwatchHeight = 28;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The colours shown changed (a new picture, a new count).
    void colorsChanged();

private:
    void ShowColors(std::vector<extraction::ExtractedColor> colors);
    void spnCountChange(int count);
    void cmdAddFavoritesClick();
    int SwatchAt(QPoint pos) const; // the swatch's index, -1 where there is none
    ColorValue SwatchColorAt(QPoint pos) const;
    bool SwatchKey(QKeyEvent* event);
    // The swatch the keyboard is on, ringed while the swatches have the focus and followed by a screen reader.
    void ShowSwatch(int index);

    TfrmMain& m_main;
    FavoritesModel& m_favorites;
    PictureView* imgPicture = nullptr;
    PaintBox* pbSwatches = nullptr;
    QSpinBox* spnCount = nullptr;
    QPushButton* cmdAddFavorites = nullptr;
    QMenu* mnuSwatchPop = nullptr;
    ItemMark* m_swatchMark = nullptr;
    int m_swatch = 0;
    std::shared_ptr<const extraction::Sample> m_sample;
    std::vector<extraction::ExtractedColor> m_colors;
    // Each extraction is numbered: one that comes back after a newer one was asked for is dropped.
    int m_extraction = 0;
};
