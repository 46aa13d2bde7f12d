// SPDX-License-Identifier: MIT
#include "host/app/hostcommandline.h"

#include "host/sdkserver/sdkserversetup.h"
#include "host/session/profilecount.h"

#include <QRegularExpression>

namespace {
const QString kExport = QStringLiteral("export");
const QString kImport = QStringLiteral("import");
const QString kOptionsEnd = QStringLiteral("--");
} // namespace

HostCommandLine::HostCommandLine()
    : m_profileOption(QStringLiteral("profile"),
                      QObject::tr("Show profile N (1 to 5) at start."), QStringLiteral("N"))
    , m_storeOption(QStringLiteral("store"),
                    QObject::tr("Keep the profile file in folder DIR instead of the user's "
                                "configuration folder."),
                    QStringLiteral("DIR"))
    , m_screenshotOption(QStringLiteral("screenshot"),
                         QObject::tr("Render the window to the PNG file FILE after loading, "
                                     "then exit."),
                         QStringLiteral("FILE"))
    , m_screenSizeOption(QStringLiteral("screen-size"),
                         QObject::tr("Lay the window out for a screen of W by H pixels "
                                     "instead of the one it opens on."),
                         QStringLiteral("WxH"))
    , m_languageOption(QStringLiteral("lang"),
                       QObject::tr("Show the window in language CODE (%1) instead of the "
                                   "system's.")
                           .arg(HostCommandLine::languages().join(QLatin1String(", "))),
                       QStringLiteral("CODE"))
    , m_exportOption(kExport, QObject::tr("Write profile N (1 to 5) to the JSON file FILE."),
                     QStringLiteral("N> <FILE"))
    , m_importOption(kImport,
                     QObject::tr("Read the JSON file FILE into profile N (1 to 5); the file "
                                 "is checked like the profile store."),
                     QStringLiteral("FILE> <N"))
    , m_openrgbOption(QStringLiteral("openrgb"),
                      QObject::tr("Light the keyboard that the OpenRGB SDK server at HOST:PORT "
                                  "offers; either part may be left out (default %1)."
                                  " The value is optional.")
                          .arg(SdkAddress().toString()),
                      QStringLiteral("[HOST][:PORT]"))
    , m_openrgbDeviceOption(QStringLiteral("openrgb-device"),
                            QObject::tr("Light the OpenRGB device of that name, or with that "
                                        "index (counted from 0), instead of the first "
                                        "keyboard the server offers."),
                            QStringLiteral("NAME|INDEX"))
    , m_sdkServerOption(QStringLiteral("sdk-server"),
                        QObject::tr("Let OpenRGB clients drive KeyLight through an SDK server "
                                    "at [HOST:]PORT; a port alone serves this computer only "
                                    "(default %1). The value is optional.")
                            .arg(SdkAddress().toString()),
                        QStringLiteral("[HOST:]PORT"))
    , m_forceUnlockOption(QStringLiteral("force-unlock"),
                          QObject::tr("Take over the profile file even though a program on "
                                      "another computer holds its lock. Only when that "
                                      "program is surely closed: two writers lose changes."))
    , m_minimizedOption(QStringLiteral("minimized"),
                        QObject::tr("Start in the system tray, without the window; where the "
                                    "desktop has no tray, start with the window minimized. "
                                    "KeyLight already running is left as it is."))
    , m_helpOption({QStringLiteral("h"), QStringLiteral("help")},
                   QObject::tr("Show this help and exit."))
    , m_versionOption({QStringLiteral("v"), QStringLiteral("version")},
                      QObject::tr("Show the version and exit."))
{
    m_parser.setApplicationDescription(
        QObject::tr("KeyLight: per-key lighting of the keyboard, one profile at a time.\n"
                    "With --export or --import the host does the transfer and exits, unless "
                    "--screenshot is given too."));
    m_parser.addOption(m_profileOption);
    m_parser.addOption(m_storeOption);
    m_parser.addOption(m_screenshotOption);
    m_parser.addOption(m_screenSizeOption);
    m_parser.addOption(m_languageOption);
    m_parser.addOption(m_exportOption);
    m_parser.addOption(m_importOption);
    m_parser.addOption(m_openrgbOption);
    m_parser.addOption(m_openrgbDeviceOption);
    m_parser.addOption(m_sdkServerOption);
    m_parser.addOption(m_forceUnlockOption);
    m_parser.addOption(m_minimizedOption);
    m_parser.addOption(m_helpOption);
    m_parser.addOption(m_versionOption);
}

bool HostCommandLine::fail(const QString& message)
{
    m_error = message;
    return false;
}

bool HostCommandLine::readProfile(const QString& value, const QString& option, uchar& profile)
{
    bool ok = false;
    const int shown = value.toInt(&ok);
    if (!ok || shown < 1 || shown > kShownProfileCount)
        return fail(QObject::tr("--%1 takes a profile number from 1 to %2, not \"%3\".")
                        .arg(option)
                        .arg(kShownProfileCount)
                        .arg(value));
    profile = uchar(shown - 1);
    return true;
}

QStringList HostCommandLine::languages()
{
    return {QStringLiteral("en"), QStringLiteral("de")};
}

QString HostCommandLine::requestedLanguage(const QStringList& arguments)
{
    const QString option = QStringLiteral("--lang");
    QString language;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == kOptionsEnd)
            break;
        if (argument == option && i + 1 < arguments.size())
            language = arguments.at(++i);
        else if (argument.startsWith(option + QLatin1Char('=')))
            language = argument.mid(option.size() + 1);
    }
    return languages().contains(language) ? language : QString();
}

bool HostCommandLine::readScreenSize(const QString& value)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(value);
    const QSize size = match.hasMatch()
        ? QSize(match.captured(1).toInt(), match.captured(2).toInt())
        : QSize();
    if (size.isEmpty())
        return fail(QObject::tr("--screen-size takes a width and a height in pixels, such as "
                                "1366x768, not \"%1\".")
                        .arg(value));
    m_options.screenSize = size;
    return true;
}

bool HostCommandLine::readLanguage(const QString& value)
{
    if (!languages().contains(value))
        return fail(QObject::tr("--lang takes one of %1, not \"%2\".")
                        .arg(languages().join(QLatin1String(", ")), value));
    m_options.language = value;
    return true;
}

// --export and --import take two values each, which QCommandLineParser cannot express:
// they are taken out here, and the parser sees the rest.
bool HostCommandLine::takeValuePairs(QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == kOptionsEnd)
            break;
        const bool isExport = argument == QLatin1String("--") + kExport;
        const bool isImport = argument == QLatin1String("--") + kImport;
        if (!isExport && !isImport)
            continue;
        const QString name = isExport ? kExport : kImport;
        const QString usage = isExport ? QStringLiteral("--export N FILE")
                                       : QStringLiteral("--import FILE N");
        if (i + 2 >= arguments.size())
            return fail(QObject::tr("--%1 needs two values: %2.").arg(name, usage));
        std::optional<uchar>& profile = isExport ? m_options.exportProfile
                                                 : m_options.importProfile;
        if (profile)
            return fail(QObject::tr("--%1 is given more than once.").arg(name));
        const QString& number = arguments.at(isExport ? i + 1 : i + 2);
        const QString& file = arguments.at(isExport ? i + 2 : i + 1);
        uchar stored = 0;
        if (!readProfile(number, name, stored))
            return false;
        if (file.isEmpty())
            return fail(QObject::tr("--%1 takes a file name, not an empty one.").arg(name));
        profile = stored;
        (isExport ? m_options.exportPath : m_options.importPath) = file;
        arguments.erase(arguments.begin() + i, arguments.begin() + i + 3);
        --i;
    }
    return true;
}

// --openrgb and --sdk-server may stand alone, for this computer's default: the parser
// cannot take an optional value, so such an option is taken out here with the value that
// follows it, if any.
bool HostCommandLine::takeOptionalValue(QStringList& arguments, const QString& option,
                                        std::optional<QString>& value)
{
    const QString flag = QLatin1String("--") + option;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString argument = arguments.at(i);
        if (argument == kOptionsEnd)
            break;
        const bool attached = argument.startsWith(flag + QLatin1Char('='));
        if (argument != flag && !attached)
            continue;
        if (value)
            return fail(QObject::tr("--%1 is given more than once.").arg(option));
        int taken = 1;
        if (attached) {
            value = argument.mid(flag.size() + 1);
        } else if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1Char('-'))) {
            value = arguments.at(i + 1);
            taken = 2;
        } else {
            value = QString();
        }
        arguments.erase(arguments.begin() + i, arguments.begin() + i + taken);
        --i;
    }
    return true;
}

bool HostCommandLine::takeAddresses(QStringList& arguments)
{
    std::optional<QString> openrgb;
    std::optional<QString> sdkServer;
    if (!takeOptionalValue(arguments, QStringLiteral("openrgb"), openrgb)
        || !takeOptionalValue(arguments, QStringLiteral("sdk-server"), sdkServer))
        return false;
    QString why;
    if (openrgb) {
        m_options.openrgbServer = SdkAddress::parse(*openrgb, &why);
        if (!m_options.openrgbServer)
            return fail(QObject::tr("--openrgb: %1").arg(why));
    }
    if (sdkServer) {
        m_options.sdkServer = SdkServerSetup::parse(*sdkServer, &why);
        if (!m_options.sdkServer)
            return fail(QObject::tr("--sdk-server: %1").arg(why));
    }
    return true;
}

bool HostCommandLine::parse(const QStringList& arguments)
{
    m_options = Options();
    m_error.clear();
    QStringList rest = arguments;
    if (rest.isEmpty())
        rest << QStringLiteral("keylight-host");
    if (!takeValuePairs(rest) || !takeAddresses(rest))
        return false;
    if (!m_parser.parse(rest))
        return fail(m_parser.errorText());
    if (m_parser.isSet(m_exportOption) || m_parser.isSet(m_importOption))
        return fail(QObject::tr("--export and --import take two values each: "
                                "--export N FILE, --import FILE N."));
    if (!m_parser.positionalArguments().isEmpty())
        return fail(QObject::tr("Unexpected argument \"%1\"; see --help.")
                        .arg(m_parser.positionalArguments().constFirst()));

    // Two values for one setting are a mistake to point out, not a choice to guess at.
    for (const QCommandLineOption* single :
         {&m_profileOption, &m_storeOption, &m_screenshotOption, &m_screenSizeOption,
          &m_languageOption, &m_openrgbDeviceOption}) {
        if (m_parser.values(*single).size() > 1)
            return fail(QObject::tr("--%1 is given more than once.")
                            .arg(single->names().constLast()));
    }

    m_options.help = m_parser.isSet(m_helpOption);
    m_options.forceUnlock = m_parser.isSet(m_forceUnlockOption);
    m_options.minimized = m_parser.isSet(m_minimizedOption);
    m_options.version = m_parser.isSet(m_versionOption);
    if (m_parser.isSet(m_profileOption)) {
        uchar profile = 0;
        if (!readProfile(m_parser.value(m_profileOption), QStringLiteral("profile"), profile))
            return false;
        m_options.profile = profile;
    }
    if (m_parser.isSet(m_storeOption)) {
        m_options.storeFolder = m_parser.value(m_storeOption);
        if (m_options.storeFolder.isEmpty())
            return fail(QObject::tr("--store takes a folder, not an empty name."));
    }
    if (m_parser.isSet(m_screenshotOption)) {
        m_options.screenshotPath = m_parser.value(m_screenshotOption);
        if (m_options.screenshotPath.isEmpty())
            return fail(QObject::tr("--screenshot takes a file name, not an empty one."));
    }
    if (m_parser.isSet(m_screenSizeOption) && !readScreenSize(m_parser.value(m_screenSizeOption)))
        return false;
    if (m_parser.isSet(m_languageOption) && !readLanguage(m_parser.value(m_languageOption)))
        return false;
    if (m_parser.isSet(m_openrgbDeviceOption)) {
        m_options.openrgbDevice = m_parser.value(m_openrgbDeviceOption).trimmed();
    }
    return true;
}
