// SPDX-License-Identifier: MIT
#include "platform/profilestore/profilefile.h"

#include "keylight/keytable.h"
#include "platform/profilestore/jsonnode.h"
#include "platform/profilestore/jsonreader.h"
#include "platform/profilestore/storetext.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <memory>

namespace ProfileFile {

namespace {
constexpr int kGroundCount = 2;

const char* const kGroundKeys[kGroundCount] = {"foreground", "background"};

QByteArray colourText(uchar r, uchar g, uchar b)
{
    static const char kDigits[] = "0123456789abcdef";
    QByteArray text("#000000");
    const uchar parts[] = {r, g, b};
    for (int i = 0; i < 3; ++i) {
        text[1 + 2 * i] = kDigits[parts[i] >> 4];
        text[2 + 2 * i] = kDigits[parts[i] & 0xFu];
    }
    return text;
}

JsonNode byteNode(uchar value)
{
    return JsonNode::number(value);
}

JsonNode groundNode(uchar flag, uchar r, uchar g, uchar b, uchar brightness)
{
    JsonNode ground = JsonNode::object();
    ground.add("color", JsonNode::plainText(colourText(r, g, b)));
    ground.add("brightness", byteNode(brightness));
    ground.add("flag", byteNode(flag));
    return ground;
}

JsonNode lightNode(const vantor_light& light)
{
    JsonNode node = JsonNode::object();
    node.add("mode", byteNode(light.mode));
    node.add("name", JsonNode::plainText(ModeCatalogue::info(light.mode).name));
    node.add("speed", byteNode(light.speed));
    node.add("direction", byteNode(light.direction));
    node.add("foreground", groundNode(light.fg_flag, light.fg_r, light.fg_g, light.fg_b,
                                      light.fg_brightness));
    node.add("background", groundNode(light.bg_flag, light.bg_r, light.bg_g, light.bg_b,
                                      light.bg_brightness));
    node.add("flag12", byteNode(light.flag12));
    return node;
}

template <typename Records>
JsonNode lightsNode(const Records& records)
{
    JsonNode array = JsonNode::array();
    for (const vantor_light& light : records)
        array.add(lightNode(light));
    return array;
}

// Format 1 named every LED slot by its index. Format 2 names the keys by their name in the
// key table, in the table's keyboard order, so a person can find them; then the slots that
// no key lights, as "led_<index>" (a bare number would be taken for the digit keys).
constexpr int kFirstNamedKeysVersion = 2;
// Older files have no names: their profiles read as unnamed.
constexpr int kFirstNamedProfilesVersion = 3;
constexpr auto kSlotPrefix = "led_";
struct LedNames
{
    std::array<QByteArray, kLedCount> name;
    std::vector<int> writingOrder;
    QHash<QString, int> ledOfKey;

    static const LedNames& get()
    {
        static const LedNames names;
        return names;
    }

private:
    LedNames()
    {
        for (const KeyInfo& key : KeyTable::kKeys) {
            name[key.led] = KeyTable::fileName(key).toLatin1();
            ledOfKey.insert(KeyTable::fileName(key), key.led);
            writingOrder.push_back(key.led);
        }
        for (int led = 0; led < kLedCount; ++led) {
            if (!KeyTable::byLed(led)) {
                name[std::size_t(led)] = kSlotPrefix + QByteArray::number(led);
                ledOfKey.insert(QString::fromLatin1(name[std::size_t(led)]), led);
                writingOrder.push_back(led);
            }
        }
    }
};

JsonNode customNode(const vantor_light_custom& custom)
{
    // Black keys are left out: a key that is not listed is black.
    const LedNames& names = LedNames::get();
    JsonNode leds = JsonNode::object();
    for (int led : names.writingOrder) {
        const uchar* rgb = custom.led + 3 * led;
        if (rgb[0] || rgb[1] || rgb[2])
            leds.add(names.name[std::size_t(led)].constData(),
                     JsonNode::plainText(colourText(rgb[0], rgb[1], rgb[2])));
    }
    JsonNode node = JsonNode::object();
    node.add("brightness", byteNode(custom.brightness));
    node.add("leds", std::move(leds));
    return node;
}

JsonNode filterNode(const vantor_filter& filter)
{
    JsonNode zones = JsonNode::array();
    for (int zone = 0; zone < kSubModeCount; ++zone) {
        JsonNode leds = JsonNode::array();
        for (int led = 0; led < kLedCount; ++led) {
            if (inZone(filter, zone, led))
                leds.add(JsonNode::number(led));
        }
        zones.add(std::move(leds));
    }
    return zones;
}

JsonNode customColorsNode(const ProfileData& data)
{
    JsonNode grounds = JsonNode::object();
    for (int ground = 0; ground < kGroundCount; ++ground) {
        JsonNode slotList = JsonNode::array();
        for (const custom_color& slot : data.customColors[std::size_t(ground)]) {
            if (slot.flag == 0) {
                slotList.add(JsonNode::null());
                continue;
            }
            JsonNode colour = JsonNode::object();
            colour.add("color",
                       JsonNode::plainText(colourText(slot.red, slot.green, slot.blue)));
            colour.add("brightness", byteNode(slot.alpha));
            slotList.add(std::move(colour));
        }
        grounds.add(kGroundKeys[ground], std::move(slotList));
    }
    return grounds;
}

// The members of one profile; `head` already holds what comes before them.
JsonNode profileNode(JsonNode head, const ProfileData& data, int number)
{
    head.add("profile", JsonNode::number(number));
    head.add("name", JsonNode::text(data.name));
    JsonNode active = JsonNode::object();
    active.add("number", byteNode(data.activeMode));
    active.add("name", JsonNode::plainText(ModeCatalogue::info(data.activeMode).name));
    head.add("activeMode", std::move(active));
    head.add("modes", lightsNode(data.modeLights));
    head.add("custom", customNode(data.custom));
    JsonNode layers = JsonNode::object();
    layers.add("current", byteNode(data.currentLayer));
    layers.add("layers", lightsNode(data.layers));
    head.add("multilayer", std::move(layers));
    JsonNode zones = JsonNode::object();
    zones.add("current", byteNode(data.currentZone));
    zones.add("zones", lightsNode(data.zones));
    zones.add("filter", filterNode(data.filter));
    head.add("multizone", std::move(zones));
    head.add("customColors", customColorsNode(data));
    return head;
}

// The file's own checks on top of the general reader: the format version of what is read
// and the direction codes a record may hold.
class Reader : public JsonReader
{
public:
    // The format version of what is read, once known.
    int version() const { return m_version; }
    void setVersion(int version) { m_version = version; }

    uchar direction(const QJsonValue& value, const QString& where)
    {
        const int direction = integer(value, where, 0, kByteMax);
        if (failed() || RecordLimits::validDirection(direction))
            return uchar(direction);
        QStringList allowed;
        for (int code : RecordLimits::kDirections)
            allowed << QString::number(code);
        const QString last = allowed.takeLast();
        fail(StoreText::tr("%1 is %2, not one of %3 or %4")
                 .arg(where)
                 .arg(direction)
                 .arg(allowed.join(QStringLiteral(", ")), last));
        return uchar(RecordLimits::kDirections.front());
    }

private:
    int m_version = kFormatVersion;
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
    light.speed = uchar(in.integer(in.field(object, "speed", where),
                                   Reader::member(where, "speed"), RecordLimits::kSpeedMin,
                                   RecordLimits::kSpeedMax));
    light.direction = in.direction(in.field(object, "direction", where),
                                   Reader::member(where, "direction"));
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

// The LED slot a key of "leds" names, or -1. Format 1 wrote LED indices in plain decimal
// ("07" and "+7" do not count, so no spelling names a slot twice).
int ledIndex(const QString& key, int version)
{
    if (version >= kFirstNamedKeysVersion)
        return LedNames::get().ledOfKey.value(key, -1);
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
        const int led = ledIndex(it.key(), in.version());
        if (led < 0) {
            in.fail(in.version() >= kFirstNamedKeysVersion
                        ? StoreText::tr("%1 has the key \"%2\", which names no key")
                              .arg(ledsAt, it.key())
                        : StoreText::tr("%1 has the key \"%2\", which is not an LED index 0 "
                                        "to %3")
                              .arg(ledsAt, it.key())
                              .arg(kLedCount - 1));
            return;
        }
        uchar* rgb = custom.led + 3 * led;
        in.colour(it.value(), Reader::member(ledsAt, qPrintable(it.key())), rgb[0], rgb[1],
                  rgb[2]);
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
    if (in.version() >= kFirstNamedProfilesVersion) {
        const QString nameAt = Reader::member(where, "name");
        data.name = in.text(in.field(object, "name", where), nameAt);
        const QString problem = ProfileData::nameProblem(data.name);
        if (!in.failed() && !problem.isEmpty())
            in.fail(StoreText::tr("%1 cannot be used: %2").arg(nameAt, problem));
    }
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
        in.fail(StoreText::tr("it was written in file format %1 by a newer version of the "
                              "program, and this version reads format %2")
                    .arg(value.toDouble())
                    .arg(kFormatVersion));
        return false;
    }
    in.setVersion(in.integer(in.field(object, "version", where),
                             Reader::member(where, "version"), 1, kFormatVersion));
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
    return FileWriter().toJson(contents);
}

// The layout JsonNode gives the whole document, written by hand around the profiles' own
// pieces so that each piece can be kept.
QByteArray FileWriter::toJson(const Contents& contents)
{
    constexpr int kProfileIndent = 8; // an object in "profiles", in the document
    const QByteArray indent(kProfileIndent, ' ');
    QByteArray out = "{\n    \"version\": " + QByteArray::number(kFormatVersion)
        + ",\n    \"currentProfile\": " + QByteArray::number(contents.currentProfile)
        + ",\n    \"profiles\": [\n";
    for (std::size_t i = 0; i < contents.profiles.size(); ++i) {
        const ProfileData& data = contents.profiles[i];
        if (!m_written[i] || *m_written[i] != data) {
            m_text[i] = profileNode(JsonNode::object(), data, int(i)).toText(kProfileIndent);
            m_written[i] = data;
        }
        out += indent + m_text[i] + (i + 1 < contents.profiles.size() ? ",\n" : "\n");
    }
    out += "    ]\n}\n";
    return out;
}

bool readKeepingGood(const QByteArray& bytes, Contents& out, std::vector<ProfileFault>& faults,
                     QString* reason)
{
    QString problem;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (bytes.trimmed().isEmpty()) {
        problem = StoreText::tr("it is empty");
    } else if (parseError.error != QJsonParseError::NoError) {
        problem = StoreText::tr("it is not valid JSON (%1 at byte %2)")
                      .arg(parseError.errorString())
                      .arg(parseError.offset);
    } else if (!document.isObject()) {
        problem = StoreText::tr("it holds a JSON list where an object is expected");
    }
    if (problem.isEmpty())
        return readKeepingGood(document.object(), out, faults, reason);
    if (reason)
        *reason = problem;
    return false;
}

bool readKeepingGood(const QJsonObject& root, Contents& out, std::vector<ProfileFault>& faults,
                     QString* reason)
{
    Reader in;
    const QString where; // the document itself
    std::vector<ProfileFault> found;
    if (readVersion(in, root, where)) {
        // Built aside so that a failure leaves `out` as it was.
        auto contents = std::make_unique<Contents>();
        contents->formatVersion = in.version();
        contents->currentProfile =
            in.byte(root, "currentProfile", where, kProfileCount - 1);
        const QString profilesAt = QStringLiteral("profiles");
        const QJsonArray profiles =
            in.list(in.field(root, "profiles", where), profilesAt, kProfileCount);
        for (int i = 0; i < profiles.size() && i < kProfileCount && !in.failed(); ++i) {
            // Each profile is read on its own, so a fault costs that profile only.
            Reader profileIn;
            profileIn.setVersion(in.version());
            const QString at = Reader::item(profilesAt, i);
            const QJsonObject profile = profileIn.object(profiles.at(i), at);
            const int number = profileIn.integer(profileIn.field(profile, "profile", at),
                                                 Reader::member(at, "profile"), 0,
                                                 kProfileCount - 1);
            if (!profileIn.failed() && number != i)
                profileIn.fail(StoreText::tr("%1 says it is profile %2").arg(at).arg(number));
            const ProfileData data = readProfile(profileIn, profile, at);
            if (profileIn.failed())
                found.push_back({i, profileIn.reason()});
            contents->profiles[std::size_t(i)] =
                profileIn.failed() ? ProfileData::factoryDefaults() : data;
        }
        if (!in.failed()) {
            out = *contents;
            faults = std::move(found);
        }
    }
    if (reason)
        *reason = in.reason();
    return !in.failed();
}

bool fromJson(const QByteArray& bytes, Contents& out, QString* reason)
{
    auto contents = std::make_unique<Contents>();
    std::vector<ProfileFault> faults;
    if (!readKeepingGood(bytes, *contents, faults, reason))
        return false;
    if (!faults.empty()) {
        if (reason)
            *reason = faults.front().reason;
        return false;
    }
    out = *contents;
    return true;
}

QJsonObject profileToJson(const ProfileData& data, int number)
{
    return QJsonDocument::fromJson(profileToText(data, number)).object();
}

QByteArray profileToText(const ProfileData& data, int number)
{
    JsonNode head = JsonNode::object();
    head.add("version", JsonNode::number(kFormatVersion));
    return profileNode(std::move(head), data, number).toText();
}

bool profileFromJson(const QJsonObject& json, ProfileData& out, QString* reason)
{
    Reader in;
    const QString where = QStringLiteral("profile");
    if (json.value(QLatin1String("profiles")).isArray()
        && !json.contains(QLatin1String("activeMode"))) {
        in.fail(StoreText::tr("the file holds a whole profile store, not a single profile"));
    } else if (readVersion(in, json, where)) {
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

} // namespace ProfileFile
