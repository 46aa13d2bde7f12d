#include "keylight/keylightwid.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("keylight-host"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the window to FILE and exit."),
                                        QStringLiteral("FILE"));
    parser.addOption(screenshot);
    parser.process(app);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("KeyLight"));
    auto* page = new KeyLightWid(&window);
    window.setCentralWidget(page);
    window.resize(1066, 670);
    page->updateUi(0);

    if (parser.isSet(screenshot)) {
        window.show();
        return window.grab().save(parser.value(screenshot)) ? 0 : 2;
    }
    window.show();
    return app.exec();
}
