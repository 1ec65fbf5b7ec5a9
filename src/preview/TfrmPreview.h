#pragma once

#include "document/PreviewPage.h"
#include "WebPageExport.h"
#include "platform/DragManager.h"

#include <QImage>
#include <QWidget>

// What a contrast badge on the sample page says: the ratio with the locale's decimal sign, then the verdict ("AA",
// "AAA", or "Fail" in the user's language).
QString ContrastBadgeText(const ContrastReading& reading);

class ItemMark;
class PaintBox;
class QAction;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QMouseEvent;
class QToolButton;
class TfrmMain;

// The QuickPreview tool window: a small sample web page coloured by dropping colours on its parts.
class TfrmPreview final : public QWidget, private DropTarget {
    Q_OBJECT
public:
    explicit TfrmPreview(TfrmMain& main);
    ~TfrmPreview() override;

    // The nine page colours in their stored order, for scheme and session files.
    const PreviewColors& Colors() const { return m_page.Colors(); }
    void SetColors(const PreviewColors& colors);
    // Back to the default page; leaves marking the scheme modified to the caller.
    void ResetPreviewColors();

private:
    void CreateControls();
    void CreateMenus();
    void FormCreate();
    // The page colours of the last session, when there is one.
    void LoadPreviewSession();
    void PaintPage();
    QImage DrawPage(qreal ratio) const;

    // The page's keys: Tab and the arrows move among its parts, Ctrl+V colours the part the keyboard is on.
    void SetUpPageKeys();
    bool PageKey(QKeyEvent* event);
    void ShowFocusedPart(PageElement part);
    // A part takes a colour, as a drop on it gives it.
    void ColorPart(PageElement part, ColorValue color);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool DragOver(QWidget* source, QPoint pos) override;
    void DragDrop(QWidget* source, QPoint pos) override;

    void shpBlackMouseDown(PaintBox* swatch, QMouseEvent* event);
    void shpBlackStartDrag(PaintBox* swatch);

    void mnuPopSetBaseClick();
    void mnuPopShowContrastClick(bool on);
    void tbResetClick();
    void tbSaveClick();

    // Tests find these by their object names.
    QToolButton* tbSave = nullptr;
    QToolButton* tbReset = nullptr;
    PaintBox* shpBlack = nullptr;
    PaintBox* Shape1 = nullptr;
    QFrame* pnlBG = nullptr;
    PaintBox* pbPage = nullptr; // the page panel's client area, where the twelve parts are painted
    QLabel* Status = nullptr;
    QMenu* mnuColorPop = nullptr;
    QMenu* mnuPopCopy = nullptr;
    QAction* mnuPopSetBase = nullptr;
    QAction* mnuPopShowContrast = nullptr; // the contrast badges on the page, on or off

    TfrmMain& m_main;
    PreviewPage m_page;
    bool m_showContrast = false;
    PageElement m_focusedPart = PageElement::Background;
    ItemMark* m_partMark = nullptr;
    WebPageExport m_export;
};
