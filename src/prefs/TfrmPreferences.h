#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;
class TfrmMain;

// The Preferences dialog: shows the settings file's preferences, and on Apply stores them and hands the
// steps and the palette choice to the main window at once. Cancel leaves both untouched.
class TfrmPreferences final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPreferences(TfrmMain& main);

    // Fills the controls from the settings file, read anew, and shows the General page.
    void LoadPreferences();
    // The main window's Preferences command: reload, then wait until the dialog is closed.
    void Preferences();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateGeneralPage();
    void CreateFavoritesPage();
    void CreateColorPalettePage();
    void CreateCopyMenusPage();
    // Makes room for captions longer than the English ones the dialog was laid out for: as laid out in English.
    void WidenForCaptions();

    void tvwMainChange(QTreeWidgetItem* node);
    void StepFieldChange(QLineEdit* field);
    void cmdOKClick();
    void cmdClearHistClick();

    // Tests find these by their object names.
    QTreeWidget* tvwMain = nullptr;
    QLabel* lblMain = nullptr;
    QWidget* pnlGeneral = nullptr;
    QWidget* pnlFavorites = nullptr;
    QWidget* pnlColorPalette = nullptr;
    QWidget* pnlCopyMenus = nullptr;

    QCheckBox* chkRememberScheme = nullptr;
    QCheckBox* chkExitWarn = nullptr;
    QLabel* lblStepAmount = nullptr;
    QLineEdit* txtLIncrement = nullptr;
    QLineEdit* txtSIncrement = nullptr;
    QPushButton* cmdClearHist = nullptr;
    QCheckBox* chkDeleteWarn = nullptr;
    QRadioButton* radWebPal = nullptr;
    QRadioButton* radSpectrumPal = nullptr;
    QRadioButton* radSpectrumSafePal = nullptr;
    QLabel* imgWebPal = nullptr;
    QLabel* imgSpectrumPal = nullptr;
    QLabel* imgSpectrumSafePal = nullptr;
    QCheckBox* chkMoreCopyFormats = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    TfrmMain& m_main;
};
