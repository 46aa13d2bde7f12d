#include "host/hostlauncher.h"
#include "host/theme.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("keylight-host"));
    QApplication::setApplicationVersion(QStringLiteral(KEYLIGHT_HOST_VERSION));
    Theme::apply(app);
    // Title bars want the small size, task switchers the large one.
    QIcon icon(QStringLiteral(":/KeyLightHost/icon/32.png"));
    icon.addFile(QStringLiteral(":/KeyLightHost/icon/128.png"));
    QApplication::setWindowIcon(icon);

    QTextStream out(stdout);
    QTextStream err(stderr);
    return HostLauncher(out, err).run(QApplication::arguments());
}
