#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A temporary program folder with helpers to put and fetch data files.
class TestFolder {
public:
    TestFolder() { EXPECT_TRUE(_dir.isValid()); }

    QString path() const { return _dir.path(); }
    QString file(const QString& name) const { return QDir(_dir.path()).filePath(name); }

    void write(const QString& name, const QByteArray& contents) const
    {
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(contents), contents.size());
    }

    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        return f.readAll();
    }

    bool exists(const QString& name) const { return QFile::exists(file(name)); }

private:
    QTemporaryDir _dir;
};

// Little-endian and big-endian pieces for building files byte by byte.
inline void appendLe32(QByteArray& bytes, qint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes.append(static_cast<char>((static_cast<quint32>(value) >> (8 * i)) & 0xFF));
}

inline qint32 le32At(const QByteArray& bytes, qsizetype offset)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return static_cast<qint32>(v);
}

inline void appendBeLength(QByteArray& bytes, int length)
{
    bytes.append(static_cast<char>(length >> 8));
    bytes.append(static_cast<char>(length & 0xFF));
}
