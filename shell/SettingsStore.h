#pragma once
#include <QString>

namespace zodiac {

// Per-user settings: application = the running executable's base name, group "Settings", and both
// the key and the value scrambled. Needs a QCoreApplication.

// The value stored under the key, or the empty text when there is none.
QString ReadSetting(const QString& key);

// Stores the value and flushes it to disk. Returns false when the value did not reach the store
// (the folder or file cannot be written), so the caller can stop what depends on it.
bool WriteSetting(const QString& key, const QString& value);

// The settings application name in use: the running executable's base file name.
QString SettingsApplicationName();

// Where the settings file lives, for the README and the tests.
QString SettingsFilePath();

// Scrambled form of a text as it is kept in a text store: the scrambled codes read as Windows-1252.
QString ScrambleToStoredText(const QString& text);
QString UnscrambleStoredText(const QString& stored);

} // namespace zodiac
