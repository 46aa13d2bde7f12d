// SPDX-License-Identifier: MIT
#include "platform/profilestore/safefile.h"

#include "platform/profilestore/storetext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// New files get the usual permissions, as the umask shapes them; a replaced file keeps its
// own, so a file the user made private stays private.
constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPermissionBits = 07777;
// A few tries for a free temporary name before giving up: another process of ours writing
// the same file at the same moment is the only way the first one is taken.
constexpr int kTemporaryNameTries = 16;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString cannotRead(int error)
{
    return StoreText::tr("it cannot be read (%1)").arg(systemReason(error));
}

QString cannotWrite(int error)
{
    return StoreText::tr("it cannot be written (%1)").arg(systemReason(error));
}

// What kind of thing lies at a path that is not a plain file, as a phrase.
QString notAFile(mode_t mode)
{
    if (S_ISLNK(mode))
        return StoreText::tr("it is a symbolic link, not a file");
    if (S_ISFIFO(mode))
        return StoreText::tr("it is a FIFO, not a file");
    if (S_ISDIR(mode))
        return StoreText::tr("it is a folder, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return StoreText::tr("it is a device, not a file");
    if (S_ISSOCK(mode))
        return StoreText::tr("it is a socket, not a file");
    return StoreText::tr("it is not a plain file");
}

QByteArray encoded(const QString& filePath)
{
    return QFile::encodeName(filePath);
}

// Closes a descriptor when it goes out of scope, whichever way the function leaves.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now, where a late write error of the file system still shows.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Makes a rename durable: the folder's entry reaches the disk too. Some file systems cannot
// sync a folder; the file itself is safe by then, so that is no failure.
void syncFolder(const QString& folder)
{
    const Descriptor dir(::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

// A new, empty file beside `filePath` that nobody else has opened.
int createTemporary(const QString& filePath, mode_t mode, QByteArray& temporaryPath)
{
    const QByteArray base = encoded(filePath) + ".new-" + QByteArray::number(qint64(::getpid()));
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        temporaryPath = attempt == 0 ? base : base + '-' + QByteArray::number(attempt);
        const int fd = ::open(temporaryPath.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}
} // namespace

namespace SafeFile {

QString refusal(const QString& filePath, Links links)
{
    struct stat info {};
    const QByteArray path = encoded(filePath);
    const int result = links == Links::Follow ? ::stat(path.constData(), &info)
                                              : ::lstat(path.constData(), &info);
    if (result != 0)
        return errno == ENOENT ? QString() : cannotRead(errno);
    return S_ISREG(info.st_mode) ? QString() : notAFile(info.st_mode);
}

bool read(const QString& filePath, QByteArray& bytes, QString& reason, qint64 maxBytes,
          Links links)
{
    // Without waiting: a FIFO with no writer would block the open itself.
    int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
    if (links == Links::Refuse)
        flags |= O_NOFOLLOW;
    Descriptor file(::open(encoded(filePath).constData(), flags));
    if (!file.valid()) {
        reason = errno == ELOOP ? notAFile(S_IFLNK) : cannotRead(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        reason = cannotRead(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = notAFile(info.st_mode);
        return false;
    }
    if (info.st_size > maxBytes) {
        reason = StoreText::tr("it is %1 bytes long, more than the %2 allowed")
                     .arg(qint64(info.st_size))
                     .arg(maxBytes);
        return false;
    }
    // One byte more than allowed is asked for, so a file that grew since is noticed.
    QByteArray content(int(info.st_size) + 1, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const ssize_t got =
            ::read(file.get(), content.data() + total, size_t(content.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            reason = cannotRead(errno);
            return false;
        }
        if (got == 0)
            break;
        total += got;
        if (total > maxBytes) {
            reason = StoreText::tr("it grew beyond the %1 bytes allowed while it was read")
                         .arg(maxBytes);
            return false;
        }
        if (total == content.size())
            content.resize(int(qMin<qint64>(maxBytes + 1, total * 2)));
    }
    content.truncate(int(total));
    bytes = content;
    return true;
}

QString write(const QString& filePath, const QByteArray& bytes, Folder makeFolder)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    if (makeFolder == Folder::MustExist && !QFileInfo(folder).isDir())
        return StoreText::tr("its folder does not exist");
    if (!QDir().mkpath(folder))
        return StoreText::tr("its folder cannot be created");

    mode_t mode = kNewFileMode;
    struct stat old {};
    if (::lstat(encoded(filePath).constData(), &old) == 0) {
        if (!S_ISREG(old.st_mode))
            return notAFile(old.st_mode);
        mode = old.st_mode & kPermissionBits;
    } else if (errno != ENOENT) {
        return cannotWrite(errno);
    }

    QByteArray temporaryPath;
    Descriptor file(createTemporary(filePath, mode, temporaryPath));
    if (!file.valid())
        return cannotWrite(errno);
    // A replaced file keeps its permissions even where the umask would narrow them.
    if (mode != kNewFileMode)
        ::fchmod(file.get(), mode);

    int error = 0;
    struct stat written {};
    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0
        || ::fstat(file.get(), &written) != 0)
        error = errno;
    else if (written.st_size != bytes.size())
        error = EIO;
    // Some file systems report a failed write only when the file is closed.
    if (file.close() != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporaryPath.constData());
        return cannotWrite(error);
    }
    if (::rename(temporaryPath.constData(), encoded(filePath).constData()) != 0) {
        const int reported = errno;
        ::unlink(temporaryPath.constData());
        return cannotWrite(reported);
    }
    syncFolder(folder);
    return {};
}

} // namespace SafeFile
