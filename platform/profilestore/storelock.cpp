// SPDX-License-Identifier: MIT
#include "platform/profilestore/storelock.h"

#include "platform/profilestore/storepaths.h"
#include "platform/profilestore/storetext.h"

namespace StoreLock {

std::unique_ptr<QLockFile> take(const QString& filePath, QString* refusal)
{
    auto lock = std::make_unique<QLockFile>(StorePaths::lockPath(filePath));
    // The owner keeps the lock as long as it runs: only a lock whose process is gone is
    // stale, however old it is.
    lock->setStaleLockTime(0);
    if (lock->tryLock() || lock->error() != QLockFile::LockFailedError)
        return lock;
    qint64 pid = 0;
    QString host;
    QString program;
    lock->getLockInfo(&pid, &host, &program);
    *refusal = StoreText::tr("The profile file \"%1\" is in use by %2 (process %3); only one "
                             "program may change it at a time.")
                   .arg(StorePaths::shown(filePath),
                        program.isEmpty() ? StoreText::tr("another program") : program)
                   .arg(pid);
    return nullptr;
}

} // namespace StoreLock
