// SPDX-License-Identifier: MIT
#include "host/desktop/autostartentry.h"

#include "platform/profilestore/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace AutostartEntry {

namespace {
const QString kFileName = QStringLiteral("org.keylight.KeyLight.desktop");
const QString kMinimized = QStringLiteral("--minimized");

// An argument as the Exec key takes it: plain when it holds nothing the key reserves,
// otherwise in double quotes with the four characters that stay special there escaped.
QString quoted(const QString& argument)
{
    static const QRegularExpression reserved(QStringLiteral("[\\s\"'\\\\><~|&;$*?#()`%]"));
    const bool plain = !argument.isEmpty() && !reserved.match(argument).hasMatch();
    QString text;
    for (const QChar c : argument) {
        if (c == QLatin1Char('%'))
            text += QLatin1Char('%'); // a field code otherwise
        else if (!plain && QStringLiteral("\"`$\\").contains(c))
            text += QLatin1Char('\\');
        text += c;
    }
    return plain ? text : QLatin1Char('"') + text + QLatin1Char('"');
}
} // namespace

QString path()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart/") + kFileName);
}

bool isEnabled()
{
    return QFileInfo(path()).isFile();
}

QString contents(const QString& program, const QStringList& arguments)
{
    QStringList exec{quoted(program), kMinimized};
    for (const QString& argument : arguments)
        exec << quoted(argument);
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=KeyLight\n"
                          "Comment=Keyboard lighting, started in the tray\n"
                          "Exec=%1\n"
                          "Icon=org.keylight.KeyLight\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(exec.join(QLatin1Char(' ')));
}

bool setEnabled(bool enabled, const QStringList& arguments, QString* problem)
{
    const QString file = path();
    const QString shown = QDir::toNativeSeparators(file);
    const QString refusal = SafeFile::refusal(file);
    if (!refusal.isEmpty()) {
        *problem = QCoreApplication::translate("AutostartEntry",
                                               "The autostart entry %1 was left alone: %2.")
                       .arg(shown, refusal);
        return false;
    }
    if (!enabled) {
        if (!QFileInfo::exists(file) || QFile::remove(file))
            return true;
        *problem = QCoreApplication::translate("AutostartEntry",
                                               "The autostart entry %1 could not be removed.")
                       .arg(shown);
        return false;
    }
    const QString written = SafeFile::write(
        file, contents(QCoreApplication::applicationFilePath(), arguments).toUtf8());
    if (written.isEmpty())
        return true;
    *problem = QCoreApplication::translate("AutostartEntry",
                                           "The autostart entry %1 could not be written: %2.")
                   .arg(shown, written);
    return false;
}

} // namespace AutostartEntry
