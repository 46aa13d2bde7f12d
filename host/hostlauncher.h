#pragma once

// Runs the host as the command line asks: transfers, a screenshot, or the window. Errors
// are one line on the error stream and exit code 2.

#include <QString>
#include <QStringList>

class HostCommandLine;
class ProfileStore;
class QTextStream;

class HostLauncher
{
public:
    static constexpr int kExitOk = 0;
    static constexpr int kExitUsage = 2;

    HostLauncher(QTextStream& out, QTextStream& err);

    // Needs a QApplication; returns the process exit code.
    int run(const QStringList& arguments);

private:
    int fail(const QString& message);
    bool openStore(const HostCommandLine& commandLine, ProfileStore& store);
    bool transfer(const HostCommandLine& commandLine, ProfileStore& store);

    QTextStream& m_out;
    QTextStream& m_err;
    QString m_storeProblem;
};
