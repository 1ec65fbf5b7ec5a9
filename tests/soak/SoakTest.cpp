// A long random run of user actions on the real windows, built as the program builds them, checking after every
// action what must always hold. The run is reproducible from its seed: a failure prints the seed, the action's
// number and the actions that led to it.
//
//   TINTWELL_SOAK_ACTIONS  number of actions (default 1500; long runs 20000 and more)
//   TINTWELL_SOAK_SEED     seed of the sequence (default fixed)
//   TINTWELL_SOAK_MEMORY   measure the heap every this many actions: after a warm-up of a tenth of the run, the
//                          program must not hold more at the end than TINTWELL_SOAK_GROWTH bytes per action
//                          (default 2) more than after the warm-up
#include "favorites/TfrmFavorites.h"
#include "app/Application.h"
#include "platform/PaletteStrip.h"
#include "main/ColorDrag.h"
#include "main/TfrmMain.h"
#include "persist/IniFile.h"
#include "persist/SchemeFile.h"
#include "platform/Canvas.h"
#include "platform/DragManager.h"
#include "platform/PaintBox.h"
#include "prefs/TfrmPreferences.h"
#include "preview/TfrmPreview.h"
#include "support/Controls.h"
#include "support/MainControls.h"
#include "support/Mouse.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int kRowHeight = 42;

// The list's rows by content y (list y plus scroll position), as the user sees them.
int RowAt(int contentY, int count)
{
    return contentY >= 0 && contentY / kRowHeight < count ? contentY / kRowHeight : -1;
}
// A drop goes before the first row whose midpoint is at or below the point, else after the last row.
int InsertionIndex(int contentY, int count)
{
    for (int r = 0; r < count; ++r) {
        if (kRowHeight * r + kRowHeight / 2 >= contentY)
            return r;
    }
    return count;
}

constexpr int kDefaultActions = 1500;
constexpr std::uint64_t kDefaultSeed = 20250611;
constexpr std::size_t kActionsShownOnFailure = 40;

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback)
{
    const QByteArray text = qgetenv(name);
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, 0);
    return ok ? value : fallback;
}

std::string Hex(ColorValue c) { return HexText(c); }

// A failed check ends the run; the driver reports where it happened.
struct SoakFailure {
    std::string what;
};

#define SOAK_CHECK(condition, message)                                                                   \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::ostringstream out_;                                                                         \
            out_ << message;                                                                                 \
            throw SoakFailure { out_.str() + "  [" #condition "]" };                                         \
        }                                                                                                    \
    } while (false)

// What the windows must show, as it follows from the actions so far.
struct Expected {
    ColorValue shown = 0; // the colour of the last SetBaseColor that ran
    WheelMode wheel = WheelMode::Traditional;
    Harmony harmony = Harmony::None;
    std::vector<ColorValue> history;
    int historyIndex = 0;
    FavColorList favorites;
    int favSelected = -1;
    PreviewColors preview = DefaultPreviewColors();
    bool modified = false;
    bool deleteWarning = false;
};

template<typename T>
T* FindWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<T*>(w))
            return found;
    }
    return nullptr;
}

class Soak {
public:
    Soak(std::uint64_t seed, int actions)
        : m_seed(seed)
        , m_actions(actions)
        , m_random(seed)
    {
    }

    // Returns an empty string when every action passed its checks, else the report.
    std::string Run()
    {
        QElapsedTimer clock;
        clock.start();
        try {
            Start();
            for (m_index = 0; m_index < m_actions; ++m_index) {
                if (m_tracing) {
                    std::cerr << "before #" << m_index << ": fields " << m_ui->txtR->text().toStdString() << ","
                              << m_ui->txtG->text().toStdString() << "," << m_ui->txtB->text().toStdString()
                              << " hex " << m_ui->txtHex->text().toStdString() << " base " << Hex(m_main->BaseColor())
                              << " s0 " << Hex(S0()) << "\n";
                }
                RunOneAction();
                CheckInvariants();
                m_mostHistory = std::max(m_mostHistory, m_main->HistoryCount());
                m_mostFavorites = std::max(m_mostFavorites, m_favs->Model().Count());
                if (::testing::Test::HasFailure())
                    throw SoakFailure { "a check inside the program's services failed (see above)" };
                // The scripted desktop's record of questions and dialogs is the test's, not the program's.
                m_desktop.questions.clear();
                m_desktop.dialogRequests.clear();
                MeasureMemory();
            }
            CheckMemoryGrowth();
            ExitAndStartAgain();
        } catch (const SoakFailure& failure) {
            return Report(failure.what);
        }
        m_elapsedMs = clock.elapsed();
        return {};
    }

    // What the run went through, for the report of a long run.
    std::string Summary() const
    {
        std::ostringstream out;
        out << m_actions << " actions in " << m_elapsedMs << " ms: " << m_baseChanges << " base colour changes, "
            << m_drops << " drops, " << m_saves << " saves and " << m_opens << " opens; at most " << m_mostHistory
            << " history entries and " << m_mostFavorites << " favourites";
        if (m_memoryEvery > 0 && m_warmHeap > 0)
            out << "; heap " << Mebibytes(m_warmHeap) << " MiB after " << m_warmAction << " actions, "
                << Mebibytes(m_lastHeap) << " MiB at the end (resident " << Mebibytes(m_warmResident) << " -> "
                << Mebibytes(m_lastResident) << " MiB)";
        return out.str();
    }

private:
    // ---- Memory -------------------------------------------------------------------------------------------

    static double Mebibytes(std::size_t bytes) { return std::round(bytes / 104857.6) / 10; }

    // Bytes the program holds from the allocator (small blocks and mapped large ones alike).
    static std::size_t HeapInUse()
    {
        const struct mallinfo2 info = ::mallinfo2();
        return info.uordblks + info.hblkhd;
    }

    static std::size_t Resident()
    {
        long pages = 0;
        long resident = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
                resident = 0;
            std::fclose(statm);
        }
        return static_cast<std::size_t>(resident) * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    }

    void MeasureMemory()
    {
        const int done = m_index + 1;
        if (m_memoryEvery <= 0 || done % m_memoryEvery != 0)
            return;
        m_lastHeap = HeapInUse();
        m_lastResident = Resident();
        std::cout << "soak memory: " << done << " actions, heap " << m_lastHeap << " bytes, resident " << m_lastResident
                  << " bytes" << std::endl;
        if (m_warmHeap == 0 && done >= m_actions / 10) {
            m_warmHeap = m_lastHeap;
            m_warmResident = m_lastResident;
            m_warmAction = done;
        }
    }

    void CheckMemoryGrowth()
    {
        if (m_memoryEvery <= 0 || m_warmHeap == 0 || m_warmAction == m_actions)
            return;
        const double perAction = (double(m_lastHeap) - double(m_warmHeap)) / (m_actions - m_warmAction);
        std::cout << "soak memory: " << perAction << " bytes per action after the warm-up" << std::endl;
        SOAK_CHECK(perAction <= m_growthLimit, "the heap grew by " << perAction << " bytes per action after the warm-up");
    }

    // ---- Set-up -------------------------------------------------------------------------------------------

    void Start()
    {
        // Three windows side by side, apart, so that drops find the window under the pointer.
        m_folder.Write("tw3.ini", "[Main]\nLeft=345\nTop=40\n[Preview]\nLeft=0\nTop=40\n");
        m_app = std::make_unique<Application>();
        m_app->CreateToolWindows();
        m_main = &m_app->Main();
        m_ui.emplace(*m_main);
        m_favs = FindWindow<TfrmFavorites>();
        m_preview = FindWindow<TfrmPreview>();
        m_prefs = FindWindow<TfrmPreferences>();
        SOAK_CHECK(m_favs && m_preview && m_prefs, "the windows were not built");
        m_app->Show();
        Named<QAction>(*m_main, "mnuToolsPreview")->trigger();
        SOAK_CHECK(QTest::qWaitForWindowExposed(m_main), "the main window did not show");
        SOAK_CHECK(m_preview->isVisible() && m_favs->isVisible(), "the tool windows did not show");

        m_expected.shown = m_main->SchemeColors()[0];
        m_expected.history = { Pack(255, 0, 0) };
        m_expected.historyIndex = 0;
        CheckInvariants();
    }

    // The end of the run: the program is closed as the user closes it, and started again from what it kept.
    void ExitAndStartAgain()
    {
        Log("exit and start again");
        if (m_expected.modified)
            m_desktop.answers.push_back(platform::Answer::No);
        const SchemeData kept = ExpectedScheme();
        const ColorValue base = m_main->BaseColor();
        m_main->close();
        SOAK_CHECK(!m_main->isVisible(), "the main window did not close");
        SOAK_CHECK(m_desktop.answers.empty() && m_desktop.messages.isEmpty(), "the exit did not go as expected");
        const SchemeRead session = ReadSchemeFile(m_folder.file(QStringLiteral("session.tmp")), VersionCheck::Ignored);
        SOAK_CHECK(session.status == SchemeReadStatus::Ok && session.scheme == kept, "the session does not hold the scheme");

        m_app.reset();
        m_app = std::make_unique<Application>();
        m_app->CreateToolWindows();
        m_main = &m_app->Main();
        m_ui.emplace(*m_main);
        m_favs = FindWindow<TfrmFavorites>();
        m_preview = FindWindow<TfrmPreview>();
        SOAK_CHECK(m_favs && m_preview, "the windows were not built again");
        SOAK_CHECK(m_favs->Model().FavColors() == kept.favorites && m_preview->Colors() == kept.preview,
            "the favourites or the page did not come back from the session");
        SOAK_CHECK(m_favs->Model().FavSelected() == (kept.favorites.empty() ? -1 : 0), "restored selection");
        SOAK_CHECK(!m_main->SchemeModified(), "a restored scheme counts as changed");
        SOAK_CHECK(m_main->SchemeColors() == ComputeScheme(base, m_expected.wheel) && m_main->HistoryCount() == 1,
            "the next run does not start from the base colour left at exit");
        SOAK_CHECK(m_main->CheckedHarmony() == m_expected.harmony, "the harmony was not kept");
    }

    // ---- Randomness ---------------------------------------------------------------------------------------

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_random); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    QPoint PointIn(const QWidget* w) { return { Pick(w->width()), Pick(w->height()) }; }
    ColorValue RandomColor() { return Pack(Pick(256), Pick(256), Pick(256)); }

    // ---- Logging and checks -------------------------------------------------------------------------------

    void Log(const std::string& text)
    {
        m_log.push_back("#" + std::to_string(m_index) + " " + text);
        if (m_log.size() > kActionsShownOnFailure)
            m_log.pop_front();
    }

    std::string Report(const std::string& what) const
    {
        std::ostringstream out;
        out << "soak test failed at action " << m_index << " of " << m_actions << ", seed " << m_seed << ":\n  "
            << what << "\nlast actions:\n";
        for (const std::string& line : m_log)
            out << "  " << line << "\n";
        out << "replay: TINTWELL_SOAK_SEED=" << m_seed << " TINTWELL_SOAK_ACTIONS=" << m_index + 1
            << " build/tests/test_soak\n";
        return out.str();
    }

    // ---- Reading the windows ------------------------------------------------------------------------------

    ColorValue S0() const { return m_main->SchemeColors()[0]; }
    ColorValue ExpectedS0() const { return ComputeScheme(m_expected.shown, m_expected.wheel)[0]; }

    static int FieldNumber(const QLineEdit* field) { return field->text().toInt(); }
    ColorValue FieldColor() const
    {
        return Pack(FieldNumber(m_ui->txtR), FieldNumber(m_ui->txtG), FieldNumber(m_ui->txtB));
    }
    static ColorValue Sample(const PaintBox* box, QPoint at = { 5, 5 }) { return canvas::FromRgb(box->PixelAt(at)); }

    // The Favorites window's controls, by the names the program knows them by.
    template <class T>
    T* Fav(const char* name) const { return Named<T>(*m_favs, name); }
    PaintBox* List() const { return Fav<PaintBox>("pbFavs"); }
    QScrollBar* FavBar() const { return Fav<QScrollBar>("sbFavs"); }
    int Position() const { return FavBar()->value(); }
    PaintBox* Page() const { return Named<PaintBox>(*m_preview, "pbPage"); }
    QMenu* PagePopup() const { return Named<QMenu>(*m_preview, "mnuColorPop"); }
    QLineEdit* Field(int i) const
    {
        QLineEdit* const fields[] = { m_ui->txtR, m_ui->txtG, m_ui->txtB, m_ui->txtHex };
        return fields[i];
    }
    bool IsDecimalField(const QWidget* w) const
    {
        return w == m_ui->txtR || w == m_ui->txtG || w == m_ui->txtB;
    }

    static QPoint Over(QWidget* from, QWidget* to, QPoint local) { return from->mapFromGlobal(to->mapToGlobal(local)); }

    // ---- The program's rules for a new base colour, as the test expects them ------------------------------

    // SetBaseColor(c): nothing for the colour already shown (the main window is visible), unless the caller
    // suppresses the history, which also adds no entry.
    void ExpectSetBase(ColorValue c, bool suppressHistory = false)
    {
        if (ModelSetBase(c, suppressHistory))
            VerifySetBase(c);
    }

    // The colour already shown is the scheme's first colour, or the one last given (which differs from it for a
    // hue just under a full turn on the traditional wheel).
    bool ModelSetBase(ColorValue c, bool suppressHistory)
    {
        if (m_tracing)
            std::cerr << "  expect SetBaseColor(" << Hex(c) << (suppressHistory ? ", suppressed" : "") << ") model s0 "
                      << Hex(ExpectedS0()) << " history " << m_main->HistoryCount() << "\n";
        if (!suppressHistory && (c == ExpectedS0() || c == m_expected.shown))
            return false;
        ++m_baseChanges;
        m_expected.shown = c;
        if (!suppressHistory) {
            m_expected.history.resize(static_cast<std::size_t>(m_expected.historyIndex + 1));
            m_expected.history.push_back(c);
            m_expected.historyIndex = static_cast<int>(m_expected.history.size()) - 1;
        }
        return true;
    }

    // Right after the event that ran SetBaseColor: the fields show what it wrote.
    void VerifySetBase(ColorValue c, bool baseSettled = true)
    {
        SOAK_CHECK(m_ui->txtHex->text().toStdString() == Hex(c),
            "hex field shows " << m_ui->txtHex->text().toStdString() << " after SetBaseColor(" << Hex(c) << ")");
        SOAK_CHECK(FieldColor() == c, "decimal fields show " << Hex(FieldColor()) << " after SetBaseColor(" << Hex(c) << ")");
        if (baseSettled)
            SOAK_CHECK(m_main->BaseColor() == S0(), "BaseColor differs from SchemeColors[0] after SetBaseColor(" << Hex(c) << ")");
        CheckScheme();
        CheckHistory();
    }

    // ---- Invariants ---------------------------------------------------------------------------------------

    void CheckInvariants()
    {
        CheckFields();
        CheckScheme();
        CheckPainting();
        CheckHistory();
        CheckFavorites();
        CheckPreview();
        CheckQuiet();
    }

    void CheckFields()
    {
        for (QLineEdit* field : { m_ui->txtR, m_ui->txtG, m_ui->txtB }) {
            const QString text = field->text();
            bool digits = !text.isEmpty() && text.size() <= 3;
            for (QChar ch : text)
                digits = digits && ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
            SOAK_CHECK(digits && text.toInt() <= 255,
                field->objectName().toStdString() << " holds \"" << text.toStdString() << "\"");
        }
        const std::string hex = m_ui->txtHex->text().toLatin1().toStdString();
        Rgb parsed;
        if (ParseHexText(hex, parsed)) {
            SOAK_CHECK(Pack(parsed.r, parsed.g, parsed.b) == FieldColor(),
                "hex field " << hex << " disagrees with the decimal fields " << Hex(FieldColor()));
        }
        // Outside a palette hover the base colour is the scheme's, or what the decimal fields hold while a
        // typed channel waits for Enter.
        SOAK_CHECK(m_main->BaseColor() == S0() || m_main->BaseColor() == FieldColor(),
            "BaseColor " << Hex(m_main->BaseColor()) << " is neither SchemeColors[0] " << Hex(S0())
                         << " nor the fields' " << Hex(FieldColor()));
        if (m_expectBaseSettled) {
            SOAK_CHECK(m_main->BaseColor() == S0(),
                "BaseColor " << Hex(m_main->BaseColor()) << " differs from SchemeColors[0] " << Hex(S0())
                             << " after the command");
        }
    }

    // The seven harmony items in harmony order, as their menu holds them.
    QList<QAction*> HarmonyItems() const { return Named<QAction>(*m_main, "mnuNone")->actionGroup()->actions(); }

    void CheckScheme()
    {
        SOAK_CHECK(Named<QAction>(*m_main, "mnuRYB")->isChecked() != Named<QAction>(*m_main, "mnuRGB")->isChecked(),
            "wheel check marks");
        int harmonies = 0;
        for (QAction* item : HarmonyItems())
            harmonies += item->isChecked();
        SOAK_CHECK(harmonies == 1, harmonies << " harmonies checked");
        SOAK_CHECK(m_main->CheckedWheelMode() == m_expected.wheel, "wheel mode");
        SOAK_CHECK(m_main->CheckedHarmony() == m_expected.harmony, "harmony");
        const SchemeColorArray expected = ComputeScheme(m_expected.shown, m_expected.wheel);
        for (int i = 0; i < 16; ++i) {
            SOAK_CHECK(m_main->SchemeColors()[i] == expected[i],
                "SchemeColors[" << i << "] " << Hex(m_main->SchemeColors()[i]) << ", expected " << Hex(expected[i])
                                << " from base " << Hex(m_expected.shown));
        }
    }

    void CheckPainting()
    {
        const QRgb white = qRgb(255, 255, 255);
        const QRgb black = qRgb(0, 0, 0);
        for (int i = 0; i < 16; ++i) {
            const PaintBox* swatch = m_ui->pbColors[i];
            const QRgb fill = canvas::ToRgb(m_main->SchemeColors()[i]);
            SOAK_CHECK(swatch->PixelAt({ 5, 5 }) == fill, "swatch " << i + 1 << " is not painted in its colour");
            const bool ring = IsHarmonyMember(i, m_expected.harmony);
            const QRgb outer = swatch->PixelAt({ 2, 18 });
            const QRgb inner = swatch->PixelAt({ 3, 18 });
            SOAK_CHECK(ring ? (outer == white && inner == black) : (outer == fill && inner == fill),
                "swatch " << i + 1 << (ring ? " lacks" : " has") << " the harmony ring");
        }
        // A key let go in the hex field while it holds fewer than six characters takes the channels for BaseColor
        // without repainting; that differs from the picture only for a hue just under a full turn.
        const bool partialHex = m_ui->txtHex->text().size() != 6;
        SOAK_CHECK(Sample(m_ui->pbBase) == m_main->BaseColor() || (partialHex && Sample(m_ui->pbBase) == S0()),
            "base area shows " << Hex(Sample(m_ui->pbBase)) << ", BaseColor is " << Hex(m_main->BaseColor()));
        SOAK_CHECK(m_ui->sbPanel1->text().toStdString() == StatusHexText(S0()),
            "status bar shows " << m_ui->sbPanel1->text().toStdString() << " for base " << Hex(S0()));
    }

    void CheckHistory()
    {
        const int count = m_main->HistoryCount();
        const int index = m_main->HistoryIndex();
        SOAK_CHECK(count >= 1 && index >= 0 && index < count, "history index " << index << " of " << count);
        const bool back = index != 0;
        const bool forward = index != count - 1;
        SOAK_CHECK(Named<QToolButton>(*m_main, "tbBack")->isEnabled() == back
                && Named<QAction>(*m_main, "mnuEditUndo")->isEnabled() == back,
            "Back/Undo enabled wrongly at " << index << " of " << count);
        SOAK_CHECK(Named<QToolButton>(*m_main, "tbForward")->isEnabled() == forward
                && Named<QAction>(*m_main, "mnuEditRedo")->isEnabled() == forward,
            "Forward/Redo enabled wrongly at " << index << " of " << count);

        SOAK_CHECK(count == static_cast<int>(m_expected.history.size()) && index == m_expected.historyIndex,
            "history " << index << " of " << count << ", expected " << m_expected.historyIndex << " of "
                       << m_expected.history.size());
        // All captions now and then; the selected and the newest always.
        const bool all = m_index % 250 == 0;
        for (int i = 0; i < count; ++i) {
            if (!all && i != index && i != count - 1)
                continue;
            const std::string caption = m_ui->cboHistory->itemText(i).toStdString();
            SOAK_CHECK(caption == HashHexText(m_expected.history[static_cast<std::size_t>(i)]),
                "history entry " << i << " is " << caption << ", expected "
                                 << HashHexText(m_expected.history[static_cast<std::size_t>(i)]));
        }
    }

    void CheckFavorites()
    {
        const FavoritesModel& model = m_favs->Model();
        const int count = model.Count();
        const int selected = model.FavSelected();
        SOAK_CHECK(count == 0 ? selected == -1 : (selected >= 0 && selected < count),
            "favourite selection " << selected << " in a list of " << count);
        SOAK_CHECK(model.FavColors() == m_expected.favorites && selected == m_expected.favSelected,
            "favourites differ from the expected list of " << m_expected.favorites.size() << " (selection "
                                                           << m_expected.favSelected << "); it holds " << count
                                                           << " (selection " << selected << ")");
        for (const char* name : { "tbCopy", "tbDelete", "tbFavWebsafe" }) {
            const QToolButton* button = Fav<QToolButton>(name);
            SOAK_CHECK(button->isEnabled() == (count > 0),
                button->objectName().toStdString() << " enabled with " << count << " favourites");
        }
        const int page = List()->height();
        SOAK_CHECK(FavBar()->isEnabled() == (qint64(kRowHeight) * count > page),
            "scroll bar enabled wrongly for " << count << " favourites");
        // The selected row, where it is in view, shows the selection and its colour.
        if (selected >= 0) {
            const int middle = kRowHeight * selected - Position() + 20;
            if (middle >= 0 && middle < page) {
                const TFavColor& fav = model.FavColors()[static_cast<std::size_t>(selected)];
                SOAK_CHECK(List()->PixelAt({ 20, middle }) == canvas::ToRgb(fav.Color),
                    "selected favourite's swatch not painted");
                SOAK_CHECK(List()->PixelAt({ 1, middle }) == canvas::Highlight(), "selected row not highlighted");
            }
        }
        SOAK_CHECK(m_main->SchemeModified() == m_expected.modified,
            "SchemeModified is " << m_main->SchemeModified() << ", expected " << m_expected.modified);
    }

    void CheckPreview()
    {
        const PreviewColors& colors = m_preview->Colors();
        for (int i = 0; i < kPreviewColorCount; ++i) {
            SOAK_CHECK(colors[i] == m_expected.preview[i],
                "page colour " << i << " is " << Hex(colors[i]) << ", expected " << Hex(m_expected.preview[i]));
        }
        // What the page shows: the fills at points no text covers, and the four links drawn alike.
        const PaintBox* page = Page();
        const std::pair<QPoint, PreviewColorSlot> fills[] = {
            { { 5, 5 }, kBackground }, { { 200, 60 }, kTableHeaderBG }, { { 35, 180 }, kNavBG }, { { 200, 180 }, kMainBG },
        };
        for (const auto& [at, slot] : fills) {
            SOAK_CHECK(Sample(page, at) == colors[slot], "page fill " << slot << " not painted in its colour");
        }
        const QImage& picture = page->Surface();
        const QRect firstLink(42, 82, 22, 16); // "Link" and its underline, the same in all four
        const QImage link1 = picture.copy(firstLink);
        for (int k = 1; k < 4; ++k) {
            SOAK_CHECK(picture.copy(firstLink.translated(0, 18 * k)) == link1,
                "link " << k + 1 << " is not drawn like link 1");
        }
        bool showsLinkColour = colors[kLinkText] == colors[kNavBG];
        for (int y = 0; y < link1.height() && !showsLinkColour; ++y)
            for (int x = 0; x < link1.width() && !showsLinkColour; ++x)
                showsLinkColour = canvas::FromRgb(link1.pixel(x, y)) == colors[kLinkText];
        SOAK_CHECK(showsLinkColour, "the links do not show their colour " << Hex(colors[kLinkText]));
    }

    // Between actions nothing is left half done: no drag, no open menu, no unanswered question.
    void CheckQuiet()
    {
        SOAK_CHECK(!DragManager::Instance().IsPending(), "a drag is still pending");
        SOAK_CHECK(QApplication::overrideCursor() == nullptr, "the drag cursor is still shown");
        SOAK_CHECK(!m_main->Drag().Armed(), "DragArmed is still set");
        SOAK_CHECK(QApplication::activePopupWidget() == nullptr, "a pop-up menu is still open");
        SOAK_CHECK(m_desktop.answers.empty(), "a scripted answer was not asked for");
        SOAK_CHECK(m_desktop.messages.isEmpty(),
            "unexpected message: " << m_desktop.messages.join(QStringLiteral(" | ")).toStdString());
        if (m_dragEnded) {
            SOAK_CHECK(m_main->SelectedColor() == S0(), "SelectedColor " << Hex(m_main->SelectedColor())
                                                                           << " not back to the base after a drag");
        }
    }

    // ---- The actions --------------------------------------------------------------------------------------

    void RunOneAction()
    {
        m_expectBaseSettled = false;
        m_dragEnded = false;
        m_settledBefore = m_main->BaseColor() == S0();

        struct Action {
            int weight;
            void (Soak::*run)();
            bool settles; // ends in a command that leaves BaseColor on the scheme
        };
        static const Action kActions[] = {
            { 14, &Soak::TypeDecimal, false },
            { 10, &Soak::TypeHex, false },
            { 5, &Soak::PasteHex, false },
            { 1, &Soak::CopyHex, false },
            { 8, &Soak::Adjust, false },
            { 3, &Soak::MakeWebsafe, false },
            { 3, &Soak::ChooseHarmony, true },
            { 2, &Soak::SwitchWheel, true },
            { 5, &Soak::HoverPalette, false },
            { 6, &Soak::PickPalette, false },
            { 8, &Soak::ClickSwatch, false },
            { 3, &Soak::SwatchMenu, false },
            { 2, &Soak::WiggleSwatch, false },
            { 24, &Soak::Drag, false },
            { 3, &Soak::FavoriteMenu, false },
            { 3, &Soak::FavoriteButtons, false },
            { 2, &Soak::DoubleClickFavorite, false },
            { 2, &Soak::ScrollFavorites, false },
            { 3, &Soak::ClickPage, false },
            { 2, &Soak::PageMenu, false },
            { 1, &Soak::ResetPage, false },
            { 1, &Soak::ToggleWindows, false },
            { 8, &Soak::NavigateHistory, true },
            { 1, &Soak::ClearHistory, false },
            { 1, &Soak::ApplyPreferences, false },
            { 1, &Soak::LetTimersRun, false },
            { 2, &Soak::SaveScheme, false },
            { 1, &Soak::OpenScheme, false },
            { 1, &Soak::NewScheme, false },
        };
        static const int kTotal = [] {
            int total = 0;
            for (const Action& a : kActions)
                total += a.weight;
            return total;
        }();
        int roll = Pick(kTotal);
        for (const Action& action : kActions) {
            roll -= action.weight;
            if (roll < 0) {
                m_expectBaseSettled = m_settledBefore || action.settles;
                (this->*action.run)();
                return;
            }
        }
    }

    void EnsureMainActive()
    {
        // A closed pop-up menu may still hold the activation until the events queued behind it have run.
        for (int attempt = 0; attempt < 3 && QApplication::activeWindow() != m_main; ++attempt) {
            m_main->activateWindow();
            (void)QTest::qWaitFor([this] { return QApplication::activeWindow() == m_main; }, 500);
        }
        SOAK_CHECK(QApplication::activeWindow() == m_main, "the main window could not be activated");
    }

    // A click into a field: leaving a decimal field for it applies that field first.
    void FocusField(QLineEdit* field)
    {
        EnsureMainActive();
        QWidget* before = QApplication::focusWidget();
        const ColorValue typed = FieldColor();
        // As the window system delivers it: only such a press moves the focus.
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, { Pick(field->width()), field->height() / 2 });
        if (before != field && IsDecimalField(before))
            ExpectSetBase(typed);
        SOAK_CHECK(QApplication::focusWidget() == field, "a click did not focus " << field->objectName().toStdString());
    }

    // One key, pressed on the focused field and released wherever the focus then is, with what the program
    // does on each.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {},
        const std::function<void()>& afterPress = {})
    {
        QWidget* field = QApplication::focusWidget();
        SOAK_CHECK(field, "no widget has the keyboard focus");
        const ColorValue typedBefore = FieldColor();
        QTest::sendKeyEvent(QTest::Press, field, static_cast<Qt::Key>(key), text, modifiers);
        if (afterPress)
            afterPress();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
        if (IsDecimalField(field) && (enter || (tab && QApplication::focusWidget() != field)))
            ExpectSetBase(typedBefore);
        QWidget* releasedOn = QApplication::focusWidget();
        if (m_tracing)
            std::cerr << "  key " << key << " pressed on " << field->objectName().toStdString() << ", release on "
                      << (releasedOn ? releasedOn->objectName().toStdString() : "-") << ", history " << m_main->HistoryCount()
                      << " hex " << m_ui->txtHex->text().toStdString() << "\n";
        const ColorValue typed = FieldColor();
        QTest::sendKeyEvent(QTest::Release, releasedOn, static_cast<Qt::Key>(key), text, modifiers);
        // The modifier keys are let go after the key, each a key release of its own.
        if (releasedOn == m_ui->txtHex) {
            const int releases
                = 1 + std::popcount(static_cast<unsigned>(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)));
            bool ran = false;
            for (int i = 0; i < releases; ++i)
                ran = ModelSetBase(typed, false) || ran;
            if (ran)
                VerifySetBase(typed, false);
        }
        // A key let go in a field takes the channels as typed for BaseColor, without the scheme (which, for a
        // hue just under a full turn on the traditional wheel, shows a slightly different colour).
        if (IsDecimalField(releasedOn) || releasedOn == m_ui->txtHex)
            m_expectBaseSettled = false;
    }

    // A menu shortcut, typed into whatever has the focus in the main window; afterPress states its effect.
    void Shortcut(int key, const std::function<void()>& afterPress)
    {
        EnsureMainActive();
        if (QApplication::focusWidget() && QApplication::focusWidget()->window() == m_main) {
            Key(key, Qt::ControlModifier, {}, afterPress);
        } else {
            QTest::keyClick(m_main, static_cast<Qt::Key>(key), Qt::ControlModifier);
            afterPress();
        }
    }

    void TypeText(const QString& keys)
    {
        for (QChar ch : keys)
            Key(QTest::asciiToKey(static_cast<char>(ch.toLatin1())), Qt::NoModifier, QString(ch));
    }

    // Keys a user might press in a field: mostly what it takes, and some of everything else.
    void TypeSomething(bool hex)
    {
        static const char kDigits[] = "0123456789";
        static const char kHexDigits[] = "0123456789abcdefABCDEF";
        static const char kGarbage[] = " -.,#xyzGgQ!+/";
        const int keys = Between(1, 7);
        std::string typed;
        for (int i = 0; i < keys; ++i) {
            const int kind = Pick(20);
            if (kind < 13) {
                const char ch = hex ? kHexDigits[Pick(sizeof kHexDigits - 1)] : kDigits[Pick(sizeof kDigits - 1)];
                typed += ch;
                TypeText(QString(QLatin1Char(ch)));
            } else if (kind < 15) {
                typed += "<BS>";
                Key(Qt::Key_Backspace);
            } else if (kind < 16) {
                typed += "<Del>";
                Key(Qt::Key_Delete);
            } else if (kind < 17) {
                typed += "<Left>";
                Key(Qt::Key_Left);
            } else if (kind < 18) {
                const char ch = kGarbage[Pick(sizeof kGarbage - 1)];
                typed += ch;
                TypeText(QString(QLatin1Char(ch)));
            } else if (kind < 19) {
                const int odd[] = { Qt::Key_F5, Qt::Key_Escape, Qt::Key_Insert, Qt::Key_PageUp, Qt::Key_Home };
                typed += "<odd>";
                Key(odd[Pick(5)]);
            } else {
                // Not the menu bar's access keys, which would open a menu.
                const int letters[] = { Qt::Key_Q, Qt::Key_X, Qt::Key_B, Qt::Key_7 };
                typed += "<Alt>";
                Key(letters[Pick(4)], Qt::AltModifier);
            }
        }
        Log(std::string("  typed ") + typed);
    }

    void TypeDecimal()
    {
        QLineEdit* field = Field(Pick(3));
        Log("type into " + field->objectName().toStdString());
        FocusField(field);
        if (Chance(0.5))
            field->selectAll();
        TypeSomething(false);
        switch (Pick(6)) {
        case 0:
        case 1:
            Log("  Enter");
            Key(Chance(0.8) ? Qt::Key_Return : Qt::Key_Enter);
            break;
        case 2:
            Log("  Tab");
            Key(Qt::Key_Tab);
            break;
        case 3:
            Log("  Shift+Tab");
            Key(Qt::Key_Backtab, Qt::ShiftModifier);
            break;
        default:
            break; // the channel waits
        }
    }

    void TypeHex()
    {
        Log("type into txtHex");
        FocusField(m_ui->txtHex);
        if (Chance(0.6))
            m_ui->txtHex->selectAll();
        TypeSomething(true);
        if (Chance(0.2)) {
            Log("  Tab");
            Key(Qt::Key_Tab);
        }
    }

    QString RandomPaste()
    {
        static const char kHexDigits[] = "0123456789abcdefABCDEF";
        QString text;
        switch (Pick(6)) {
        case 0:
            return QString::fromStdString(HashHexText(RandomColor()));
        case 1:
            return QString::fromStdString(HexText(RandomColor())).toLower();
        case 2:
            for (int i = 0, n = Between(0, 9); i < n; ++i)
                text += QLatin1Char(kHexDigits[Pick(sizeof kHexDigits - 1)]);
            return text;
        case 3:
            return QString::fromStdString(HexText(RandomColor())) + QStringLiteral("\n") + QString::fromStdString(HexText(RandomColor()));
        case 4:
            for (int i = 0, n = Between(0, 8); i < n; ++i)
                text += QChar(static_cast<char16_t>(Between(32, 0x2FF)));
            return text;
        default:
            return QStringLiteral("#") + QString::fromStdString(HexText(RandomColor())).left(Between(0, 6));
        }
    }

    void PasteHex()
    {
        m_desktop.clipboardText = RandomPaste();
        Log("paste \"" + m_desktop.clipboardText.toStdString() + "\" into txtHex");
        FocusField(m_ui->txtHex);
        Key(Qt::Key_V, Qt::ControlModifier);
    }

    void CopyHex()
    {
        Log("copy txtHex");
        FocusField(m_ui->txtHex);
        m_ui->txtHex->selectAll();
        const QString text = m_ui->txtHex->text();
        m_desktop.clipboardText = QStringLiteral("-");
        Key(Qt::Key_C, Qt::ControlModifier);
        SOAK_CHECK(m_desktop.clipboardText == (text.isEmpty() ? QStringLiteral("-") : text),
            "Ctrl+C copied \"" << m_desktop.clipboardText.toStdString() << "\"");
    }

    void Adjust()
    {
        const Adjustment adjustment = static_cast<Adjustment>(Pick(4));
        const bool lightness = adjustment == Adjustment::Lighten || adjustment == Adjustment::Darken;
        const int step = lightness ? m_main->LightnessStep() : m_main->SaturationStep();
        const ColorValue expected = AdjustColor(m_main->BaseColor(), adjustment, step);
        QToolButton* const buttons[]
            = { Named<QToolButton>(*m_main, "tbLighten"), Named<QToolButton>(*m_main, "tbDarken"),
                  Named<QToolButton>(*m_main, "tbSaturate"), Named<QToolButton>(*m_main, "tbDesaturate") };
        QAction* const items[]
            = { Named<QAction>(*m_main, "mnuAdjustLighten"), Named<QAction>(*m_main, "mnuAdjustDarken"),
                  Named<QAction>(*m_main, "mnuAdjustSaturate"), Named<QAction>(*m_main, "mnuAdjustDesaturate") };
        const int how = Pick(3);
        const bool shortcut = how == 2 && lightness; // only Lighten and Darken have one
        Log("adjust " + std::to_string(static_cast<int>(adjustment)) + " by " + std::to_string(step) + "% via "
            + (how == 0 ? "button" : shortcut ? "shortcut" : "menu"));
        if (shortcut) {
            Shortcut(adjustment == Adjustment::Lighten ? Qt::Key_L : Qt::Key_D, [&] { ExpectSetBase(expected); });
            return;
        }
        if (how == 0)
            buttons[static_cast<int>(adjustment)]->click();
        else
            items[static_cast<int>(adjustment)]->trigger();
        ExpectSetBase(expected);
    }

    void MakeWebsafe()
    {
        const ColorValue fields = FieldColor();
        const ColorValue expected = Pack(SnapToWebsafe(Red(fields)), SnapToWebsafe(Green(fields)), SnapToWebsafe(Blue(fields)));
        const int how = Pick(4);
        Log("make websafe via " + std::to_string(how));
        switch (how) {
        case 0:
            Named<QToolButton>(*m_main, "tbWebsafe")->click();
            break;
        case 1:
            Named<QAction>(*m_main, "mnuEditWebsafe")->trigger();
            break;
        default: {
            QLabel* picture = how == 2 ? m_ui->imgnotwebsafe : m_ui->imgnotsafe;
            if (picture->isHidden())
                return; // only the warning pictures run it
            mouse::Click(picture, { 3, 3 });
            break;
        }
        }
        ExpectSetBase(expected);
    }

    void ChooseHarmony()
    {
        const int h = Pick(kHarmonyCount);
        Log("harmony " + std::to_string(h));
        const ColorValue s0 = S0();
        HarmonyItems()[h]->trigger();
        m_expected.harmony = static_cast<Harmony>(h);
        ExpectSetBase(s0, true);
    }

    void SwitchWheel()
    {
        const bool rgb = Chance(0.5);
        Log(rgb ? "wheel RGB" : "wheel RYB");
        const ColorValue s0 = S0();
        (rgb ? Named<QAction>(*m_main, "mnuRGB") : Named<QAction>(*m_main, "mnuRYB"))->trigger();
        m_expected.wheel = rgb ? WheelMode::Computer : WheelMode::Traditional;
        ExpectSetBase(s0, true);
    }

    // The pointer over the strip previews the colour under it; leaving puts the base colour back.
    void HoverPalette()
    {
        PaintBox* strip = m_ui->pbPalette;
        const int moves = Between(1, 6);
        Log("hover the palette, " + std::to_string(moves) + " moves");
        mouse::Enter(strip);
        ColorValue previewed = m_main->BaseColor();
        for (int i = 0; i < moves; ++i) {
            const QPoint at = PointIn(strip);
            mouse::Move(strip, at, Qt::NoButton);
            if (const auto picked = PickPaletteColor(strip->Surface(), at.x(), at.y()))
                previewed = *picked;
            SOAK_CHECK(m_main->BaseColor() == previewed, "hover at " << at.x() << "," << at.y() << " previews "
                                                                        << Hex(m_main->BaseColor()) << ", expected " << Hex(previewed));
            SOAK_CHECK(Sample(m_ui->pbBase) == previewed, "base area does not preview the hovered colour");
            SOAK_CHECK(m_main->SchemeColors() == ComputeScheme(m_expected.shown, m_expected.wheel),
                "a hover changed the scheme");
        }
        mouse::Leave(strip);
        SOAK_CHECK(m_main->BaseColor() == S0(), "leaving the palette did not restore the base colour");
    }

    void PickPalette()
    {
        PaintBox* strip = m_ui->pbPalette;
        const QPoint at = PointIn(strip);
        const Qt::MouseButton buttons[] = { Qt::LeftButton, Qt::RightButton, Qt::MiddleButton };
        const Qt::MouseButton button = buttons[Pick(3)];
        Log("palette press at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
        const auto picked = PickPaletteColor(strip->Surface(), at.x(), at.y());
        mouse::Click(strip, at, button);
        if (picked)
            ExpectSetBase(*picked);
    }

    PaintBox* RandomColorArea() { return Chance(0.1) ? m_ui->pbBase : m_ui->pbColors[Pick(16)]; }

    void ClickSwatch()
    {
        PaintBox* area = RandomColorArea();
        const QPoint at = PointIn(area);
        const ColorValue colour = Sample(area);
        const bool left = Chance(0.85);
        Log("click " + area->objectName().toStdString() + (left ? "" : " (middle)"));
        mouse::Click(area, at, left ? Qt::LeftButton : Qt::MiddleButton);
        if (left)
            ExpectSetBase(colour);
        SOAK_CHECK(m_main->SelectedColor() == colour, "a press did not select the area's colour");
    }

    // A copy entry of a pop-up menu: opening the submenu fills it, choosing an entry copies its caption.
    void ChooseCopyEntry(QMenu* copyMenu, ColorValue colour)
    {
        copyMenu->popup(QPoint(0, 0));
        const QList<QAction*> entries = copyMenu->actions();
        SOAK_CHECK(entries.size() == 3, "copy menu holds " << entries.size() << " entries");
        const int i = Pick(3);
        const std::string texts[] = { HexText(colour), HashHexText(colour), CommaText(colour) };
        entries[i]->trigger();
        copyMenu->close();
        SOAK_CHECK(m_desktop.clipboardText.toStdString() == texts[i] && entries[i]->text().toStdString() == texts[i],
            "copy entry " << i << " shows " << entries[i]->text().toStdString() << " and copied "
                          << m_desktop.clipboardText.toStdString() << ", expected " << texts[i]);
    }

    void SwatchMenu()
    {
        PaintBox* area = RandomColorArea();
        const ColorValue colour = Sample(area);
        const bool setBase = Chance(0.5);
        Log("right-click " + area->objectName().toStdString() + (setBase ? ", Set as Base Color" : ", copy"));
        mouse::Click(area, PointIn(area), Qt::RightButton);
        SOAK_CHECK(Named<QMenu>(*m_main, "mnuColorPop")->isVisible(), "the swatch menu did not open");
        if (setBase) {
            Named<QAction>(*m_main, "mnuPopSetBase")->trigger();
            ExpectSetBase(colour);
        } else {
            ChooseCopyEntry(Named<QMenu>(*m_main, "mnuPopCopy"), colour);
        }
        Named<QMenu>(*m_main, "mnuColorPop")->close();
    }

    // Press, a small movement and release: a cancelled drag that adopts nothing.
    void WiggleSwatch()
    {
        PaintBox* area = RandomColorArea();
        const QPoint at(10 + Pick(15), 10 + Pick(15));
        Log("wiggle " + area->objectName().toStdString());
        mouse::Press(area, at);
        mouse::Move(area, at + QPoint(1, 0));
        const QPoint to = at + QPoint(Between(-8, 8), Between(-8, 8));
        mouse::Move(area, to);
        mouse::Release(area, to);
        m_dragEnded = true;
    }

    // ---- Drags between the windows ------------------------------------------------------------------------

    enum class Source { Swatch, Favorite, PageElement, BlackOrWhite };
    enum class Target { Favorites, DeleteButton, Page, Nowhere };

    struct DragPlan {
        QWidget* source = nullptr;
        QPoint press;
        QPoint start; // where the threshold is measured from
        int threshold = 10;
        bool moveFirst = false; // sources whose pending drag begins at the first move
        ColorValue colour = 0;
        std::string what;
    };

    bool PlanSource(Source kind, DragPlan& plan)
    {
        switch (kind) {
        case Source::Swatch: {
            PaintBox* area = RandomColorArea();
            plan.source = area;
            plan.press = PointIn(area);
            plan.start = plan.press + QPoint(1, 0);
            plan.moveFirst = true;
            plan.colour = Sample(area);
            plan.what = area->objectName().toStdString();
            return true;
        }
        case Source::Favorite: {
            if (!m_favs->isVisible() || m_expected.favorites.empty())
                return false;
            plan.source = List();
            plan.press = PointIn(List());
            const int row = RowAt(plan.press.y() + Position(), static_cast<int>(m_expected.favorites.size()));
            if (row < 0)
                return false;
            plan.start = plan.press;
            plan.colour = m_expected.favorites[static_cast<std::size_t>(row)].Color;
            plan.what = "favourite row " + std::to_string(row);
            return true;
        }
        case Source::PageElement: {
            if (!m_preview->isVisible())
                return false;
            plan.source = Page();
            plan.press = PointIn(Page());
            plan.start = plan.press + QPoint(1, 0);
            plan.moveFirst = true;
            const PageElement element = PreviewPage::ElementAt(plan.press);
            plan.colour = m_expected.preview[PreviewPage::Info(element).slot];
            plan.what = std::string("page ") + PreviewPage::Info(element).name;
            return true;
        }
        case Source::BlackOrWhite: {
            if (!m_preview->isVisible())
                return false;
            const bool black = Chance(0.5);
            plan.source = Named<PaintBox>(*m_preview, black ? "shpBlack" : "Shape1");
            plan.press = PointIn(plan.source);
            plan.start = plan.press;
            plan.threshold = 8;
            plan.colour = black ? Pack(0, 0, 0) : Pack(255, 255, 255);
            plan.what = black ? "black swatch" : "white swatch";
            return true;
        }
        }
        return false;
    }

    // Where the pointer is released: a widget and a point in it.
    std::pair<QWidget*, QPoint> PlanTarget(Target kind)
    {
        switch (kind) {
        case Target::Favorites: {
            QPoint at = PointIn(List());
            // Now and then right at the edges, where the list scrolls by itself.
            if (Chance(0.15))
                at.setY(Chance(0.5) ? Pick(9) : List()->height() - 1 - Pick(9));
            return { List(), at };
        }
        case Target::DeleteButton:
            return { Fav<QToolButton>("tbDelete"), PointIn(Fav<QToolButton>("tbDelete")) };
        case Target::Page:
            return { Page(), PointIn(Page()) };
        case Target::Nowhere:
            return { m_ui->pbPalette, PointIn(m_ui->pbPalette) };
        }
        return { nullptr, {} };
    }

    void Drag()
    {
        const Source sourceKind = static_cast<Source>(Pick(4));
        DragPlan plan;
        if (!PlanSource(sourceKind, plan))
            return;
        const int targetRoll = Pick(10);
        const Target targetKind = targetRoll < 5 ? Target::Favorites
            : targetRoll < 6                     ? Target::DeleteButton
            : targetRoll < 9                     ? Target::Page
                                                 : Target::Nowhere;
        auto [target, at] = PlanTarget(targetKind);
        Log("drag " + plan.what + " (" + Hex(plan.colour) + ") to " + target->objectName().toStdString() + " at "
            + std::to_string(at.x()) + "," + std::to_string(at.y()));

        QWidget* source = plan.source;
        mouse::Press(source, plan.press);
        if (sourceKind == Source::Favorite) {
            const int row = RowAt(plan.press.y() + Position(), static_cast<int>(m_expected.favorites.size()));
            m_expected.favSelected = row;
        }
        if (plan.moveFirst)
            mouse::Move(source, plan.start);
        // On the way: once over the target a little off the drop point, so it sees the drag pass.
        const QPoint passing = Over(source, target, at + QPoint(Between(-3, 3), Between(-3, 3)));
        mouse::Move(source, passing);
        const QPoint release = Over(source, target, at);
        mouse::Move(source, release);

        const auto beyond = [&](QPoint p) {
            const QPoint d = p - plan.start;
            return std::abs(d.x()) >= plan.threshold || std::abs(d.y()) >= plan.threshold;
        };
        const bool active = beyond(passing) || beyond(release);
        const bool targetShown = target->isVisible();
        const int insertion = InsertionIndex(at.y() + Position(), static_cast<int>(m_expected.favorites.size()));
        const bool fromList = source == List();
        if (active && targetShown && targetKind == Target::DeleteButton && fromList && m_expected.deleteWarning)
            m_desktop.answers.push_back(Chance(0.5) ? platform::Answer::Yes : platform::Answer::No);
        const bool confirmed = m_desktop.answers.empty() || m_desktop.answers.front() == platform::Answer::Yes;
        mouse::Release(source, release);
        m_dragEnded = true;

        if (!active || !targetShown)
            return;
        ++m_drops;
        switch (targetKind) {
        case Target::Favorites:
            if (fromList)
                ExpectMove(insertion);
            else
                ExpectInsert(insertion, plan.colour);
            break;
        case Target::DeleteButton:
            if (fromList && confirmed)
                ExpectDelete();
            break;
        case Target::Page:
            m_expected.preview[PreviewPage::Info(PreviewPage::ElementAt(at)).slot] = plan.colour;
            m_expected.modified = true;
            break;
        case Target::Nowhere:
            break;
        }
    }

    // ---- Favourites as the test expects them --------------------------------------------------------------

    void ExpectInsert(int index, ColorValue colour)
    {
        m_expected.favorites.insert(m_expected.favorites.begin() + index, TFavColor::FromColor(colour));
        m_expected.favSelected = index;
        m_expected.modified = true;
    }

    void ExpectMove(int insertion)
    {
        auto& list = m_expected.favorites;
        const int from = m_expected.favSelected;
        const TFavColor moved = list[static_cast<std::size_t>(from)];
        int to = insertion > from ? insertion - 1 : insertion;
        list.erase(list.begin() + from);
        list.insert(list.begin() + to, moved);
        m_expected.favSelected = to;
        m_expected.modified = true;
    }

    void ExpectDelete()
    {
        auto& list = m_expected.favorites;
        const int s = m_expected.favSelected;
        list.erase(list.begin() + s);
        m_expected.favSelected = s < static_cast<int>(list.size()) ? s : s - 1;
        m_expected.modified = true;
    }

    void ExpectWebsafe()
    {
        TFavColor& fav = m_expected.favorites[static_cast<std::size_t>(m_expected.favSelected)];
        fav = TFavColor::FromColor(Pack(SnapToWebsafe(fav.R), SnapToWebsafe(fav.G), SnapToWebsafe(fav.B)));
        m_expected.modified = true;
    }

    // The delete command, asking first when the preference says so.
    void DeleteAsked(const std::function<void()>& command)
    {
        bool yes = true;
        if (m_expected.deleteWarning) {
            yes = Chance(0.6);
            m_desktop.answers.push_back(yes ? platform::Answer::Yes : platform::Answer::No);
        }
        command();
        if (yes)
            ExpectDelete();
    }

    // A row of the list under a random point, or -1.
    int RandomRowPoint(QPoint& at)
    {
        at = PointIn(List());
        return RowAt(at.y() + Position(), static_cast<int>(m_expected.favorites.size()));
    }

    void FavoriteMenu()
    {
        if (!m_favs->isVisible() || m_expected.favorites.empty())
            return;
        QPoint at;
        const int row = RandomRowPoint(at);
        const int choice = Pick(4);
        Log("right-click favourite row " + std::to_string(row) + ", choice " + std::to_string(choice));
        mouse::Press(List(), at, Qt::RightButton);
        mouse::Release(List(), at, Qt::RightButton);
        if (row < 0) {
            SOAK_CHECK(!Fav<QMenu>("mnuFavPop")->isVisible(), "a right press below the rows opened the menu");
            return;
        }
        m_expected.favSelected = row;
        SOAK_CHECK(Fav<QMenu>("mnuFavPop")->isVisible(), "the favourites menu did not open");
        const ColorValue colour = m_expected.favorites[static_cast<std::size_t>(row)].Color;
        switch (choice) {
        case 0:
            ChooseCopyEntry(Fav<QMenu>("mnuFavPopCopy"), colour);
            break;
        case 1:
            Fav<QAction>("mnuFavPopWebsafe")->trigger();
            ExpectWebsafe();
            break;
        case 2:
            Fav<QAction>("mnuFavPopSetBase")->trigger();
            ExpectSetBase(colour);
            break;
        default:
            DeleteAsked([this] { Fav<QAction>("mnuFavPopDelete")->trigger(); });
            break;
        }
        Fav<QMenu>("mnuFavPop")->close();
    }

    void FavoriteButtons()
    {
        const int choice = Pick(4);
        Log("favourites button " + std::to_string(choice));
        const bool any = !m_expected.favorites.empty();
        switch (choice) {
        case 0:
            m_desktop.clipboardText = QStringLiteral("-");
            Fav<QToolButton>("tbCopy")->click();
            SOAK_CHECK(m_desktop.clipboardText.toStdString()
                    == (any ? m_expected.favorites[static_cast<std::size_t>(m_expected.favSelected)].Hex : "-"),
                "Copy HEX put " << m_desktop.clipboardText.toStdString() << " on the clipboard");
            break;
        case 1:
            Fav<QToolButton>("tbFavWebsafe")->click();
            if (any)
                ExpectWebsafe();
            break;
        case 2:
            if (any)
                DeleteAsked([this] { Fav<QToolButton>("tbDelete")->click(); });
            else
                Fav<QToolButton>("tbDelete")->click();
            break;
        default:
            Fav<QToolButton>("tbOnTop")->click();
            break;
        }
    }

    void DoubleClickFavorite()
    {
        if (!m_favs->isVisible() || m_expected.favorites.empty())
            return;
        QPoint at;
        const int row = RandomRowPoint(at);
        Log("double-click favourite row " + std::to_string(row));
        mouse::Press(List(), at);
        mouse::Release(List(), at);
        mouse::DoubleClick(List(), at);
        mouse::Release(List(), at);
        if (row < 0)
            return;
        m_expected.favSelected = row;
        ExpectSetBase(m_expected.favorites[static_cast<std::size_t>(row)].Color);
    }

    void ScrollFavorites()
    {
        QScrollBar* bar = FavBar();
        if (!bar->isEnabled())
            return;
        Log("scroll favourites");
        if (Chance(0.5)) {
            bar->setValue(Between(bar->minimum(), bar->maximum()));
        } else {
            QWheelEvent wheel(QPointF(20, 20), List()->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, Chance(0.5) ? 120 : -120),
                Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(m_favs, &wheel);
        }
    }

    // ---- QuickPreview ---------------------------------------------------------------------------------------

    void ClickPage()
    {
        if (!m_preview->isVisible())
            return;
        const QPoint at = PointIn(Page());
        const ColorValue colour = m_expected.preview[PreviewPage::Info(PreviewPage::ElementAt(at)).slot];
        Log("click page at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
        mouse::Click(Page(), at);
        ExpectSetBase(colour);
    }

    void PageMenu()
    {
        if (!m_preview->isVisible())
            return;
        const QPoint at = PointIn(Page());
        const ColorValue colour = m_expected.preview[PreviewPage::Info(PreviewPage::ElementAt(at)).slot];
        const bool setBase = Chance(0.5);
        Log("right-click page at " + std::to_string(at.x()) + "," + std::to_string(at.y()) + (setBase ? ", set base" : ", copy"));
        mouse::Click(Page(), at, Qt::RightButton);
        SOAK_CHECK(PagePopup()->isVisible(), "the page menu did not open");
        if (setBase) {
            Named<QAction>(*m_preview, "mnuPopSetBase")->trigger();
            ExpectSetBase(colour);
        } else {
            ChooseCopyEntry(Named<QMenu>(*m_preview, "mnuPopCopy"), colour);
        }
        PagePopup()->close();
    }

    void ResetPage()
    {
        const bool yes = Chance(0.5);
        Log(std::string("reset page, answer ") + (yes ? "Yes" : "No"));
        m_desktop.answers.push_back(yes ? platform::Answer::Yes : platform::Answer::No);
        Named<QToolButton>(*m_preview, "tbReset")->click();
        if (yes) {
            m_expected.preview = DefaultPreviewColors();
            m_expected.modified = true;
        }
    }

    void ToggleWindows()
    {
        const int choice = Pick(4);
        Log("toggle windows " + std::to_string(choice));
        switch (choice) {
        case 0:
            Named<QAction>(*m_main, "mnuToolsFavs")->trigger();
            break;
        case 1:
            Named<QToolButton>(*m_main, "tbPreview")->click();
            break;
        case 2:
            Named<QAction>(*m_main, "mnuToolsPreview")->trigger();
            break;
        default:
            (Chance(0.5) ? static_cast<QWidget*>(m_favs) : m_preview)->close();
            break;
        }
        SOAK_CHECK(Named<QAction>(*m_main, "mnuToolsFavs")->text()
                == (m_favs->isVisible() ? "Hide Favorites" : "Show Favorites"),
            "Favorites toggle out of step");
        SOAK_CHECK(Named<QAction>(*m_main, "mnuToolsPreview")->text()
                    == (m_preview->isVisible() ? "Hide QuickPreview" : "Show QuickPreview")
                && Named<QToolButton>(*m_main, "tbPreview")->isChecked() == m_preview->isVisible(),
            "QuickPreview toggle out of step");
    }

    // ---- History ----------------------------------------------------------------------------------------------

    void NavigateHistory()
    {
        const int choice = Pick(7);
        const int count = static_cast<int>(m_expected.history.size());
        int& index = m_expected.historyIndex;
        Log("history " + std::to_string(choice) + " at " + std::to_string(index) + " of " + std::to_string(count));
        // A disabled button or menu item does nothing; an enabled one moves one entry.
        const bool back = choice <= 2;
        const auto expectStep = [this, back, count, &index] {
            if (back && index > 0)
                --index;
            else if (!back && index < count - 1)
                ++index;
            else {
                m_expectBaseSettled = m_settledBefore;
                return;
            }
            ExpectSetBase(m_expected.history[static_cast<std::size_t>(index)], true);
        };
        switch (choice) {
        case 0:
            Named<QToolButton>(*m_main, "tbBack")->click();
            break;
        case 1:
            Named<QAction>(*m_main, "mnuEditUndo")->trigger();
            break;
        case 2:
            Shortcut(Qt::Key_Z, expectStep);
            return;
        case 3:
            Named<QToolButton>(*m_main, "tbForward")->click();
            break;
        case 4:
            Named<QAction>(*m_main, "mnuEditRedo")->trigger();
            break;
        default: {
            // Choosing an entry in the drop-down list.
            const int chosen = Pick(count);
            m_ui->cboHistory->setCurrentIndex(chosen);
            emit m_ui->cboHistory->activated(chosen);
            index = chosen;
            ExpectSetBase(m_expected.history[static_cast<std::size_t>(index)], true);
            return;
        }
        }
        expectStep();
    }

    void ClearHistory()
    {
        Log("clear history");
        const ColorValue base = m_main->BaseColor();
        Named<QPushButton>(*m_prefs, "cmdClearHist")->click();
        m_expected.history = { base };
        m_expected.historyIndex = 0;
    }

    void ApplyPreferences()
    {
        m_prefs->LoadPreferences();
        const int lightness = Pick(26);
        const int saturation = Pick(26);
        const int palette = Pick(3);
        const bool warn = Chance(0.5);
        Log("preferences: steps " + std::to_string(lightness) + "/" + std::to_string(saturation) + ", palette "
            + std::to_string(palette) + ", delete warning " + std::to_string(warn));
        Named<QLineEdit>(*m_prefs, "txtLIncrement")->setText(QString::number(lightness));
        Named<QLineEdit>(*m_prefs, "txtSIncrement")->setText(QString::number(saturation));
        const char* const palettes[] = { "radWebPal", "radSpectrumPal", "radSpectrumSafePal" };
        Named<QRadioButton>(*m_prefs, palettes[palette])->setChecked(true);
        Named<QCheckBox>(*m_prefs, "chkDeleteWarn")->setChecked(warn);
        Named<QPushButton>(*m_prefs, "cmdOK")->click();
        m_expected.deleteWarning = warn;
        SOAK_CHECK(m_main->LightnessStep() == lightness && m_main->SaturationStep() == saturation,
            "the steps were not handed to the main window");
        SOAK_CHECK(m_ui->pbPalette->Surface() == DrawPalette(static_cast<PaletteKind>(palette)),
            "the palette was not redrawn");
    }

    // ---- Scheme documents -------------------------------------------------------------------------------------

    SchemeData ExpectedScheme() const { return { ExpectedS0(), m_expected.favorites, m_expected.preview }; }

    // The one message an action must have shown, taken off the desktop.
    void ExpectMessage(const char* text)
    {
        SOAK_CHECK(m_desktop.messages == QStringList { QString::fromLatin1(text) },
            "expected the message \"" << text << "\", shown: " << m_desktop.messages.join(QStringLiteral(" | ")).toStdString());
        m_desktop.messages.clear();
    }

    // A name in the save dialog: mostly one of a few files, now and then a cancel or a folder that is not there.
    std::optional<QString> SaveChoice()
    {
        const int roll = Pick(20);
        if (roll < 3)
            return std::nullopt;
        if (roll < 5)
            return m_folder.file(QStringLiteral("no such folder/scheme.tw"));
        return m_folder.file(QStringLiteral("scheme%1.tw").arg(Pick(4)));
    }

    enum class Saved { Yes, Cancelled, Failed };

    // The save dialog is answered with `choice`; what Save then does.
    Saved ExpectSave(const std::optional<QString>& choice)
    {
        if (!choice)
            return Saved::Cancelled;
        if (choice->contains(QStringLiteral("no such folder"))) {
            ExpectMessage(SchemeMessages::kSaveFailed);
            return Saved::Failed;
        }
        const SchemeData scheme = ExpectedScheme();
        const SchemeRead read = ReadSchemeFile(*choice, VersionCheck::Required);
        SOAK_CHECK(read.status == SchemeReadStatus::Ok && read.scheme == scheme,
            "the saved file does not hold the scheme (" << scheme.favorites.size() << " favourites, base "
                                                        << Hex(scheme.baseColor) << ")");
        m_saved[*choice] = scheme;
        m_expected.modified = false;
        ++m_saves;
        return Saved::Yes;
    }

    // The question before an unsaved scheme is replaced, answered at random, with the save dialog it may bring.
    struct SaveQuestion {
        bool asked = false;
        int answer = 1; // 0 Yes, 1 No, 2 Cancel
        std::optional<QString> saveChoice;
        bool goesOn = true; // the command goes on after the question
    };

    SaveQuestion ScriptSaveQuestion()
    {
        SaveQuestion q;
        if (!m_expected.modified)
            return q;
        q.asked = true;
        q.answer = Pick(3);
        m_desktop.answers.push_back(q.answer == 0 ? platform::Answer::Yes : q.answer == 1 ? platform::Answer::No : platform::Answer::Cancel);
        if (q.answer == 0) {
            q.saveChoice = SaveChoice();
            m_desktop.saveChoices.push_back(q.saveChoice);
        }
        // Cancelling the save dialog goes on without a file; a failed write keeps the changes and stops.
        q.goesOn = q.answer == 1 || (q.answer == 0 && !(q.saveChoice && q.saveChoice->contains(QStringLiteral("no such folder"))));
        return q;
    }

    void ExpectSaveQuestion(const SaveQuestion& q, const QString& question, qsizetype askedBefore)
    {
        SOAK_CHECK(m_desktop.questions.size() == askedBefore + (q.asked ? 1 : 0)
                && (!q.asked || m_desktop.questions.last() == question),
            "the question before replacing the scheme was " << (q.asked ? "not asked" : "asked"));
        if (q.answer == 0)
            ExpectSave(q.saveChoice);
    }

    // Runs a File command by its tool button, its menu entry or its shortcut; `expect` states its effect at once,
    // before the shortcut's keys are let go in a field.
    void FileCommand(int how, QToolButton* button, QAction* item, int key, const std::function<void()>& expect)
    {
        if (how == 0 && button) {
            button->click();
            expect();
        } else if (how <= 1) {
            item->trigger();
            expect();
        } else {
            Shortcut(key, expect);
        }
    }

    void SaveScheme()
    {
        const std::optional<QString> choice = SaveChoice();
        const int how = Pick(3);
        Log("save scheme to " + (choice ? choice->toStdString() : std::string("(cancel)")) + " via " + std::to_string(how));
        m_desktop.saveChoices.push_back(choice);
        FileCommand(how, Named<QToolButton>(*m_main, "tbSave"), Named<QAction>(*m_main, "mnuFileSave"), Qt::Key_S,
            [this, &choice] {
                SOAK_CHECK(m_desktop.saveChoices.empty(), "the save dialog was not shown");
                ExpectSave(choice);
            });
    }

    void OpenScheme()
    {
        // Mostly a file saved before; now and then a cancel, a file that is gone, or one that is no scheme.
        std::optional<QString> choice;
        const int roll = Pick(20);
        if (roll < 2) {
            choice = std::nullopt;
        } else if (roll < 3) {
            choice = m_folder.file(QStringLiteral("gone.tw"));
        } else if (roll < 4) {
            m_folder.Write(QStringLiteral("junk.tw"), QByteArray("TWver9\r\nnot a scheme"));
            choice = m_folder.file(QStringLiteral("junk.tw"));
        } else if (!m_saved.empty()) {
            auto it = m_saved.begin();
            std::advance(it, Pick(static_cast<int>(m_saved.size())));
            choice = it->first;
        } else {
            return;
        }
        const int how = Pick(3);
        Log("open scheme " + (choice ? choice->toStdString() : std::string("(cancel)")) + " via " + std::to_string(how)
            + (m_expected.modified ? ", unsaved changes" : ""));
        const qsizetype asked = m_desktop.questions.size();
        const SaveQuestion q = ScriptSaveQuestion();
        if (q.goesOn)
            m_desktop.openChoices.push_back(choice);
        FileCommand(how, Named<QToolButton>(*m_main, "tbOpen"), Named<QAction>(*m_main, "mnuFileOpen"), Qt::Key_O, [&] {
            ExpectSaveQuestion(q, QStringLiteral("Your current color scheme has changed.  Save before opening a new scheme?"), asked);
            SOAK_CHECK(m_desktop.openChoices.empty(), "the open dialog was not shown");
            if (!q.goesOn || !choice)
                return;
            if (choice->endsWith(QStringLiteral("gone.tw"))) {
                ExpectMessage(SchemeMessages::kOpenFailed);
                return;
            }
            if (choice->endsWith(QStringLiteral("junk.tw"))) {
                ExpectMessage(SchemeMessages::kNotValid);
                return;
            }
            // What was saved is what comes back.
            const SchemeData& saved = m_saved.at(*choice);
            m_expected.favorites = saved.favorites;
            m_expected.favSelected = saved.favorites.empty() ? -1 : 0;
            m_expected.preview = saved.preview;
            m_expected.modified = false;
            ExpectSetBase(saved.baseColor);
            ++m_opens;
            CheckFavorites();
            CheckPreview();
        });
    }

    void NewScheme()
    {
        const int how = Pick(2) + 1;
        Log(std::string("new scheme via ") + std::to_string(how) + (m_expected.modified ? ", unsaved changes" : ""));
        const qsizetype asked = m_desktop.questions.size();
        const SaveQuestion q = ScriptSaveQuestion();
        FileCommand(how, nullptr, Named<QAction>(*m_main, "mnuFileNew"), Qt::Key_N, [&] {
            ExpectSaveQuestion(q, QStringLiteral("Your current color scheme has changed.  Save before creating a new scheme?"), asked);
            if (!q.goesOn)
                return;
            m_expected.favorites.clear();
            m_expected.favSelected = -1;
            m_expected.preview = DefaultPreviewColors();
            m_expected.modified = false;
            CheckFavorites();
            CheckPreview();
        });
    }

    // Timers run: the Favorites list's auto-scroll goes on after a drag ended near an edge.
    void LetTimersRun()
    {
        Log("let timers run");
        QTest::qWait(Between(1, 30));
    }

    TestFolder m_folder;
    ScriptedPlatform m_desktop;
    std::unique_ptr<Application> m_app;
    TfrmMain* m_main = nullptr;
    std::optional<MainControls> m_ui; // the controls of m_main
    TfrmFavorites* m_favs = nullptr;
    TfrmPreview* m_preview = nullptr;
    TfrmPreferences* m_prefs = nullptr;

    const std::uint64_t m_seed;
    const int m_actions;
    std::mt19937_64 m_random;
    int m_index = -1;
    std::deque<std::string> m_log;
    std::map<QString, SchemeData> m_saved; // every scheme file written, as it was written
    qint64 m_elapsedMs = 0;
    const bool m_tracing = qEnvironmentVariableIsSet("TINTWELL_SOAK_TRACE"); // every key and expected base colour
    int m_baseChanges = 0;
    int m_drops = 0;
    int m_saves = 0;
    int m_opens = 0;
    int m_mostHistory = 0;
    int m_mostFavorites = 0;

    Expected m_expected;
    bool m_settledBefore = true;
    bool m_expectBaseSettled = false; // BaseColor must equal SchemeColors[0] after the action
    bool m_dragEnded = false;          // a colour drag ended: SelectedColor is the base colour again

    const int m_memoryEvery = static_cast<int>(EnvNumber("TINTWELL_SOAK_MEMORY", 0));
    const double m_growthLimit = static_cast<double>(EnvNumber("TINTWELL_SOAK_GROWTH", 2));
    std::size_t m_warmHeap = 0;
    std::size_t m_warmResident = 0;
    int m_warmAction = 0;
    std::size_t m_lastHeap = 0;
    std::size_t m_lastResident = 0;
};

// The offscreen platform's notes on what it cannot do (raise a window, grab the keyboard for a menu) would bury
// the report of a long run.
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << std::endl;
}

TEST(SoakTest, RandomUserActionsKeepEveryWindowConsistent)
{
    const QtMessageHandler previous = qInstallMessageHandler(QuietPlatformNotes);
    const auto seed = EnvNumber("TINTWELL_SOAK_SEED", kDefaultSeed);
    const int actions = static_cast<int>(EnvNumber("TINTWELL_SOAK_ACTIONS", kDefaultActions));
    std::cout << "soak: seed " << seed << ", " << actions << " actions" << std::endl;
    Soak soak(seed, actions);
    const std::string failure = soak.Run();
    qInstallMessageHandler(previous);
    if (!failure.empty()) {
        DragManager::Instance().Cancel();
        FAIL() << failure;
    }
    std::cout << "soak: " << soak.Summary() << std::endl;
}

} // namespace
