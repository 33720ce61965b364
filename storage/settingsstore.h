#pragma once

#include "filestatus.h"

#include <QString>

struct Settings;

// The player's own choices (the two volumes, the animation speed, hints,
// high contrast and the language) in an INI file, remembered between runs. The switches and
// the music track are never written: the program switches them on at every
// start, and only a saved game carries them.
class SettingsStore
{
public:
    explicit SettingsStore(QString path);

    const QString &path() const { return m_path; }

    // Sets the remembered choices from the file, each one on its own falling
    // back to its default when it is missing or not valid; the switches and
    // the track are left alone. No file at all is the first run: the
    // defaults, and no problem. A file that cannot be read or parsed gives
    // the defaults and its problem (Unreadable, IsDirectory or Damaged), and
    // from then on this store never writes over it.
    FileStatus load(Settings &settings);

    // Writes the remembered choices: a new file beside the old one, renamed
    // over it, so a failure leaves the old file as it was. A missing folder
    // is created. Problems: FolderNotCreated, IsDirectory, Unwritable, or the
    // refusal to replace a file that could not be read or parsed.
    FileStatus save(const Settings &settings);

private:
    FileStatus refuse(FileProblem problem);

    QString m_path;
    FileStatus m_refusal; // not ok once the file on disk must be kept as it is
};
