#include "platform/profilestore/profilefile.h"

#include "platform/profilestore/readablejson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <memory>

namespace ProfileFile {

namespace {
constexpr int kByteMax = 255;
constexpr int kGroundCount = 2;
constexpr int kColourTextLength = 7; // "#rrggbb"
constexpr int kHexBase = 16;

const char* const kGroundKeys[kGroundCount] = {"foreground", "background"};

const QStringList& keyOrder()
{
    static const QStringList order{
        "version", "currentProfile", "profiles", "profile", "activeMode", "number",
        "mode", "name", "speed", "direction", "foreground", "background", "color",
        "brightness", "flag", "flag12", "modes", "custom", "leds", "multilayer",
        "multizone", "current", "layers", "zones", "filter", "customColors"};
    return order;
}

QString colourText(uchar r, uchar g, uchar b)
{
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, kHexBase, QLatin1Char('0'))
        .arg(g, 2, kHexBase, QLatin1Char('0'))
        .arg(b, 2, kHexBase, QLatin1Char('0'));
}

QJsonObject groundJson(uchar flag, uchar r, uchar g, uchar b, uchar brightness)
{
    return QJsonObject{{"color", colourText(r, g, b)},
                       {"brightness", brightness},
                       {"flag", flag}};
}

QJsonObject lightJson(const vantor_light& light)
{
    return QJsonObject{
        {"mode", light.mode},
        {"name", QLatin1String(ModeCatalogue::info(light.mode).name)},
        {"speed", light.speed},
        {"direction", light.direction},
        {"foreground", groundJson(light.fg_flag, light.fg_r, light.fg_g, light.fg_b,
                                  light.fg_brightness)},
        {"background", groundJson(light.bg_flag, light.bg_r, light.bg_g, light.bg_b,
                                  light.bg_brightness)},
        {"flag12", light.flag12}};
}

template <typename Records>
QJsonArray lightsJson(const Records& records)
{
    QJsonArray array;
    for (const vantor_light& light : records)
        array.append(lightJson(light));
    return array;
}

QJsonObject customJson(const vantor_light_custom& custom)
{
    // Black keys are left out: a key that is not listed is black.
    QJsonObject leds;
    for (int led = 0; led < kLedCount; ++led) {
        const uchar* rgb = custom.led + 3 * led;
        if (rgb[0] || rgb[1] || rgb[2])
            leds.insert(QString::number(led), colourText(rgb[0], rgb[1], rgb[2]));
    }
    return QJsonObject{{"brightness", custom.brightness}, {"leds", leds}};
}

QJsonArray filterJson(const vantor_filter& filter)
{
    QJsonArray zones;
    for (int zone = 0; zone < kSubModeCount; ++zone) {
        QJsonArray leds;
        for (int led = 0; led < kLedCount; ++led) {
            if (inZone(filter, zone, led))
                leds.append(led);
        }
        zones.append(leds);
    }
    return zones;
}

QJsonObject customColorsJson(const ProfileData& data)
{
    QJsonObject grounds;
    for (int ground = 0; ground < kGroundCount; ++ground) {
        QJsonArray slotList;
        for (const custom_color& slot : data.customColors[std::size_t(ground)]) {
            if (slot.flag == 0)
                slotList.append(QJsonValue::Null);
            else
                slotList.append(QJsonObject{{"color", colourText(slot.red, slot.green, slot.blue)},
                                         {"brightness", slot.alpha}});
        }
        grounds.insert(QLatin1String(kGroundKeys[ground]), slotList);
    }
    return grounds;
}

QJsonObject profileJson(const ProfileData& data, int number)
{
    return QJsonObject{
        {"profile", number},
        {"activeMode", QJsonObject{{"number", data.activeMode},
                                   {"name", QLatin1String(
                                                ModeCatalogue::info(data.activeMode).name)}}},
        {"modes", lightsJson(data.modeLights)},
        {"custom", customJson(data.custom)},
        {"multilayer", QJsonObject{{"current", data.currentLayer},
                                   {"layers", lightsJson(data.layers)}}},
        {"multizone", QJsonObject{{"current", data.currentZone},
                                  {"zones", lightsJson(data.zones)},
                                  {"filter", filterJson(data.filter)}}},
        {"customColors", customColorsJson(data)}};
}

QString typeName(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("true or false");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("text");
    case QJsonValue::Array:
        return QStringLiteral("a list");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("missing");
}

// Reads values and keeps the first thing that was wrong; after a failure every read
// gives a harmless value, so the callers need not check after each step.
class Reader
{
public:
    bool failed() const { return !m_reason.isEmpty(); }
    QString reason() const { return m_reason; }

    void fail(const QString& reason)
    {
        if (m_reason.isEmpty())
            m_reason = reason;
    }

    QJsonValue field(const QJsonObject& object, const char* key, const QString& where)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            fail(QStringLiteral("%1 has no \"%2\"").arg(place(where), QLatin1String(key)));
        return value;
    }

    QJsonObject object(const QJsonValue& value, const QString& where)
    {
        if (!value.isObject() && !value.isUndefined())
            fail(QStringLiteral("%1 should be an object but is %2").arg(where, typeName(value)));
        return value.toObject();
    }

    QJsonArray list(const QJsonValue& value, const QString& where, int size = -1)
    {
        if (!value.isArray()) {
            if (!value.isUndefined())
                fail(QStringLiteral("%1 should be a list but is %2").arg(where, typeName(value)));
            return {};
        }
        const QJsonArray array = value.toArray();
        if (size >= 0 && array.size() != size)
            fail(QStringLiteral("%1 has %2 entries instead of %3").arg(where).arg(array.size())
                     .arg(size));
        return array;
    }

    int integer(const QJsonValue& value, const QString& where, int min, int max)
    {
        if (value.isUndefined())
            return min;
        if (!value.isDouble()) {
            fail(QStringLiteral("%1 should be a whole number but is %2")
                     .arg(where, typeName(value)));
            return min;
        }
        const double number = value.toDouble();
        // Checked as a double first: converting an out-of-range double is undefined.
        if (!std::isfinite(number) || std::floor(number) != number) {
            fail(QStringLiteral("%1 is %2, not a whole number").arg(where).arg(number));
            return min;
        }
        if (number < min || number > max) {
            fail(QStringLiteral("%1 is %2, outside %3 to %4").arg(where).arg(number).arg(min)
                     .arg(max));
            return min;
        }
        return int(number);
    }

    uchar byte(const QJsonObject& object, const char* key, const QString& where,
               int max = kByteMax)
    {
        return uchar(integer(field(object, key, where), member(where, key), 0, max));
    }

    void colour(const QJsonValue& value, const QString& where, uchar& r, uchar& g, uchar& b)
    {
        if (value.isUndefined())
            return;
        const QString text = value.toString();
        bool ok = value.isString() && text.size() == kColourTextLength
            && text.startsWith(QLatin1Char('#'));
        uint rgb = 0;
        for (int i = 1; ok && i < text.size(); ++i) {
            const int digit = QStringLiteral("0123456789abcdef").indexOf(text[i].toLower());
            ok = digit >= 0;
            rgb = rgb * kHexBase + uint(digit);
        }
        if (!ok) {
            fail(QStringLiteral("%1 is %2, not a colour written like \"#ff8800\"")
                     .arg(where, value.isString() ? QStringLiteral("\"%1\"").arg(text)
                                                  : typeName(value)));
            return;
        }
        r = uchar(rgb >> 16);
        g = uchar(rgb >> 8);
        b = uchar(rgb);
    }

    // Paths name values the way a JSON path does: profiles[3].modes[5].speed. The empty
    // path is the whole document.
    static QString member(const QString& where, const char* key)
    {
        const QString name = QLatin1String(key);
        return where.isEmpty() ? name : where + QLatin1Char('.') + name;
    }

    static QString place(const QString& where)
    {
        return where.isEmpty() ? QStringLiteral("the file") : where;
    }

    static QString item(const QString& where, int index)
    {
        return QStringLiteral("%1[%2]").arg(where).arg(index);
    }

private:
    QString m_reason;
};

void readGround(Reader& in, const QJsonObject& parent, const char* key, const QString& where,
                uchar& flag, uchar& r, uchar& g, uchar& b, uchar& brightness)
{
    const QString at = Reader::member(where, key);
    const QJsonObject ground = in.object(in.field(parent, key, where), at);
    in.colour(in.field(ground, "color", at), Reader::member(at, "color"), r, g, b);
    brightness = in.byte(ground, "brightness", at);
    flag = in.byte(ground, "flag", at);
}

vantor_light readLight(Reader& in, const QJsonValue& value, const QString& where)
{
    vantor_light light;
    const QJsonObject object = in.object(value, where);
    // The name is there for people; the number is what counts.
    light.mode = in.byte(object, "mode", where, Mode::Count - 1);
    light.speed = in.byte(object, "speed", where);
    light.direction = in.byte(object, "direction", where);
    readGround(in, object, "foreground", where, light.fg_flag, light.fg_r, light.fg_g,
               light.fg_b, light.fg_brightness);
    readGround(in, object, "background", where, light.bg_flag, light.bg_r, light.bg_g,
               light.bg_b, light.bg_brightness);
    light.flag12 = in.byte(object, "flag12", where);
    return light;
}

template <std::size_t N>
void readLights(Reader& in, const QJsonValue& value, const QString& where,
                std::array<vantor_light, N>& out)
{
    const QJsonArray array = in.list(value, where, int(N));
    for (int i = 0; i < array.size() && i < int(N); ++i)
        out[std::size_t(i)] = readLight(in, array.at(i), Reader::item(where, i));
}

int ledIndex(const QString& key)
{
    // Only the plain decimal spelling counts, so "07" and "+7" cannot name a key twice.
    bool ok = false;
    const int led = key.toInt(&ok);
    if (!ok || led < 0 || led >= kLedCount || QString::number(led) != key)
        return -1;
    return led;
}

void readCustom(Reader& in, const QJsonValue& value, const QString& where,
                vantor_light_custom& custom)
{
    const QJsonObject object = in.object(value, where);
    custom = vantor_light_custom();
    custom.brightness = in.byte(object, "brightness", where);
    const QString ledsAt = Reader::member(where, "leds");
    const QJsonObject leds = in.object(in.field(object, "leds", where), ledsAt);
    for (auto it = leds.begin(); it != leds.end(); ++it) {
        const int led = ledIndex(it.key());
        if (led < 0) {
            in.fail(QStringLiteral("%1 has the key \"%2\", which is not an LED index 0 to %3")
                        .arg(ledsAt, it.key())
                        .arg(kLedCount - 1));
            return;
        }
        uchar* rgb = custom.led + 3 * led;
        in.colour(it.value(), Reader::item(ledsAt, led), rgb[0], rgb[1], rgb[2]);
    }
}

void readFilter(Reader& in, const QJsonValue& value, const QString& where,
                vantor_filter& filter)
{
    filter = vantor_filter();
    const QJsonArray zones = in.list(value, where, kSubModeCount);
    for (int zone = 0; zone < zones.size() && zone < kSubModeCount; ++zone) {
        const QString at = Reader::item(where, zone);
        const QJsonArray leds = in.list(zones.at(zone), at);
        for (int i = 0; i < leds.size() && !in.failed(); ++i) {
            const int led = in.integer(leds.at(i), Reader::item(at, i), 0, kLedCount - 1);
            filter.zone[zone][led] = 1;
        }
    }
}

void readCustomColors(Reader& in, const QJsonValue& value, const QString& where,
                      ProfileData& data)
{
    const QJsonObject grounds = in.object(value, where);
    for (int ground = 0; ground < kGroundCount; ++ground) {
        const char* key = kGroundKeys[ground];
        const QString at = Reader::member(where, key);
        const QJsonArray slotList = in.list(in.field(grounds, key, where), at, kCustomColorSlots);
        for (int i = 0; i < slotList.size() && i < kCustomColorSlots; ++i) {
            custom_color& slot = data.customColors[std::size_t(ground)][std::size_t(i)];
            slot = custom_color();
            if (slotList.at(i).isNull())
                continue;
            const QString slotAt = Reader::item(at, i);
            const QJsonObject object = in.object(slotList.at(i), slotAt);
            slot.flag = 1;
            in.colour(in.field(object, "color", slotAt), Reader::member(slotAt, "color"),
                      slot.red, slot.green, slot.blue);
            slot.alpha = in.byte(object, "brightness", slotAt);
        }
    }
}

ProfileData readProfile(Reader& in, const QJsonValue& value, const QString& where)
{
    ProfileData data = ProfileData::factoryDefaults();
    const QJsonObject object = in.object(value, where);
    const QString activeAt = Reader::member(where, "activeMode");
    data.activeMode = in.byte(in.object(in.field(object, "activeMode", where), activeAt),
                              "number", activeAt, Mode::Count - 1);
    readLights(in, in.field(object, "modes", where), Reader::member(where, "modes"),
               data.modeLights);
    readCustom(in, in.field(object, "custom", where), Reader::member(where, "custom"),
               data.custom);

    const QString layersAt = Reader::member(where, "multilayer");
    const QJsonObject layers = in.object(in.field(object, "multilayer", where), layersAt);
    data.currentLayer = in.byte(layers, "current", layersAt, kSubModeCount - 1);
    readLights(in, in.field(layers, "layers", layersAt), Reader::member(layersAt, "layers"),
               data.layers);

    const QString zonesAt = Reader::member(where, "multizone");
    const QJsonObject zones = in.object(in.field(object, "multizone", where), zonesAt);
    data.currentZone = in.byte(zones, "current", zonesAt, kSubModeCount - 1);
    readLights(in, in.field(zones, "zones", zonesAt), Reader::member(zonesAt, "zones"),
               data.zones);
    readFilter(in, in.field(zones, "filter", zonesAt), Reader::member(zonesAt, "filter"),
               data.filter);

    readCustomColors(in, in.field(object, "customColors", where),
                     Reader::member(where, "customColors"), data);
    return data;
}

// The version comes first: a newer file is refused as newer, not for a field it has.
bool readVersion(Reader& in, const QJsonObject& object, const QString& where)
{
    const QJsonValue value = object.value(QLatin1String("version"));
    if (value.isDouble() && value.toDouble() > kFormatVersion) {
        in.fail(QStringLiteral("it was written in file format %1 by a newer version of the "
                               "program, and this version reads format %2")
                    .arg(value.toDouble())
                    .arg(kFormatVersion));
        return false;
    }
    in.integer(in.field(object, "version", where), Reader::member(where, "version"), 1,
               kFormatVersion);
    return !in.failed();
}
} // namespace

Contents Contents::factoryDefaults()
{
    Contents contents;
    contents.profiles.fill(ProfileData::factoryDefaults());
    return contents;
}

QByteArray toJson(const Contents& contents)
{
    QJsonArray profiles;
    for (int i = 0; i < kProfileCount; ++i)
        profiles.append(profileJson(contents.profiles[std::size_t(i)], i));
    return readableText(QJsonObject{{"version", kFormatVersion},
                                    {"currentProfile", contents.currentProfile},
                                    {"profiles", profiles}});
}

bool fromJson(const QByteArray& bytes, Contents& out, QString* reason)
{
    Reader in;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (bytes.trimmed().isEmpty()) {
        in.fail(QStringLiteral("it is empty"));
    } else if (parseError.error != QJsonParseError::NoError) {
        in.fail(QStringLiteral("it is not valid JSON (%1 at byte %2)")
                    .arg(parseError.errorString())
                    .arg(parseError.offset));
    } else if (!document.isObject()) {
        in.fail(QStringLiteral("it holds a JSON list where an object is expected"));
    }
    const QJsonObject root = document.object();
    const QString where; // the document itself
    if (!in.failed() && readVersion(in, root, where)) {
        // Built aside so that a failure leaves `out` as it was.
        auto contents = std::make_unique<Contents>();
        contents->currentProfile =
            in.byte(root, "currentProfile", where, kProfileCount - 1);
        const QString profilesAt = QStringLiteral("profiles");
        const QJsonArray profiles =
            in.list(in.field(root, "profiles", where), profilesAt, kProfileCount);
        for (int i = 0; i < profiles.size() && i < kProfileCount && !in.failed(); ++i) {
            const QString at = Reader::item(profilesAt, i);
            const QJsonObject profile = in.object(profiles.at(i), at);
            const int number = in.integer(in.field(profile, "profile", at),
                                          Reader::member(at, "profile"), 0, kProfileCount - 1);
            if (!in.failed() && number != i)
                in.fail(QStringLiteral("%1 says it is profile %2").arg(at).arg(number));
            contents->profiles[std::size_t(i)] = readProfile(in, profile, at);
        }
        if (!in.failed())
            out = *contents;
    }
    if (reason)
        *reason = in.reason();
    return !in.failed();
}

QJsonObject profileToJson(const ProfileData& data, int number)
{
    QJsonObject json = profileJson(data, number);
    json.insert(QStringLiteral("version"), kFormatVersion);
    return json;
}

bool profileFromJson(const QJsonObject& json, ProfileData& out, QString* reason)
{
    Reader in;
    const QString where = QStringLiteral("profile");
    if (readVersion(in, json, where)) {
        in.integer(json.value(QLatin1String("profile")), Reader::member(where, "profile"), 0,
                   kProfileCount - 1);
        const ProfileData data = readProfile(in, json, where);
        if (!in.failed())
            out = data;
    }
    if (reason)
        *reason = in.reason();
    return !in.failed();
}

QByteArray readableText(const QJsonObject& json)
{
    return ReadableJson::write(json, keyOrder());
}

} // namespace ProfileFile
