#pragma once
#include "AppInfo.h"

#include <QString>
#include <memory>

class QLockFile;

namespace zodiac {

// Keeps a second copy of the program from running. The lock is a QLockFile in the user's runtime
// folder; a lock left by a copy that crashed or was killed is recognised by its dead process id and
// taken over. The lock is held as long as this object lives.
class SingleInstance {
public:
    explicit SingleInstance(const QString& identity = QString::fromUtf8(ExecutableBaseName));
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this copy now holds the lock (or held it already); false while another holds it.
    bool TryAcquire();

    QString LockFilePath() const;

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace zodiac
