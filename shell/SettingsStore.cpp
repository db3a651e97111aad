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

QString StoredKey(const QString& key) {
    return QLatin1String(SectionName) + QLatin1Char('/') + ScrambleToStoredText(key);
}

} // namespace

QString ScrambleToStoredText(const QString& text) {
    return QString::fromStdU16String(DecodeWindows1252(ScrambleText(text.toStdU16String())));
}

QString UnscrambleStoredText(const QString& stored) {
    return QString::fromStdU16String(UnscrambleText(EncodeWindows1252(stored.toStdU16String())));
}

QString SettingsApplicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString SettingsFilePath() {
    return OpenStore().fileName();
}

QString ReadSetting(const QString& key) {
    QSettings store = OpenStore();
    const QVariant value = store.value(StoredKey(key));
    if (!value.isValid())
        return {};
    return UnscrambleStoredText(value.toString());
}

bool WriteSetting(const QString& key, const QString& value) {
    QSettings store = OpenStore();
    if (!store.isWritable())
        return false;
    store.setValue(StoredKey(key), ScrambleToStoredText(value));
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace zodiac
