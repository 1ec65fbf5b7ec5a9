#pragma once

#include "color/Adjust.h"
#include "color/Scheme.h"
#include "document/ColorHistory.h"
#include "persist/Settings.h"

#include <QImage>
#include <QMainWindow>
#include <QPoint>

#include <array>
#include <functional>
#include <optional>

class ColorDrag;
class ItemMark;
class PaintBox;
class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMouseEvent;
class QToolButton;

// Where the tool windows stand as the main window closes; one not made yet is kept at its default place.
struct ToolWindowPlaces {
    std::optional<QPoint> favorites;
    std::optional<QPoint> preview;
    bool favoritesOnTop = false;
};

// The main window's commands that other windows carry out. Each arrives disabled (the picker's excepted) and
// is enabled by the part of the program that runs it, which connects to the action's triggered signal.
// ToolsFavorites and ToolsPreview are checked while their window is meant to be on the screen.
enum class MainCommand {
    FileNew,
    FileOpen,
    FileSave,
    FileExportPalette,
    FileImportPalette,
    FilePaletteFromImage,
    EditPasteImage,
    EditPreferences,
    ToolsFavorites,
    ToolsPreview,
    ToolsPicker,
    // The colour pop-up menu's "Add to Favorites": the selected colour goes to the end of Favorites.
    AddToFavorites,
    HelpHelp,
    HelpWebsite,
    HelpForums,
    HelpTutorial,
    HelpAbout,
};

// What the Tools menu calls a tool window's toggle: what choosing it does next.
QString ToolWindowToggleCaption(const QString& window, bool meantVisible);

// The main window: owns the current scheme and is the one way in which a colour becomes the base colour.
class TfrmMain final : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Shows a colour as the new base colour: fields, scheme, swatches, history, status bar.
    void SetBaseColor(ColorValue color);

    WheelMode CheckedWheelMode() const;
    Harmony CheckedHarmony() const;
    int LightnessStep() const { return m_lightnessStep; }
    int SaturationStep() const { return m_saturationStep; }
    // Preferences: the adjustment steps in percent, and the palette strip's kind (nothing leaves the strip without a
    // palette).
    void SetSteps(int lightness, int saturation);
    void RebuildPalette(std::optional<PaletteKind> kind);

    // The colour the base area shows: the base colour, the channels being typed into the fields, or the palette
    // strip's preview of the colour under the pointer. The scheme is that of the colour last given to SetBaseColor.
    ColorValue BaseColor() const { return m_baseColor; }
    const SchemeColorArray& SchemeColors() const { return m_schemeColors; }

    // The colour a press on a colour source picked: what its menu, a click and a drag from it give.
    ColorValue SelectedColor() const { return m_selectedColor; }
    void SetSelectedColor(ColorValue color) { m_selectedColor = color; }

    // Whether the scheme changed since it was last begun, opened or saved.
    bool SchemeModified() const { return m_schemeModified; }
    void MarkSchemeModified() { m_schemeModified = true; }
    void ClearSchemeModified() { m_schemeModified = false; }

    // Colour drags between the windows and the colour sources that begin them.
    ColorDrag& Drag() { return *m_drag; }

    // Asked before the window closes (the scheme may need saving); false keeps the program running.
    void SetCloseQuery(std::function<bool()> query) { m_closeQuery = std::move(query); }

    // The tool windows are the application's; it tells where they stand, so that their places are kept in the
    // same go as the main window's settings.
    void SetToolWindowPlaces(std::function<ToolWindowPlaces()> places) { m_toolWindowPlaces = std::move(places); }

    QAction* Command(MainCommand command) const;
    // Enables a command that another part of the program carries out, which runs `handler` for as long as
    // `context` lives.
    void CarryOut(MainCommand command, const QObject* context, std::function<void()> handler) const;

    // The history of base colours, which the drop-down list shows.
    void ClearHistory();
    void Back();
    void Forward();
    int HistoryCount() const;
    int HistoryIndex() const;

signals:
    // The close went ahead and the settings are written; the program is still fully running, so whatever else
    // is kept for the next run is written now, and may still show a message.
    void closing();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateCommands();
    void CreateControls();
    void SetUpSwatchKeys();
    void SetCursors();
    void SetUpPaletteKeys();
    // The keyboard's cell of the palette strip: its mark, and what a screen reader hears has the focus.
    void ShowPaletteCell(int cell);
    void CreateMenus();
    void FormCreate();
    void PlaceWindow(const Settings& settings);
    void FormClose();

    void UpdateStatusBar();
    void PaintBaseArea();
    void PaintSwatch(int number); // 1..16
    // The base colour the user chose: BaseColor, unless that holds the palette strip's preview of the colour
    // under the pointer. What the program keeps or adjusts is always this one.
    ColorValue ChosenBaseColor() const;

    void txtHexChange();
    void DecimalFieldChange(QLineEdit* field);
    int FieldNumber(const QLineEdit* field) const;
    ColorValue FieldColor() const;
    void UpdateWebsafeIndicator();

    void HarmonyClick(QAction* item);
    void WheelModeClick(QAction* item);
    void VisionClick(QAction* item);
    // The status bar's sign of a colour-vision simulation; under Normal the bar is as it always is.
    void UpdateVisionSign();

    // Entry fields, adjustments, palette strip and colour areas (TfrmMainCommands.cpp).
    void ConnectCommands();
    void CreateColorPopup();
    void txtKeyUp(QLineEdit* field);
    void AdjustClick(Adjustment adjustment);
    void MakeWebsafe();
    void ShowStatusColor(ColorValue color);
    void pbPaletteMouseMove(QMouseEvent* event);
    void pbPaletteMouseDown(QMouseEvent* event);

    void AddHistoryEntry(ColorValue color);
    // Shows the history's selected entry as the base colour.
    void SelectHistoryEntry();
    void HistoryListChoice(int index);
    // Shows a colour again, as after a change of harmony or wheel, or a step through the history: no new entry.
    void ReshowBaseColor(ColorValue color);
    void ApplyHistoryEnabling();

    std::function<ToolWindowPlaces()> m_toolWindowPlaces;
    std::function<bool()> m_closeQuery;
    ColorHistory m_history;
    ColorDrag* m_drag = nullptr;
    ColorValue m_baseColor = 0;
    SchemeColorArray m_schemeColors {};
    ColorValue m_selectedColor = 0;
    bool m_schemeModified = false;
    bool m_reshowing = false; // the colour shown again adds no history entry
    ColorValue m_shownColor = 0; // the colour the last SetBaseColor that ran was given
    bool m_previewing = false;   // m_baseColor holds the palette strip's preview
    int m_lightnessStep = kDefaultStepPercent;
    int m_saturationStep = kDefaultStepPercent;
    std::optional<PaletteKind> m_paletteKind;
    int m_paletteCell = 0;


    // Controls; tests find them by their object names.
    QLineEdit* txtR = nullptr;
    QLineEdit* txtG = nullptr;
    QLineEdit* txtB = nullptr;
    QLineEdit* txtHex = nullptr;
    QComboBox* cboHistory = nullptr;
    PaintBox* pbBase = nullptr;
    std::array<PaintBox*, 16> pbColors {}; // pbColors1 .. pbColors16
    PaintBox* pbPalette = nullptr;
    ItemMark* m_paletteMark = nullptr;
    QLabel* imgwebsafe = nullptr;
    QLabel* imgnotwebsafe = nullptr;
    QLabel* imgsafe = nullptr;
    QLabel* imgnotsafe = nullptr;
    QLabel* sbPanel0 = nullptr;
    QLabel* sbPanel1 = nullptr;
    QLabel* sbVision = nullptr;

    // The commands and the tool buttons that run them; other windows reach a command through Command() and
    // tests by its object name.
    QToolButton* tbOpen = nullptr;
    QToolButton* tbSave = nullptr;
    QToolButton* tbPicker = nullptr;
    QToolButton* tbWebsafe = nullptr;
    QToolButton* tbPreview = nullptr;
    QToolButton* tbBack = nullptr;
    QToolButton* tbForward = nullptr;
    QToolButton* tbLighten = nullptr;
    QToolButton* tbDarken = nullptr;
    QToolButton* tbSaturate = nullptr;
    QToolButton* tbDesaturate = nullptr;

    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileExportPalette = nullptr;
    QAction* mnuFileImportPalette = nullptr;
    QAction* mnuFilePaletteFromImage = nullptr;
    QAction* mnuEditPasteImage = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    QMenu* mnuEditCopyBase = nullptr;
    QAction* mnuEditPreferences = nullptr;
    QAction* mnuEditWebsafe = nullptr;
    QAction* mnuAdjustLighten = nullptr;
    QAction* mnuAdjustDarken = nullptr;
    QAction* mnuAdjustSaturate = nullptr;
    QAction* mnuAdjustDesaturate = nullptr;
    std::array<QAction*, kHarmonyCount> mnuHarmony {}; // mnuNone .. mnuMonochromatic
    QAction* mnuRYB = nullptr;
    QAction* mnuRGB = nullptr;
    QList<QAction*> mnuVision; // Normal, then each colour-vision deficiency
    QAction* mnuToolsFavs = nullptr;
    QAction* mnuToolsPreview = nullptr;
    QAction* mnuToolsPicker = nullptr;
    QAction* mnuHelpHelp = nullptr;
    QAction* mnuHelpWebsite = nullptr;
    QAction* mnuHelpForums = nullptr;
    QAction* mnuHelpTutorial = nullptr;
    QAction* mnuHelpAbout = nullptr;

    // The colour areas' pop-up menu; "Copy..." holds mnuPopCopyHex1, mnuPopCopyHex2 and mnuPopCopyRgb.
    QMenu* mnuColorPop = nullptr;
    QMenu* mnuPopCopy = nullptr;
    QAction* mnuPopSetBase = nullptr;
    QAction* mnuPopAddFavorite = nullptr;
};
