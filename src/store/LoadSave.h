#pragma once

#include "Environment.h"
#include "PictureLists.h"
#include "ProgAktieList.h"
#include "Records.h"

#include <QString>
#include <QStringList>

#include <memory>

class StorePictureLists;

// The configuration store: rooms, scenes, timer actions, environment,
// language and picture lists, loaded from the data files in the program
// folder on first use and written back only by SaveCfg.
class TLoadSave {
public:
    // The single store, created (and loaded) on the first call. Throws
    // StoreIoError when a data file is damaged; the next call tries again.
    static TLoadSave* instance();
    // Destroys the store and loads a new one from the data files.
    static TLoadSave* recreate();
    // The store if it exists, without creating it.
    static TLoadSave* existing();
    // Drops the store without saving (program end, tests).
    static void destroyInstance();

    // The folder of the data files for stores made from now on; by default
    // the folder of the running executable.
    static void setDataFolder(const QString& folder);
    static QString dataFolder();
    static void setPictureListsFactory(PictureListsFactory factory);

    // A store of its own on `folder`, apart from the single instance.
    explicit TLoadSave(const QString& folder);
    ~TLoadSave();
    TLoadSave(const TLoadSave&) = delete;
    TLoadSave& operator=(const TLoadSave&) = delete;

    void LoadCfg();
    // Takes the store's read lock: never call it while holding the store lock.
    void SaveCfg();

    bool ReadSwitchFile(const QString& fileName);
    void WriteSwitchFile(const QString& fileName);
    bool ReadEnvironmentFile(const QString& fileName);
    void WriteEnvironmentFile(const QString& fileName);
    bool ReadLanguageFile(const QString& fileName);
    void WriteLanguageFile(const QString& fileName);

    void InitZolvo();
    void InitEnvironment();
    void InitLanguage();

    int GetLanguage() const { return LanguageRec.Language; }
    void SetLanguage(int language) { LanguageRec.Language = language; }

    int nrofactions(int scene) const;
    bool codeexists(int code) const;
    int getfirstfreecode() const;

    static QStringList getLanden();
    static QStringList getPlaatsen(const QString& land);
    static int getLocatieIndex(const QString& land, const QString& plaats);
    static Locat getLocatie(const QString& land, const QString& plaats);

    QString folder() const { return _folder; }
    QString filePath(const QString& name) const;
    PictureLists* pictureLists() const { return _pictureLists.get(); }
    // The picture lists when they are the store's own (no other factory set).
    StorePictureLists* pictures() const;

    Ruimte Ruimtes[nrofRuimtes] = {};
    Scene Scenes[nrofScenes] = {};
    EnvironmentRecord Environment;
    LanguageRecord LanguageRec;
    std::unique_ptr<GlobalProgAktieList> GlobalAktieListObject;

private:
    QString _folder;
    std::unique_ptr<PictureLists> _pictureLists;
};

// File names of the data files in the program folder.
inline constexpr const char* switchFileName = "zolvo.dat";
inline constexpr const char* environmentFileName = "environment.dat";
inline constexpr const char* languageFileName = "language.dat";
