// getAppImage and setImage on the files under "appImages" and the appliance
// picture list: Base64 layout, backups, refused names, temporary files.
#include "SoapTestClient.h"
#include "TestPictures.h"
#include "WebStoreTest.h"

#include "Cp1252.h"
#include "CustomPicture.h"
#include "ItemPictures.h"
#include "StorePictureLists.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// The expected text built without the service's encoder: standard Base64,
// CR LF after every full line of 76.
QString expectedBase64(const QByteArray& bytes)
{
    const QString flat = QString::fromLatin1(bytes.toBase64());
    QString text;
    for (qsizetype pos = 0; pos < flat.size(); pos += 76) {
        text += flat.mid(pos, 76);
        if (flat.size() - pos >= 76)
            text += QStringLiteral("\r\n");
    }
    return text;
}

QByteArray arbitraryBytes(int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes.append(static_cast<char>((i * 131 + 7) & 0xFF));
    return bytes;
}

class PictureOperations : public WebStoreTest {
protected:
    void SetUp() override
    {
        WebStoreTest::SetUp();
        ASSERT_TRUE(store->pictures());
        setShortString(apparaat(0, 0).Omschrijving, QStringLiteral("Lamp"));
        setShortString(apparaat(4, 9).Omschrijving, QStringLiteral("Lamp"));
        setShortString(apparaat(0, 1).Omschrijving, QString::fromUtf8("Caf\u00e9"));
    }

    QString imagesFile(const QString& name) const { return folder.filePath(QStringLiteral("appImages/") + name); }

    void putCustomFile(const QString& name, const QByteArray& bytes)
    {
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("appImages")));
        writeFile(imagesFile(name), bytes);
    }

    QByteArray contents(const QString& path) const
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }

    SoapAnswer setImage(int room, int app, const std::string& image)
    {
        Params params = roomApp(room, app);
        params.emplace_back("aImage", image);
        return call("setImage", params);
    }

    // Gives the appliance a picture number with a flat picture.
    void givePicture(int room, int app, Colour colour)
    {
        giveApparaatPicture(*store, room, app, Picture(pictureListWidth, pictureListHeight, 24, colour));
        ASSERT_NE(apparaat(room, app).Afbeelding, -1);
    }
};

TEST_F(PictureOperations, GetAppImageSendsTheCustomFileWhateverItHolds)
{
    const struct {
        int bytes;
    } sizes[] = {{0}, {1}, {56}, {57}, {58}, {3000}};
    for (const auto& size : sizes) {
        const QByteArray bytes = arbitraryBytes(size.bytes);
        putCustomFile(QStringLiteral("Lamp.jpg"), bytes);
        // Both appliances named "Lamp" share the file, with or without picture number.
        for (const auto& [room, app] : {std::pair {0, 0}, std::pair {4, 9}}) {
            const SoapAnswer answer = call("getAppImage", roomApp(room, app));
            ASSERT_FALSE(answer.fault) << answer.faultstring.toStdString();
            EXPECT_EQ(answer.error, "NOERROR");
            EXPECT_EQ(answer.response, expectedBase64(bytes)) << size.bytes;
        }
    }
    putCustomFile(QString::fromUtf8("Caf\u00e9.jpg"), "jpeg?");
    EXPECT_EQ(call("getAppImage", roomApp(0, 1)).response, expectedBase64("jpeg?"));
}

TEST_F(PictureOperations, GetAppImageWithoutFileOrPictureNumberFindsNothing)
{
    const SoapAnswer answer = call("getAppImage", roomApp(0, 0));
    EXPECT_EQ(answer.error, "Image not found");
    EXPECT_EQ(answer.response, "");
}

TEST_F(PictureOperations, GetAppImageExportsTheListedPictureAsBitmap)
{
    givePicture(0, 0, rgb(200, 30, 40));
    const SoapAnswer answer = call("getAppImage", roomApp(0, 0));
    EXPECT_EQ(answer.error, "NOERROR");
    const QByteArray bmp = apparaatPictureBmp(*store, 0, 0);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(answer.response, expectedBase64(bmp));
    EXPECT_TRUE(temporaryFiles().isEmpty()) << temporaryFiles().join(' ').toStdString();

    // A picture number the list does not hold: the export's own message.
    apparaat(0, 1).Afbeelding = 7;
    const SoapAnswer missing = call("getAppImage", roomApp(0, 1));
    EXPECT_EQ(missing.response, "");
    EXPECT_NE(missing.error, "NOERROR");
    EXPECT_NE(missing.error, "Image not found");
    EXPECT_FALSE(missing.error.isEmpty());
}

TEST_F(PictureOperations, SetImageStoresTheDecodedBytesAndBacksUpTheFormerFile)
{
    // Line breaks and other characters outside the alphabet are skipped.
    SoapAnswer first = setImage(0, 0, "QUJD\r\nREVG\n*");
    EXPECT_EQ(first.error, "NOERROR");
    EXPECT_EQ(first.response, "");
    EXPECT_EQ(contents(imagesFile("Lamp.jpg")), "ABCDEF");
    EXPECT_FALSE(QFileInfo::exists(imagesFile("backup")));

    const SoapAnswer second = setImage(0, 0, "eHl6");
    EXPECT_EQ(second.error, "NOERROR");
    EXPECT_EQ(contents(imagesFile("Lamp.jpg")), "xyz");
    const QStringList backups = QDir(imagesFile("backup")).entryList(QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{2,4}Lamp\\.jpg$")).match(backups[0]).hasMatch())
        << backups[0].toStdString();
    EXPECT_EQ(contents(imagesFile("backup/") + backups[0]), "ABCDEF");

    // What it stored is what getAppImage sends back.
    EXPECT_EQ(call("getAppImage", roomApp(4, 9)).response, expectedBase64("xyz"));
    EXPECT_TRUE(temporaryFiles().isEmpty()) << temporaryFiles().join(' ').toStdString();
    EXPECT_TRUE(store->pictures()->usedAppimages.count() == 0) << "no picture number, no list change";
}

TEST_F(PictureOperations, SetImageWithAJpegReplacesTheListedPicture)
{
    givePicture(0, 0, rgb(0, 0, 255));
    const int index = apparaat(0, 0).Afbeelding;
    const Picture before = store->pictures()->usedAppimages.at(index);
    const QByteArray jpeg = jpegFile(halves(260, 80, rgb(250, 0, 0), rgb(0, 250, 0)));

    const SoapAnswer answer = setImage(0, 0, expectedBase64(jpeg).toStdString());
    EXPECT_EQ(answer.error, "NOERROR");
    EXPECT_EQ(contents(imagesFile("Lamp.jpg")), jpeg);
    const Picture after = store->pictures()->usedAppimages.at(index);
    EXPECT_NE(after, before);
    EXPECT_EQ(after.width(), pictureListWidth);
    EXPECT_TRUE(after.hasMask()) << "masked with the background colour";
    EXPECT_TRUE(after.isSeeThrough(0, 0)) << "a 260 x 80 picture leaves a band above";
    EXPECT_FALSE(after.isSeeThrough(10, 40));
    EXPECT_EQ(store->pictures()->usedAppimages.count(), index + 1) << "replaced, not appended";
    EXPECT_TRUE(temporaryFiles().isEmpty());
}

TEST_F(PictureOperations, SetImageWithAnEmptyImage)
{
    putCustomFile(QStringLiteral("Lamp.jpg"), "old");
    // No picture number: the empty file is stored and all is well.
    EXPECT_EQ(setImage(4, 9, "").error, "NOERROR");
    EXPECT_EQ(contents(imagesFile("Lamp.jpg")), "");

    // With a picture number the JPEG reader's failure is the answer; the
    // file is stored all the same and the list keeps its picture.
    givePicture(0, 0, rgb(1, 2, 3));
    const Picture before = store->pictures()->usedAppimages.at(apparaat(0, 0).Afbeelding);
    putCustomFile(QStringLiteral("Lamp.jpg"), "older");
    const SoapAnswer answer = setImage(0, 0, "");
    EXPECT_NE(answer.error, "NOERROR");
    EXPECT_TRUE(answer.error.contains(QStringLiteral("Cannot read the picture"))) << answer.error.toStdString();
    EXPECT_EQ(contents(imagesFile("Lamp.jpg")), "");
    EXPECT_EQ(store->pictures()->usedAppimages.at(apparaat(0, 0).Afbeelding), before);
    EXPECT_TRUE(temporaryFiles().isEmpty()) << temporaryFiles().join(' ').toStdString();
}

TEST_F(PictureOperations, SetImageWithDataThatIsNotBase64ChangesNothing)
{
    const SoapAnswer answer = setImage(0, 0, "QUJ");
    EXPECT_TRUE(answer.error.startsWith(QStringLiteral("Invalid Base64 picture data"))) << answer.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(imagesFile("Lamp.jpg")));
    EXPECT_TRUE(temporaryFiles().isEmpty());
}

TEST_F(PictureOperations, NamesThatWouldLeaveThePictureFolderAreRefused)
{
    const QByteArray names[] = {"..", ".", "", "../evil", "a/b", "a\\b", QByteArray("a\x01z"), "/abs"};
    putCustomFile(QStringLiteral("keep.jpg"), "keep");
    for (const QByteArray& name : names) {
        SCOPED_TRACE(name.toStdString());
        apparaat(1, 1).Omschrijving.assign(std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
        apparaat(1, 1).Afbeelding = 0;
        const SoapAnswer stored = setImage(1, 1, "ZXZpbA==");
        // Without a listed picture, getAppImage says why no custom file can exist.
        apparaat(1, 1).Afbeelding = -1;
        const SoapAnswer fetched = call("getAppImage", roomApp(1, 1));
        for (const SoapAnswer& answer : {stored, fetched}) {
            ASSERT_FALSE(answer.fault) << answer.faultstring.toStdString();
            EXPECT_TRUE(answer.error.contains(QStringLiteral("cannot be used as a picture file name")))
                << answer.error.toStdString();
            EXPECT_EQ(answer.response, "");
        }
    }
    EXPECT_EQ(QDir(imagesFile("")).entryList(QDir::Files), QStringList {QStringLiteral("keep.jpg")});
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("evil.jpg"))));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("appImages.jpg"))));
    EXPECT_TRUE(temporaryFiles().isEmpty());
}

} // namespace
