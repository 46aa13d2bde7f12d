// SPDX-License-Identifier: MIT
#pragma once

// Runs the built keylight-host as a person runs it from a shell, for suites that check what
// it prints, what it returns and what it leaves on disk. The suite defines
// KEYLIGHT_HOST_BINARY.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>

namespace HostProcess {

constexpr int kUsageExit = 2;
constexpr int kRunTimeoutMs = 120000; // a bound for a hung child, not a speed target

struct Run
{
    int exitCode = -1; // -1 when the host hung or crashed
    QString out;
    QStringList errLines;
};

// Sets this process's environment, which the children inherit, so that they touch nothing
// of the user's (configuration and runtime folders inside `scratch`), need no display, and
// speak English whatever the machine's language: their texts are checked word for word.
inline void isolateChildren(const QString& scratch)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing but the host may write to stderr.
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    const QString config = QDir(scratch).filePath(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    const QString runtime = QDir(scratch).filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                       | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    const QByteArray lsan = qgetenv("LSAN_OPTIONS");
    if (!lsan.contains("print_suppressions=0"))
        qputenv("LSAN_OPTIONS", lsan + (lsan.isEmpty() ? "" : ":") + "print_suppressions=0");
}

// The environment of the tests, for runs that change a variable or two.
inline QProcessEnvironment environment()
{
    return QProcessEnvironment::systemEnvironment();
}

inline Run finish(QProcess& process)
{
    Run run;
    if (!process.waitForFinished(kRunTimeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.errLines = QString::fromLocal8Bit(process.readAllStandardError())
                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return run;
}

inline Run runHost(const QStringList& arguments,
                   const QProcessEnvironment& environment = HostProcess::environment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KEYLIGHT_HOST_BINARY), arguments);
    return finish(process);
}

// As runHost, on a disk that takes no file larger than `maxFileBytes`: the shell's file size
// limit makes every longer write fail, as a full disk does.
inline Run runHostOnFullDisk(const QStringList& arguments, int maxFileBytes)
{
    // The limit is counted in blocks of 512 bytes; beyond it the kernel would send SIGXFSZ,
    // which is ignored, so the write itself fails and the host sees the error.
    constexpr int kBlockBytes = 512;
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral("/bin/sh"),
                  QStringList{QStringLiteral("-c"),
                              QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"")
                                  .arg(maxFileBytes / kBlockBytes),
                              QStringLiteral(KEYLIGHT_HOST_BINARY)}
                      + arguments);
    return finish(process);
}

} // namespace HostProcess
