#include "host/hostlauncher.h"
#include "host/theme.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("keylight-host"));
    QApplication::setApplicationVersion(QStringLiteral(KEYLIGHT_HOST_VERSION));
    Theme::apply(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    return HostLauncher(out, err).run(QApplication::arguments());
}
