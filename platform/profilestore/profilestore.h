// SPDX-License-Identifier: MIT
#pragma once

// The built-in profile store: profiles 0 to 24 in memory, and, once a file is opened,
// every write saved to that file, at once or shortly after on a thread of its own.

#include "keylight/ivantorprofilecfg.h"
#include "keylight/modecatalogue.h"
#include "platform/profilestore/profiledata.h"
#include "vantor_profile_export.h"

#include <QJsonObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class VANTOR_PROFILE_EXPORT ProfileStore : public IVantorProfileCfg
{
public:
    // Whether open() makes this process the file's one writer, or only reads the file and
    // leaves the folder exactly as it was.
    enum class Access { ReadWrite, ReadOnly };
    // Whether a lock made on another computer keeps this process out (its program may
    // still run there), or is taken over because the user says that program is closed.
    enum class ForeignLock { Respect, TakeOver };

    // What happened when a file was opened.
    struct OpenResult
    {
        bool created = false;       // no file was there; one was written from the defaults
        bool replaced = false;      // the file was bad: moved aside, then repaired or replaced
        bool locked = false;        // another process writes the file: nothing was loaded
        QString lockHost;           // when locked from another computer: its name
        bool refused = false;       // the file is no plain file of ours: nothing was loaded
        bool restoredFromCopy = false; // the file did not parse; the last good copy was used
        std::vector<int> resetProfiles; // profiles that went back to the factory settings
        QString movedAsidePath;     // where the bad file now lies
        QString message;            // one sentence for the user; empty when all went well
        QString notice;             // one sentence about a lock left behind and taken over
    };

    // How the file on disk relates to what this store last wrote there.
    enum class DiskState { AsSaved, Missing, ChangedOutside };

    ProfileStore();
    // Saves what is still pending, then lets go of the file.
    ~ProfileStore() override;
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;

    // The store behind IVantorProfileCfg::Instance() when none is installed.
    static ProfileStore& builtin();
    // The file used when the host names no folder: inside the user's configuration folder.
    static QString defaultFilePath();
    static QString fileNameInFolder(const QString& folder);
    // Beside the file: the copy of its last good state, and the lock of its one writer.
    static QString lastGoodCopyPath(const QString& filePath);
    static QString lockPath(const QString& filePath);
    // Where the first save in the current format keeps a file of an older `version`, as it
    // was, for an older version of the program.
    static QString olderFormatCopyPath(const QString& filePath, int version);

    // Loads the file, or creates it from the factory defaults when it does not exist. A
    // bad file is never overwritten: it is moved aside, its good profiles are kept and
    // only the bad ones go back to the factory settings; a file that does not parse at all
    // is replaced by the last good copy, or by the factory settings when that is bad too.
    // ReadWrite first takes the file's lock; ReadOnly changes nothing on disk, ever.
    // A lock left by a process that is gone, or that is no lock, is taken over (said in
    // `notice`). A profile file that is a symbolic link is refused: writing through it would
    // change another file, without that file's lock.
    // Until open() is called the store lives in memory only.
    OpenResult open(const QString& filePath, Access access = Access::ReadWrite,
                    ForeignLock foreignLock = ForeignLock::Respect);
    // Reads the opened file again, as open() does, without touching the lock.
    OpenResult reload();
    // Saves what is pending and lets go of the file and its lock; the store goes on in
    // memory only.
    void close();
    // The file given to the last open(); empty while the store lives in memory only.
    QString filePath() const;
    // The last write that failed, in one sentence; empty after a good write.
    QString lastError() const;

    // By default every change is saved before the writer returns. With deferred saving a
    // change is written by a background thread once no change came for `quietMs`, and at
    // the latest `longestMs` after the first unsaved change, so a burst of changes costs
    // one save. Needs an event loop in the calling thread.
    void setDeferredSaving(int quietMs, int longestMs);
    // Called in the thread that changes the store whenever a save ended, well or not.
    void setSaveListener(std::function<void()> listener);
    // Writes what is pending now and waits for it. Returns whether the file holds every
    // change.
    bool flush();
    // Changes not yet in the file: pending, or kept in memory after a failed save.
    bool hasUnsavedChanges() const;
    DiskState diskState() const;
    // Sets the file on disk, if any, aside (`<file>.outside-<time>`, named in *asidePath)
    // and writes this store's own profiles in its place. False when either step fails, and
    // for a store that may not write.
    bool keepOwnOverDisk(QString* asidePath);
    // Writes every profile to another file in the store's format, e.g. to rescue changes
    // that cannot be saved where they belong.
    bool saveCopyTo(const QString& filePath, QString* error) const;

    ProfileData profile(uchar profile) const;
    // Data that the file could not hold (ProfileData::problem) is refused with lastError.
    void setProfile(uchar profile, const ProfileData& data);

    // One profile as the text of an export file, and back (import, validated like the
    // file). On failure `out` is untouched and *error holds one sentence.
    QByteArray profileText(uchar profile) const;
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
