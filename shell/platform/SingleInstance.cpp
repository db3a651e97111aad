#include "SingleInstance.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace zodiac {

namespace {

QString SafeName(const QString& identity) {
    QString name = identity;
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_' && c != u'.')
            c = u'_';
    }
    return name;
}

QStringList LockCandidates(const QString& identity, const QString& folder) {
    const QString name = SafeName(identity);
    QStringList candidates;
    const QString first =
        folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) : folder;
    if (!first.isEmpty())
        candidates << first + u'/' + name + QStringLiteral(".lock");
    // The temporary folder is shared by all users, so name the user in the file.
    QString user;
#ifdef Q_OS_UNIX
    user = u'-' + QString::number(static_cast<qulonglong>(::getuid()));
#endif
    candidates << QDir::tempPath() + u'/' + name + user + QStringLiteral(".lock");
    return candidates;
}

} // namespace

SingleInstance::SingleInstance(const QString& identity, const QString& folder)
    : m_candidates(LockCandidates(identity, folder)), m_path(m_candidates.front()) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::TryLockAt(const QString& path) {
    m_lock = std::make_unique<QLockFile>(path);
    // Staleness by age alone would let a long-running copy be taken over; a dead owner, or an owner
    // that cannot be read in an old file, frees the lock.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Outcome::Held;
    if (m_lock->error() != QLockFile::LockFailedError)
        return Outcome::FolderUnusable;

    qint64 pid = 0;
    QString host, application;
    if (m_lock->getLockInfo(&pid, &host, &application))
        return Outcome::HeldByOther;
    // A copy that is starting right now writes its details just after creating the file, so only an
    // unreadable file of some age is one left behind.
    const QDateTime modified = QFileInfo(path).lastModified();
    const qint64 age = modified.msecsTo(QDateTime::currentDateTime());
    if (modified.isValid() && std::abs(age) < UnreadableLockGraceMs)
        return Outcome::HeldByOther;
    if (!m_lock->removeStaleLockFile())
        return Outcome::HeldByOther;
    return m_lock->tryLock(0) ? Outcome::Held : Outcome::HeldByOther;
}

bool SingleInstance::TryAcquire() {
    if (m_lock && m_lock->isLocked())
        return true;
    for (const QString& path : std::as_const(m_candidates)) {
        m_path = path;
        switch (TryLockAt(path)) {
        case Outcome::Held:
            return true;
        case Outcome::HeldByOther:
            return false;
        case Outcome::FolderUnusable:
            break;
        }
    }
    // No folder can hold a lock: run unguarded rather than refuse every start.
    m_lock.reset();
    m_path = m_candidates.front();
    return true;
}

QString SingleInstance::LockFilePath() const {
    return m_path;
}

} // namespace zodiac
