#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace zodiac {

namespace {
QString LockFolderAndName(const QString& identity) {
    QString name = identity;
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_' && c != u'.') {
            c = u'_';
        }
    }
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) {
        return runtime + u'/' + name + QStringLiteral(".lock");
    }
    // The temporary folder is shared by all users, so name the user in the file.
    QString user;
#ifdef Q_OS_UNIX
    user = u'-' + QString::number(static_cast<qulonglong>(::getuid()));
#endif
    return QDir::tempPath() + u'/' + name + user + QStringLiteral(".lock");
}
} // namespace

SingleInstance::SingleInstance(const QString& identity) : path_(LockFolderAndName(identity)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::TryAcquire() {
    if (lock_ && lock_->isLocked()) {
        return true;
    }
    lock_ = std::make_unique<QLockFile>(path_);
    // Staleness by age would let a long-running copy be taken over; only a dead owner frees the lock.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

QString SingleInstance::LockFilePath() const {
    return path_;
}

} // namespace zodiac
