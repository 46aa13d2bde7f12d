#include "host/hostlauncher.h"
#include "host/theme.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("keylight-host"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KEYLIGHT_HOST_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Help, version, mistakes and transfers must answer where there is no display at all.
    if (!HostLauncher::needsWindow(arguments)) {
        QCoreApplication app(argc, argv);
        return HostLauncher(out, err).run(QCoreApplication::arguments());
    }
    QApplication app(argc, argv);
    Theme::apply(app);
    return HostLauncher(out, err).run(QApplication::arguments());
}
