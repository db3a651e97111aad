#pragma once
#include <QString>

namespace zodiac {

// Per-user settings: application = the running executable's base name, group "Settings", and both
// the key and the value scrambled. Needs a QCoreApplication.

// What the store holds under a key.
struct StoredSetting {
    enum Kind {
        Absent,  // no such key
        Text,    // a text, unscrambled in `text`
        NotText, // something the store does not read as one text (a list, an invalid value)
    } kind = Absent;
    QString text;
};
StoredSetting ReadStoredSetting(const QString& key);

// The text stored under the key, or the empty text when there is none.
QString ReadSetting(const QString& key);

// Stores the value and flushes it to disk. Returns false when the value did not reach the store
// (the folder or file cannot be written), so the caller can stop what depends on it.
bool WriteSetting(const QString& key, const QString& value);

// The settings application name in use: the running executable's base file name.
QString SettingsApplicationName();

// Where the settings file lives, for the README and the tests.
QString SettingsFilePath();

} // namespace zodiac
