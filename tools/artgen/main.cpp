// SPDX-License-Identifier: MIT
// Draws the library's images, the host's turn-off icon and the application icon and writes
// them as PNG files.
// The keyboard pictures take every key rectangle from the real keyboard form laid out at
// the picture's size, so the pictures agree with the key buttons pixel for pixel.

#include "appiconart.h"
#include "iconart.h"
#include "keyboardart.h"
#include "pngencoder.h"

#include "display/keymap.h"
#include "keylight/keytable.h"
#include "display/ledkeybtn.h"
#include "keylight/modecatalogue.h"
#include "ui_keyboardwid.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QHash>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QTextStream>

#include <optional>

namespace {

using PngEncoder::ColourType;

constexpr QSize kPictureSize(1000, 417);
constexpr QSize kDirectionSize(295, 118);
constexpr QSize kSliderSize(14, 28);
constexpr int kIconSide = 28;
constexpr int kMenuIconSide = 20;
constexpr int kTrueColourDepth = 8;
constexpr int kBorderPaletteDepth = 2;
constexpr int kSliderPaletteDepth = 8;
constexpr QRgb kBorderRed = 0xffff0000;

const QString kLibraryPrefix = QStringLiteral(":/KeyLight/");
const QString kHostIconPrefix = QStringLiteral(":/NimboCenter/mode_icon/");
const QString kAppId = QStringLiteral("org.keylight.KeyLight");
// The sizes of the application icon that the hicolor theme gets as PNG files.
constexpr int kAppIconSides[] = {16, 24, 32, 48, 64, 128, 256};

// Images stored under another file name than their resource path; keylight.qrc maps them
// back with an alias.
QString fileFor(const QString& resourcePath)
{
    static const QHash<QString, QString> kRenamed = {
        {QStringLiteral("mode_icon/circle_spectrum.png"),
         QStringLiteral("mode_icon/circle_hues.png")},
    };
    return kRenamed.value(resourcePath, resourcePath);
}

// The same image at twice the size, for screens at twice the scale: Qt picks
// "name@2x.png" beside "name.png" by itself.
QString twiceFile(const QString& file)
{
    return file.left(file.size() - int(qstrlen(".png"))) + QStringLiteral("@2x.png");
}

struct Artwork
{
    QString file;  // relative to its output folder
    QImage image;
    ColourType type;
    int bitDepth;
};

std::optional<QVector<KeyCap>> laidOutKeys(QTextStream& err)
{
    QWidget page;
    Ui::KeyboardUi form;
    form.setupUi(&page);
    page.show();
    page.layout()->activate();
    if (page.size() != kPictureSize) {
        err << "the keyboard form laid out at " << page.width() << "x" << page.height()
            << " instead of the picture's size\n";
        return std::nullopt;
    }
    const auto keys = keyMapOf(&page);
    QVector<KeyCap> caps;
    for (const KeyInfo& info : KeyTable::kKeys) {
        const LedKeyBtn* key = keys.value(info.led);
        if (!key) {
            err << "the form has no key " << info.objectName << "\n";
            return std::nullopt;
        }
        caps.append({&info, key->geometry()});
    }
    return caps;
}

// The two menu entries of the mode list carry the smaller icon.
int iconSideOf(const ModeInfo& mode)
{
    const bool menu = mode.preview == PreviewKind::Layers || mode.preview == PreviewKind::Zones;
    return menu ? kMenuIconSide : kIconSide;
}

QVector<Artwork> libraryArtwork(const QVector<KeyCap>& keys)
{
    QVector<Artwork> art = {
        {"key_background.png", KeyboardArt::topView(keys, kPictureSize), ColourType::Rgba,
         kTrueColourDepth},
        {"key_fill.png", KeyboardArt::keyMask(keys, kPictureSize, Qt::black),
         ColourType::GreyAlpha, kTrueColourDepth},
        {"key_border.png", KeyboardArt::keyMask(keys, kPictureSize, QColor::fromRgba(kBorderRed)),
         ColourType::Palette, kBorderPaletteDepth},
        {"slider.png", IconArt::sliderHandle(kSliderSize), ColourType::Palette,
         kSliderPaletteDepth},
    };
    const struct { const char* file; Sweep sweep; } directions[] = {
        {"direction/vantor.png", Sweep::None}, {"direction/up.png", Sweep::Up},
        {"direction/down.png", Sweep::Down},   {"direction/left.png", Sweep::Left},
        {"direction/right.png", Sweep::Right},
    };
    for (const auto& d : directions) {
        art.append({d.file, KeyboardArt::miniature(keys, kPictureSize, kDirectionSize, d.sweep),
                    ColourType::Rgba, kTrueColourDepth});
    }
    for (const ModeInfo& mode : ModeCatalogue::kModes) {
        const QString path = QString::fromLatin1(mode.iconPath);
        if (!path.startsWith(kLibraryPrefix))
            continue;
        const QString file = fileFor(path.mid(kLibraryPrefix.size()));
        art.append({file, IconArt::modeIcon(mode.mode, iconSideOf(mode)), ColourType::GreyAlpha,
                    kTrueColourDepth});
        art.append({twiceFile(file), IconArt::modeIcon(mode.mode, 2 * iconSideOf(mode)),
                    ColourType::GreyAlpha, kTrueColourDepth});
    }
    return art;
}

// The host registers the turn-off icon itself; it is drawn here so that it matches the rest.
QVector<Artwork> hostArtwork()
{
    const ModeInfo& turnOff = ModeCatalogue::info(Mode::TurnOff);
    const QString path = QString::fromLatin1(turnOff.iconPath);
    if (!path.startsWith(kHostIconPrefix))
        return {};
    const QString file = path.mid(kHostIconPrefix.size());
    return {{file, IconArt::modeIcon(Mode::TurnOff, iconSideOf(turnOff)), ColourType::GreyAlpha,
             kTrueColourDepth},
            {twiceFile(file), IconArt::modeIcon(Mode::TurnOff, 2 * iconSideOf(turnOff)),
             ColourType::GreyAlpha, kTrueColourDepth}};
}

// One folder per size, named as in the hicolor theme, so that desktop/ installs them as
// they are.
QVector<Artwork> desktopArtwork()
{
    QVector<Artwork> art;
    for (const int side : kAppIconSides) {
        art.append({QStringLiteral("%1x%1/%2.png").arg(side).arg(kAppId),
                    AppIconArt::appIcon(side), ColourType::Rgba, kTrueColourDepth});
    }
    return art;
}

bool write(const QString& folder, const QVector<Artwork>& art, QTextStream& out,
           QTextStream& err)
{
    for (const Artwork& item : art) {
        QString error;
        const QByteArray png = PngEncoder::encode(item.image, item.type, item.bitDepth, &error);
        const QString path = QDir(folder).filePath(item.file);
        if (png.isEmpty()) {
            err << path << ": " << error << "\n";
            return false;
        }
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size()) {
            err << path << ": " << file.errorString() << "\n";
            return false;
        }
        out << path << " " << item.image.width() << "x" << item.image.height() << " "
            << png.size() << " bytes\n";
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // Laying out the form needs a platform but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("keylight-artgen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the lighting page's images, the host's turn-off icon and the "
                       "application icon."));
    parser.addHelpOption();
    const QCommandLineOption resources(QStringLiteral("resources"),
                                       QStringLiteral("Write the library's images into DIR."),
                                       QStringLiteral("DIR"), QStringLiteral("resources"));
    const QCommandLineOption hostResources(
        QStringLiteral("host-resources"), QStringLiteral("Write the host's icon into DIR."),
        QStringLiteral("DIR"), QStringLiteral("host/resources"));
    const QCommandLineOption desktopIcons(
        QStringLiteral("desktop-icons"),
        QStringLiteral("Write the application icon's sizes into DIR."), QStringLiteral("DIR"),
        QStringLiteral("desktop/icons"));
    parser.addOption(resources);
    parser.addOption(hostResources);
    parser.addOption(desktopIcons);
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const auto keys = laidOutKeys(err);
    if (!keys)
        return 1;
    const bool written = write(parser.value(resources), libraryArtwork(*keys), out, err)
                         && write(parser.value(hostResources), hostArtwork(), out, err)
                         && write(parser.value(desktopIcons), desktopArtwork(), out, err);
    return written ? 0 : 1;
}
