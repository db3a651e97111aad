#include "SettingsStore.h"

#include "TextScrambler.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace zodiac {

namespace {

constexpr auto OrganizationName = "Nerro";
constexpr auto SectionName = "Settings";

QSettings OpenStore() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(OrganizationName),
                     SettingsApplicationName());
}

// Scrambled form of a text as it is kept in a text store: the scrambled codes read as Windows-1252.
QString ScrambleToStoredText(const QString& text) {
    return QString::fromStdU16String(DecodeWindows1252(ScrambleText(text.toStdU16String())));
}

QString UnscrambleStoredText(const QString& stored) {
    return QString::fromStdU16String(UnscrambleText(EncodeWindows1252(stored.toStdU16String())));
}

QString StoredKey(const QString& key) {
    return QLatin1String(SectionName) + QLatin1Char('/') + ScrambleToStoredText(key);
}

} // namespace

QString SettingsApplicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString SettingsFilePath() {
    return OpenStore().fileName();
}

StoredSetting ReadStoredSetting(const QString& key) {
    QSettings store = OpenStore();
    const QString storedKey = StoredKey(key);
    if (!store.contains(storedKey))
        return {};
    // An INI value with a comma reads as a list, "@Invalid()" as no value at all: a file edited by
    // hand or by another program. Neither is a text of ours.
    const QVariant value = store.value(storedKey);
    if (value.typeId() != QMetaType::QString)
        return {StoredSetting::NotText, QString()};
    return {StoredSetting::Text, UnscrambleStoredText(value.toString())};
}

QString ReadSetting(const QString& key) {
    return ReadStoredSetting(key).text;
}

bool WriteSetting(const QString& key, const QString& value) {
    QSettings store = OpenStore();
    if (!store.isWritable())
        return false;
    const QString storedKey = StoredKey(key);
    const QString stored = ScrambleToStoredText(value);
    store.setValue(storedKey, stored);
    store.sync();
    switch (store.status()) {
    case QSettings::NoError:
        return true;
    case QSettings::AccessError:
        return false;
    case QSettings::FormatError:
        break;
    }
    // A damaged line in the file was met while the write merged the file, and QSettings keeps that
    // first error even when the write itself went through. So judge the write by a fresh read:
    // a written file no longer holds the damaged line and does hold the value.
    QSettings check = OpenStore();
    check.sync();
    return check.status() == QSettings::NoError && check.value(storedKey) == QVariant(stored);
}

} // namespace zodiac
