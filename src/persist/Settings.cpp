#include "Settings.h"

#include <QCoreApplication>

#include <limits>

namespace {

template <typename T>
struct Key {
    const char* section;
    const char* name;
    T fallback;
};

// A window's place: the top-left corner of its frame, its default worked out from the other windows.
struct PlaceKey {
    const char* section;
};

// Every key of the file. Key names are kept as the file has always had them ("FavExitWarn" holds the warning
// before exiting, whatever its name says).
constexpr Key<int> kBaseColor { "Main", "BaseColor", 0x0000FF };
constexpr PlaceKey kMainPlace { "Main" };
constexpr PlaceKey kFavoritesPlace { "Favs" };
constexpr PlaceKey kPreviewPlace { "Preview" };
constexpr Key<bool> kShowContrast { "Preview", "ShowContrast", false };
constexpr Key<int> kPalette { "Prefs", "Palette", static_cast<int>(PaletteKind::Websafe) };
constexpr Key<bool> kRybMode { "Prefs", "RYBMode", true };
constexpr Key<int> kHighlight { "Prefs", "Highlight", static_cast<int>(Harmony::None) };
// The steps are stored as text: the Preferences dialog has always written its fields' text.
constexpr Key<int> kLightnessStep { "Prefs", "LInc", kDefaultStepPercent };
constexpr Key<int> kSaturationStep { "Prefs", "SInc", kDefaultStepPercent };
constexpr Key<bool> kFavOnTop { "Prefs", "FavOnTop", false };
constexpr Key<bool> kRememberScheme { "Prefs", "RememberScheme", true };
constexpr Key<bool> kFavDelWarn { "Prefs", "FavDelWarn", false };
constexpr Key<bool> kFavExitWarn { "Prefs", "FavExitWarn", true };
constexpr Key<bool> kMoreCopyFormats { "Prefs", "MoreCopyFormats", false };

QString Latin1(const char* text)
{
    return QString::fromLatin1(text);
}

int Read(const IniFile& ini, const Key<int>& key)
{
    return ini.ReadInteger(Latin1(key.section), Latin1(key.name), key.fallback);
}

bool Read(const IniFile& ini, const Key<bool>& key)
{
    return ini.ReadBool(Latin1(key.section), Latin1(key.name), key.fallback);
}

QPoint Read(const IniFile& ini, const PlaceKey& key, const QPoint& fallback)
{
    const QString section = Latin1(key.section);
    return { ini.ReadInteger(section, QStringLiteral("Left"), fallback.x()),
        ini.ReadInteger(section, QStringLiteral("Top"), fallback.y()) };
}

// A whole percent in plain decimal that fits an int, blanks around it allowed; anything else is the default.
int ReadStep(const IniFile& ini, const Key<int>& key)
{
    const QString text = ini.ReadString(Latin1(key.section), Latin1(key.name), QString()).trimmed();
    if (text.isEmpty())
        return key.fallback;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return key.fallback;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            return key.fallback;
    }
    return static_cast<int>(value);
}

void Write(IniFile& ini, const Key<int>& key, int value)
{
    ini.SetInteger(Latin1(key.section), Latin1(key.name), value);
}

void Write(IniFile& ini, const Key<bool>& key, bool value)
{
    ini.SetBool(Latin1(key.section), Latin1(key.name), value);
}

// Top before Left: the order in which the file has always been written.
void Write(IniFile& ini, const PlaceKey& key, const QPoint& place)
{
    const QString section = Latin1(key.section);
    ini.SetInteger(section, QStringLiteral("Top"), place.y());
    ini.SetInteger(section, QStringLiteral("Left"), place.x());
}

void WriteStep(IniFile& ini, const Key<int>& key, int percent)
{
    Q_ASSERT(percent >= 0 && percent <= kMaxStepPercent);
    ini.SetString(Latin1(key.section), Latin1(key.name), QString::number(percent));
}

} // namespace

Settings::Settings(const QString& path)
    : m_ini(path)
{
}

ColorValue Settings::BaseColor() const
{
    return static_cast<ColorValue>(Read(m_ini, kBaseColor)) & 0xFFFFFF;
}

QPoint Settings::MainPlace(const QPoint& centred) const
{
    return Read(m_ini, kMainPlace, centred);
}

bool Settings::MainPlaceStored() const
{
    // A coordinate that is missing or unreadable reads as whatever default it is given.
    return MainPlace({ 0, 0 }) == MainPlace({ 1, 1 });
}

QPoint Settings::FavoritesPlace(const QRect& mainFrame) const
{
    return Read(m_ini, kFavoritesPlace, DefaultFavoritesPlace(mainFrame));
}

QPoint Settings::PreviewPlace(const QRect& mainFrame, int previewFrameWidth) const
{
    return Read(m_ini, kPreviewPlace, DefaultPreviewPlace(mainFrame, previewFrameWidth));
}

QPoint Settings::DefaultFavoritesPlace(const QRect& mainFrame)
{
    return { mainFrame.left() + mainFrame.width(), mainFrame.top() };
}

QPoint Settings::DefaultPreviewPlace(const QRect& mainFrame, int previewFrameWidth)
{
    return { mainFrame.left() - previewFrameWidth, mainFrame.top() };
}

std::optional<PaletteKind> Settings::Palette() const
{
    const int stored = Read(m_ini, kPalette);
    if (stored < 0 || stored > static_cast<int>(PaletteKind::WebsafeSpectrum))
        return std::nullopt;
    return static_cast<PaletteKind>(stored);
}

WheelMode Settings::Wheel() const
{
    return Read(m_ini, kRybMode) ? WheelMode::Traditional : WheelMode::Computer;
}

Harmony Settings::Highlight() const
{
    const int stored = Read(m_ini, kHighlight);
    return stored >= 0 && stored < kHarmonyCount ? static_cast<Harmony>(stored) : Harmony::None;
}

int Settings::LightnessStep() const
{
    return ReadStep(m_ini, kLightnessStep);
}

int Settings::SaturationStep() const
{
    return ReadStep(m_ini, kSaturationStep);
}

bool Settings::ShowContrast() const
{
    return Read(m_ini, kShowContrast);
}

bool Settings::FavoritesOnTop() const
{
    return Read(m_ini, kFavOnTop);
}

bool Settings::RememberScheme() const
{
    return Read(m_ini, kRememberScheme);
}

bool Settings::WarnBeforeDelete() const
{
    return Read(m_ini, kFavDelWarn);
}

bool Settings::WarnBeforeExit() const
{
    return Read(m_ini, kFavExitWarn);
}

bool Settings::MoreCopyFormats() const
{
    return Read(m_ini, kMoreCopyFormats);
}

void Settings::SetBaseColor(ColorValue color)
{
    Write(m_ini, kBaseColor, static_cast<int>(color & 0xFFFFFF));
}

void Settings::SetMainPlace(const QPoint& place)
{
    Write(m_ini, kMainPlace, place);
}

void Settings::SetFavoritesPlace(const QPoint& place)
{
    Write(m_ini, kFavoritesPlace, place);
}

void Settings::SetPreviewPlace(const QPoint& place)
{
    Write(m_ini, kPreviewPlace, place);
}

void Settings::SetPalette(PaletteKind kind)
{
    Write(m_ini, kPalette, static_cast<int>(kind));
}

void Settings::SetWheel(WheelMode mode)
{
    Write(m_ini, kRybMode, mode == WheelMode::Traditional);
}

void Settings::SetHighlight(Harmony harmony)
{
    Write(m_ini, kHighlight, static_cast<int>(harmony));
}

void Settings::SetLightnessStep(int percent)
{
    WriteStep(m_ini, kLightnessStep, percent);
}

void Settings::SetSaturationStep(int percent)
{
    WriteStep(m_ini, kSaturationStep, percent);
}

void Settings::SetShowContrast(bool show)
{
    Write(m_ini, kShowContrast, show);
}

void Settings::SetFavoritesOnTop(bool onTop)
{
    Write(m_ini, kFavOnTop, onTop);
}

void Settings::SetRememberScheme(bool remember)
{
    Write(m_ini, kRememberScheme, remember);
}

void Settings::SetWarnBeforeDelete(bool warn)
{
    Write(m_ini, kFavDelWarn, warn);
}

void Settings::SetWarnBeforeExit(bool warn)
{
    Write(m_ini, kFavExitWarn, warn);
}

void Settings::SetMoreCopyFormats(bool more)
{
    Write(m_ini, kMoreCopyFormats, more);
}

WriteOutcome Settings::Commit()
{
    return m_ini.Commit();
}

QString Settings::CommitFailureMessage(const WriteOutcome& outcome, Kept kept) const
{
    if (outcome.ok())
        return {};
    const QString failed
        = (kept == Kept::Preferences ? QCoreApplication::translate("FileMessages", "The preferences could not be saved in %1")
                                     : QCoreApplication::translate("FileMessages", "The settings could not be saved in %1"))
                               .arg(m_ini.Path());
    if (outcome.kind == WriteOutcome::Kind::KeptUnusable)
        return QStringLiteral("%1: %2.").arg(failed, UnusableSettingsReason(m_ini));
    return WithFolderReason(failed, outcome.kind == WriteOutcome::Kind::FolderNotWritable, m_ini.Path());
}

QString Settings::UnusableMessage() const
{
    return UnusableSettingsMessage(m_ini);
}
