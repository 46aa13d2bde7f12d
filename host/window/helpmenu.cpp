// SPDX-License-Identifier: MIT
#include "host/window/helpmenu.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace {
// Where the build put the documentation, in the order they are looked at.
const char* const kDocumentationFolders[] = {KEYLIGHT_INSTALLED_DOCS, KEYLIGHT_SOURCE_DOCS};
} // namespace

HelpMenu::HelpMenu(QWidget* window)
    : QMenu(tr("&Help"), window)
    , m_window(window)
{
    setObjectName(QStringLiteral("helpMenu"));
    QAction* start = addAction(tr("&Getting Started"), this, &HelpMenu::showGettingStarted);
    start->setObjectName(QStringLiteral("actionGettingStarted"));
    QAction* docs = addAction(tr("&Documentation"), this, [this] {
        if (!openDocumentation())
            QMessageBox::information(m_window, tr("Documentation"),
                                     tr("The documentation was not installed with KeyLight."));
    });
    docs->setObjectName(QStringLiteral("actionDocumentation"));
    docs->setShortcut(QKeySequence::HelpContents);
    addSeparator();
    QAction* about = addAction(tr("&About KeyLight"), this, &HelpMenu::showAbout);
    about->setObjectName(QStringLiteral("actionAbout"));
    about->setMenuRole(QAction::AboutRole);
    QAction* aboutQt = addAction(tr("About &Qt"), qApp, &QApplication::aboutQt);
    aboutQt->setMenuRole(QAction::AboutQtRole);
}

QString HelpMenu::gettingStartedText()
{
    return tr("<p><b>Welcome to KeyLight.</b></p>"
              "<p>Choose an effect in LED MODE, its colours in LED COLOR and its speed and "
              "direction in LED SPEED; the picture above shows it, and APPLY stores it on "
              "the keyboard.</p>"
              "<p>The <b>virtual keyboard</b> beside the page is a keyboard of its own: it "
              "lights exactly what a real keyboard would, so you can try every effect "
              "without one. Type on it or click its keys to wake the effects that answer "
              "key presses.</p>"
              "<p>To light a <b>real keyboard</b>, run OpenRGB with its SDK server on "
              "(<tt>openrgb --server</tt>), then choose <i>Device &gt; Connect to OpenRGB "
              "Server</i>. KeyLight remembers the choice for the next start.</p>");
}

QString HelpMenu::aboutText()
{
    return tr("<p><b>KeyLight %1</b></p>"
              "<p>Per-key lighting for RGB keyboards: 21 effects, painted keys, four layers "
              "and four zones, shown on a virtual keyboard and on real ones.</p>"
              "<p>Speaks the OpenRGB SDK protocol, versions 0 to 4, as a client (to light "
              "keyboards that OpenRGB drives) and as a server (for OpenRGB's clients). "
              "Keeps its profiles in a JSON file, and exports and imports single profiles "
              "in the same format.</p>"
              "<p>Free software under the MIT licence.</p>")
        .arg(QCoreApplication::applicationVersion());
}

QString HelpMenu::readmePath()
{
    for (const char* folder : kDocumentationFolders) {
        const QString readme = QString::fromUtf8(folder) + QStringLiteral("/README.md");
        if (QFileInfo(readme).isFile())
            return readme;
    }
    return {};
}

void HelpMenu::showGettingStarted()
{
    auto* box = new QMessageBox(QMessageBox::Information, tr("Getting Started"),
                                gettingStartedText(), QMessageBox::Ok, m_window);
    box->setObjectName(QStringLiteral("gettingStartedBox"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Beside the window rather than in its way: the page can be tried while reading.
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void HelpMenu::showAbout()
{
    QMessageBox::about(m_window, tr("About KeyLight"), aboutText());
}

bool HelpMenu::openDocumentation()
{
    const QString readme = readmePath();
    return !readme.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(readme));
}
