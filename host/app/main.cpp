// SPDX-License-Identifier: MIT
#include "host/app/hostlauncher.h"
#include "host/window/theme.h"

#include <QApplication>
#include <QIcon>
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
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Icons take their @2x images on a screen at twice the scale, rather than a blurred
    // enlargement of the small ones; Qt 6 always does.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    // Everything is painted with QPainter; a window that could also take OpenGL children
    // makes the X11 platform load the GL driver, which costs about 8 MB of private memory
    // (a software renderer's compiler among it) for nothing.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
    QApplication app(argc, argv);
    Theme::apply(app);
    // Title bars want the small size, task switchers the large one.
    QIcon icon(QStringLiteral(":/KeyLightHost/icon/32.png"));
    icon.addFile(QStringLiteral(":/KeyLightHost/icon/128.png"));
    QApplication::setWindowIcon(icon);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.keylight.KeyLight"));
    return HostLauncher(out, err).run(QApplication::arguments());
}
