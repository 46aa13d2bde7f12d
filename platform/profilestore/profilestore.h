#pragma once

// The built-in profile store: profiles 0 to 24 in memory, and, once a file is opened,
// every write saved to that file at once.

#include "keylight/ivantorprofilecfg.h"
#include "keylight/modecatalogue.h"
#include "platform/profilestore/profiledata.h"
#include "vantor_profile_export.h"

#include <QJsonObject>
#include <QString>

#include <memory>

class VANTOR_PROFILE_EXPORT ProfileStore : public IVantorProfileCfg
{
public:
    // What happened when a file was opened.
    struct OpenResult
    {
        bool created = false;       // no file was there; one was written from the defaults
        bool replaced = false;      // the file was bad: moved aside, defaults used
        QString movedAsidePath;     // where the bad file now lies
        QString message;            // one sentence for the user; empty when all went well
    };

    ProfileStore();
    ~ProfileStore() override;
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;

    // The store behind IVantorProfileCfg::Instance() when none is installed.
    static ProfileStore& builtin();
    // The file used when the host names no folder: inside the user's configuration folder.
    static QString defaultFilePath();
    static QString fileNameInFolder(const QString& folder);

    // Loads the file, or creates it from the factory defaults when it does not exist.
    // A bad file is never overwritten: it is moved aside and the defaults are used.
    // Until open() is called the store lives in memory only.
    OpenResult open(const QString& filePath);
    // The file given to the last open(); empty while the store lives in memory only.
    QString filePath() const;
    // The last write that failed, in one sentence; empty after a good write.
    QString lastError() const;

    ProfileData profile(uchar profile) const;
    // Data that the file could not hold (ProfileData::problem) is refused with lastError.
    void setProfile(uchar profile, const ProfileData& data);

    // One profile as JSON (export) and back (import, validated like the file). On failure
    // `out` is untouched and *error holds one sentence.
    QJsonObject profileToJson(uchar profile) const;
    static bool profileFromJson(const QJsonObject& json, ProfileData& out, QString* error);

    // IVantorProfileCfg
    uchar currentProfile() override;
    uchar currentMode(uchar profile) override;
    void readModeParam(uchar profile, uchar mode, vantor_light& light) override;
    void readModeParams(uchar profile, std::vector<vantor_light>& vLights) override;
    void readCustomLed(uchar profile, vantor_light_custom& custom) override;
    uchar currentMultilayer(uchar profile) override;
    void readMultilayerParams(uchar profile, std::vector<vantor_light>& vMul) override;
    void readMultilayerParam(uchar profile, vantor_light& light) override;
    void readMultilayerModes(uchar profile, uchar& iCurrSubMode,
                             std::vector<uchar>& vModes) override;
    uchar currentMultizone(uchar profile) override;
    void readMultizoneParams(uchar profile, std::vector<vantor_light>& vMul,
                             vantor_filter& filter) override;
    void readMultizoneParam(uchar profile, vantor_light& light) override;
    void readMultizoneModes(uchar profile, uchar& iCurrSubMode,
                            std::vector<uchar>& vModes) override;
    void writeCustomColors(uchar profile, int iGroundType,
                           const std::vector<custom_color>& vCor) override;
    void readCustomColors(uchar profile, int iGroundType,
                          std::vector<custom_color>& vCor) override;
    void setCurrentProfile(uchar profile) override;
    void setCurrentMode(uchar profile, uchar mode) override;
    void writeModeParam(uchar profile, const vantor_light& light) override;
    void writeCustomLed(uchar profile, const vantor_light_custom& custom) override;
    void setCurrentMultilayer(uchar profile, uchar iCurrSubMode) override;
    void writeMultilayerParams(uchar profile, const std::vector<vantor_light>& vMul) override;
    void setCurrentMultizone(uchar profile, uchar iCurrSubMode) override;
    void writeMultizoneParams(uchar profile, const std::vector<vantor_light>& vMul,
                              const vantor_filter& filter) override;
    void resetProfile(uchar profile) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
