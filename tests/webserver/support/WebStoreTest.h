#pragma once

#include "LoadSave.h"
#include "StoreLock.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A configuration store on a temporary program folder, with the system's
// temporary folder moved into it so the tests see every temporary file.
class WebStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("tmp")));
        _oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", tempFolder().toUtf8());
        TLoadSave::setDataFolder(folder.path());
        store = TLoadSave::instance();
    }

    void TearDown() override
    {
        TLoadSave::destroyInstance();
        TLoadSave::setDataFolder(QString());
        if (_oldTmp.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", _oldTmp);
    }

    QString tempFolder() const { return QDir(folder.path()).filePath(QStringLiteral("tmp")); }
    QStringList temporaryFiles() const { return QDir(tempFolder()).entryList(QDir::Files | QDir::Hidden); }

    Apparaat& apparaat(int room, int app) { return store->Ruimtes[room].Apparaten[app]; }

    QTemporaryDir folder;
    TLoadSave* store = nullptr;

private:
    QByteArray _oldTmp;
};
