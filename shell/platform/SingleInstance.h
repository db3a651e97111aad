#pragma once
#include "AppInfo.h"

#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

namespace zodiac {

// Keeps a second copy of the program from running. The lock is a QLockFile in the user's runtime
// folder. A lock that no running copy holds never blocks a start: one left by a copy that crashed
// or was killed is recognised by its dead process id, and one whose owner cannot be read (left
// empty by a kill between its creation and its write) counts as left behind once it is a few
// seconds old. The lock is held as long as this object lives.
class SingleInstance {
public:
    // `folder` is where the lock lives; by default the runtime folder. When the folder cannot hold
    // a lock (read-only, missing), the temporary folder does, under a name with the user's id.
    explicit SingleInstance(const QString& identity = QString::fromUtf8(ExecutableBaseName),
                            const QString& folder = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this copy now holds the lock (or held it already), and also when no folder can
    // hold a lock at all, since a user must never be locked out; false while another copy holds it.
    bool TryAcquire();

    // The lock file in use: where the lock was taken, or the first place tried before that.
    QString LockFilePath() const;

    // Age after which a lock file whose owner cannot be read counts as left behind.
    static constexpr int UnreadableLockGraceMs = 5000;

private:
    enum class Outcome { Held, HeldByOther, FolderUnusable };
    Outcome TryLockAt(const QString& path);

    QStringList m_candidates;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace zodiac
