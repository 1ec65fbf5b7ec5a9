#pragma once

#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <memory>

class FavoritesModel;
class QImage;
class TfrmImage;
class TfrmMain;
struct LoadedPicture;

// The ways a picture comes in for its palette: File › Palette from Image, a file dropped on a window, a picture
// pasted. Each is decoded and its colours taken off the window thread; the image window is made on first use.
class PictureOpener final : public QObject {
    Q_OBJECT
public:
    PictureOpener(TfrmMain& main, FavoritesModel& favorites);
    ~PictureOpener() override;

    // Takes picture files dropped on `window` (and on whatever inside it does not take them itself).
    void AcceptDropsOn(QWidget* window);

    void ChooseFile();
    void OpenFile(const QString& path);
    void PasteImage();

    TfrmImage* Window() const { return m_window.get(); }

signals:
    // A picture was shown or refused; for tests and anyone waiting.
    void settled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename Load>
    void Start(const QString& name, Load load);
    void Finish(const LoadedPicture& loaded);

    TfrmMain& m_main;
    FavoritesModel& m_favorites;
    std::unique_ptr<TfrmImage> m_window;
    QString m_lastPath;
    // Loads are numbered: only the newest is shown.
    int m_load = 0;
    // Loads wait for their files, which may come slowly (a share, a pipe): on the global pool they would take the
    // threads that the working copies' rows and the new counts are made on.
    QThreadPool m_loading;
};
