#pragma once

#include "color/Color.h"
#include "color/Scheme.h"
#include "persist/IniFile.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

// The palette strip below the swatches, numbered as the settings file stores it.
enum class PaletteKind { Websafe = 0, Spectrum = 1, WebsafeSpectrum = 2 };

// The lighten/darken and saturate/desaturate steps, in whole percent.
constexpr int kDefaultStepPercent = 5;
constexpr int kMaxStepPercent = 25;

// The program's settings in "tw3.ini". Every key is named in one place (Settings.cpp) together with its default,
// and read and written only through the typed functions here, which also decide what a hand-edited value that
// makes no sense reads as.
//
// One Settings object is one use of the file: it reads the file when it is made, so a setting changed by the
// Preferences dialog is seen by the next use, and nothing is kept between uses. The setters only remember the
// value; Commit writes all of them in one replacement of the file.
class Settings {
public:
    explicit Settings(const QString& path = SettingsPath());

    // Main window: the base colour of the next start (pure red by default; only the low 24 bits count) and
    // where the main window's frame goes (by default where the caller centres it).
    ColorValue BaseColor() const;
    QPoint MainPlace(const QPoint& centred) const;
    // Whether the file holds both coordinates of the main window's place.
    bool MainPlaceStored() const;

    // Tool windows: where their frames go. The Favorites window docks by default against the main window's right
    // edge, QuickPreview just left of it, both at its top.
    QPoint FavoritesPlace(const QRect& mainFrame) const;
    QPoint PreviewPlace(const QRect& mainFrame, int previewFrameWidth) const;
    static QPoint DefaultFavoritesPlace(const QRect& mainFrame);
    static QPoint DefaultPreviewPlace(const QRect& mainFrame, int previewFrameWidth);

    // QuickPreview: whether its texts carry their contrast figures (off unless the user turned them on).
    bool ShowContrast() const;

    // Nothing for a stored number that names no palette: the strip is then left empty.
    std::optional<PaletteKind> Palette() const;
    WheelMode Wheel() const;
    // A stored number that names no harmony reads as None.
    Harmony Highlight() const;
    // Whole percents in plain decimal, as stored: a step past the whole range only takes the colour to its end.
    // Anything else stored (a sign, another notation, a number past 32 bits) reads as the default, so a bad file
    // can never make a step that goes backwards.
    int LightnessStep() const;
    int SaturationStep() const;
    bool FavoritesOnTop() const;
    // Whether the scheme is carried to the next run in the session file.
    bool RememberScheme() const;
    bool WarnBeforeDelete() const;
    bool WarnBeforeExit() const;
    // Whether every copy menu also offers the rgb(), hsl() and oklch() texts.
    bool MoreCopyFormats() const;

    void SetBaseColor(ColorValue color);
    void SetMainPlace(const QPoint& place);
    void SetFavoritesPlace(const QPoint& place);
    void SetPreviewPlace(const QPoint& place);
    void SetShowContrast(bool show);
    void SetPalette(PaletteKind kind);
    void SetWheel(WheelMode mode);
    void SetHighlight(Harmony harmony);
    void SetLightnessStep(int percent);
    void SetSaturationStep(int percent);
    void SetFavoritesOnTop(bool onTop);
    void SetRememberScheme(bool remember);
    void SetWarnBeforeDelete(bool warn);
    void SetWarnBeforeExit(bool warn);
    void SetMoreCopyFormats(bool more);

    // Writes everything set, at once (see IniFile::Commit).
    WriteOutcome Commit();
    // What a failed Commit was keeping, as its message names it.
    enum class Kept { Settings, Preferences };
    // What to tell the user after a Commit: nothing when it was written; otherwise the failure, with its reason
    // where one is known (a folder that takes no new file, a file there that cannot be used). A file start-up
    // found unusable is reported again: it may have been mended since, or gone bad only meanwhile.
    QString CommitFailureMessage(const WriteOutcome& outcome, Kept kept = Kept::Settings) const;

    // What to tell the user about a file that cannot be used; empty when it can.
    QString UnusableMessage() const;

private:
    IniFile m_ini;
};
