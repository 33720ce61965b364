#include "settingsstore.h"

#include "settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <array>
#include <utility>

namespace {

const QString MusicVolumeKey = QStringLiteral("musicVolume");
const QString EffectsVolumeKey = QStringLiteral("effectsVolume");
const QString AnimationSpeedKey = QStringLiteral("animationSpeed");
const QString HintsKey = QStringLiteral("hints");
const QString HighContrastKey = QStringLiteral("highContrast");
const QString LanguageKey = QStringLiteral("language");
const QString ZoomKey = QStringLiteral("zoom");

// The file holds five short lines; anything far larger is not ours, and
// QSettings would read all of it into memory.
constexpr qint64 MaxFileBytes = 64 * 1024;

struct SpeedName
{
    AnimationSpeed speed;
    QLatin1StringView name;
};

constexpr std::array<SpeedName, 4> SpeedNames{{
    {AnimationSpeed::Slow, QLatin1StringView("slow")},
    {AnimationSpeed::Normal, QLatin1StringView("normal")},
    {AnimationSpeed::Fast, QLatin1StringView("fast")},
    {AnimationSpeed::Instant, QLatin1StringView("instant")},
}};

// The INI format reads every value back as text, or as a list when it holds
// commas; anything but a single text is of the wrong kind.
bool textOf(const QSettings &ini, const QString &key, QString &text)
{
    const QVariant value = ini.value(key);
    if (value.typeId() != QMetaType::QString)
        return false;
    text = value.toString().trimmed();
    return true;
}

// A whole number of per cent within [lowest, highest]; anything else falls back.
int readPercent(const QSettings &ini, const QString &key, int fallback, int lowest = 0, int highest = 100)
{
    QString text;
    if (!textOf(ini, key, text))
        return fallback;
    bool ok = false;
    const int percent = text.toInt(&ok);
    return ok && percent >= lowest && percent <= highest ? percent : fallback;
}

// Only the words QSettings itself writes for a bool: QVariant would take any
// other text for true.
bool readFlag(const QSettings &ini, const QString &key, bool fallback)
{
    QString text;
    if (!textOf(ini, key, text))
        return fallback;
    if (text.compare(QLatin1StringView("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1StringView("false"), Qt::CaseInsensitive) == 0)
        return false;
    return fallback;
}

AnimationSpeed readSpeed(const QSettings &ini, const QString &key, AnimationSpeed fallback)
{
    QString text;
    if (!textOf(ini, key, text))
        return fallback;
    for (const SpeedName &entry : SpeedNames) {
        if (text.compare(entry.name, Qt::CaseInsensitive) == 0)
            return entry.speed;
    }
    return fallback;
}

QString speedName(AnimationSpeed speed)
{
    for (const SpeedName &entry : SpeedNames) {
        if (entry.speed == speed)
            return entry.name;
    }
    return SpeedNames[1].name;
}

// Following the system is the absence of a choice: no key at all.
Language readLanguage(const QSettings &ini, const QString &key)
{
    QString text;
    if (!textOf(ini, key, text))
        return Language::System;
    if (text.compare(QLatin1StringView("uk"), Qt::CaseInsensitive) == 0)
        return Language::Ukrainian;
    if (text.compare(QLatin1StringView("en"), Qt::CaseInsensitive) == 0)
        return Language::English;
    return Language::System;
}

QString flagText(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

void applyDefaults(Settings &settings)
{
    const Settings defaults;
    settings.musicVolume = defaults.musicVolume;
    settings.effectsVolume = defaults.effectsVolume;
    settings.animationSpeed = defaults.animationSpeed;
    settings.hints = defaults.hints;
    settings.highContrast = defaults.highContrast;
    settings.language = defaults.language;
    settings.zoomPercent = defaults.zoomPercent;
}

// QSettings parses sections lazily and reports a bad line only once its
// section is read; asking for every key reads them all.
FileProblem parseProblem(QSettings &ini)
{
    (void)ini.allKeys();
    switch (ini.status()) {
    case QSettings::NoError:
        return FileProblem::None;
    case QSettings::AccessError:
        return FileProblem::Unreadable;
    case QSettings::FormatError:
        return FileProblem::Damaged;
    }
    return FileProblem::Damaged;
}

} // namespace

SettingsStore::SettingsStore(QString path)
    : m_path(std::move(path))
{
}

FileStatus SettingsStore::refuse(FileProblem problem)
{
    m_refusal = {problem, m_path};
    return m_refusal;
}

FileStatus SettingsStore::load(Settings &settings)
{
    applyDefaults(settings);
    const QFileInfo info(m_path);
    if (!info.exists())
        return {};
    // Qt keeps what it parsed of a file for the whole process and would not
    // report the damage a second time; the refusal is remembered here.
    if (!m_refusal.ok())
        return m_refusal;
    if (info.isDir())
        return refuse(FileProblem::IsDirectory);
    if (!info.isFile())
        return refuse(FileProblem::Unreadable); // a pipe or device could block
    if (info.size() > MaxFileBytes)
        return refuse(FileProblem::Damaged);

    QSettings ini(m_path, QSettings::IniFormat);
    if (const FileProblem problem = parseProblem(ini); problem != FileProblem::None)
        return refuse(problem);

    const Settings defaults;
    settings.musicVolume = readPercent(ini, MusicVolumeKey, defaults.musicVolume);
    settings.effectsVolume = readPercent(ini, EffectsVolumeKey, defaults.effectsVolume);
    settings.animationSpeed = readSpeed(ini, AnimationSpeedKey, defaults.animationSpeed);
    settings.hints = readFlag(ini, HintsKey, defaults.hints);
    settings.highContrast = readFlag(ini, HighContrastKey, defaults.highContrast);
    settings.language = readLanguage(ini, LanguageKey);
    settings.zoomPercent = readPercent(ini, ZoomKey, defaults.zoomPercent, 100, 300);
    return {};
}

FileStatus SettingsStore::save(const Settings &settings)
{
    if (!m_refusal.ok())
        return m_refusal;
    const QFileInfo info(m_path);
    if (info.isDir())
        return {FileProblem::IsDirectory, m_path};
    if (info.exists() && !info.isFile())
        return refuse(FileProblem::Unreadable);
    if (info.size() > MaxFileBytes)
        return refuse(FileProblem::Damaged);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir() && (folder.exists() || !QDir().mkpath(folder.filePath())))
        return {FileProblem::FolderNotCreated, folder.filePath()};

    // QSettings writes back every key it could parse and drops the rest: a
    // file damaged since it was loaded must not be replaced.
    QSettings ini(m_path, QSettings::IniFormat);
    if (const FileProblem problem = parseProblem(ini); problem != FileProblem::None)
        return refuse(problem);

    // Atomic sync is required by default: QSettings writes through QSaveFile
    // and fails rather than write the file in place.
    ini.setValue(MusicVolumeKey, QString::number(std::clamp(settings.musicVolume, 0, 100)));
    ini.setValue(EffectsVolumeKey, QString::number(std::clamp(settings.effectsVolume, 0, 100)));
    ini.setValue(AnimationSpeedKey, speedName(settings.animationSpeed));
    ini.setValue(HintsKey, flagText(settings.hints));
    ini.setValue(HighContrastKey, flagText(settings.highContrast));
    ini.setValue(ZoomKey, QString::number(std::clamp(settings.zoomPercent, 100, 300)));
    switch (settings.language) {
    case Language::Ukrainian: ini.setValue(LanguageKey, QStringLiteral("uk")); break;
    case Language::English: ini.setValue(LanguageKey, QStringLiteral("en")); break;
    case Language::System: ini.remove(LanguageKey); break;
    }
    ini.sync();
    if (ini.status() != QSettings::NoError)
        return {FileProblem::Unwritable, m_path};
    return {};
}
