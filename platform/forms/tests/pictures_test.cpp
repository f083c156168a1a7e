// Pictures are recognised by their content; the busy pointer nests; the
// buttons' cursor and pictures are drawn by code.
#include "forms/pictures.h"
#include "forms/test_main.h"
#include "runtime/error.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform::forms;
using platform::runtime::Error;

namespace {

QByteArray encoded(const char* format)
{
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

class PictureLoader : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& content)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }
    Error failureOf(const QString& path)
    {
        try {
            LoadPicture(path);
        } catch (const Error& error) {
            return error;
        }
        ADD_FAILURE() << "loaded " << path.toStdString();
        return Error(0, "");
    }
    QTemporaryDir folder;
};

TEST_F(PictureLoader, LoadsBitmapsAndJpegsWhateverTheirName)
{
    struct Case {
        const char* name;
        const char* format;
    };
    for (const Case& c : {Case{"bitmap.bmp", "BMP"}, Case{"bitmap_named.jpg", "BMP"}, Case{"photo.jpg", "JPEG"},
                          Case{"photo_named.bmp", "JPEG"}, Case{"no_extension", "JPEG"}}) {
        SCOPED_TRACE(c.name);
        const QImage picture = LoadPicture(write(c.name, encoded(c.format)));
        EXPECT_EQ(picture.size(), QSize(12, 8));
    }
}

TEST_F(PictureLoader, RefusesWhatIsNeitherBitmapNorJpegNamingThePath)
{
    struct Case {
        const char* name;
        QByteArray content;
    };
    for (const Case& c : {Case{"png_named.jpg", encoded("PNG")}, Case{"text.bmp", "una riga di testo\n"},
                          Case{"empty.jpg", ""}, Case{"broken.bmp", "BM" + QByteArray(40, '\x01')},
                          Case{"broken.jpg", QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(20, '\0')}}) {
        SCOPED_TRACE(c.name);
        const QString path = write(c.name, c.content);
        const Error error = failureOf(path);
        EXPECT_EQ(error.number(), platform::runtime::ErrInvalidPicture);
        EXPECT_EQ(error.description(), "Immagine non valida: " + path);
    }
}

TEST_F(PictureLoader, MissingFileOrFolderIsNotFound)
{
    for (const QString& path : {folder.filePath("manca.jpg"), folder.path()}) {
        SCOPED_TRACE(path.toStdString());
        const Error error = failureOf(path);
        EXPECT_EQ(error.number(), platform::runtime::ErrFileNotFound);
        EXPECT_EQ(error.description(), "File non trovato: " + path);
    }
}

TEST(BusyPointer, NestsAndRestoresTheNormalPointer)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        BusyPointer outer;
        {
            BusyPointer inner;
            EXPECT_EQ(BusyPointer::depth(), 2);
        }
        EXPECT_TRUE(BusyPointer::active());
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_FALSE(BusyPointer::active());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(ButtonCursor, IsA32PixelPictureWithItsHotSpotOnTheFingertip)
{
    const QCursor& cursor = buttonCursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(cursor.hotSpot(), QPoint(12, 1));
    const QImage image = cursor.pixmap().toImage();
    EXPECT_GT(qAlpha(image.pixel(12, 2)), 0);   // the fingertip is drawn
    EXPECT_EQ(qAlpha(image.pixel(30, 30)), 0);  // the corner is not
}

TEST(ButtonPictures, EveryRoleHasItsOwnVisiblePicture)
{
    const std::vector<std::pair<const char*, QImage>> pictures = {
        {"add", Pictures::add()},         {"exit", Pictures::exit()},       {"backup", Pictures::backup()},
        {"excel", Pictures::excel()},     {"erase", Pictures::erase()},     {"search", Pictures::search()},
        {"next", Pictures::next()},       {"previous", Pictures::previous()}, {"print", Pictures::print()},
        {"clear", Pictures::clear()},     {"browse", Pictures::browse()},   {"camera", Pictures::camera()},
        {"web", Pictures::web()},         {"erasePhoto", Pictures::erasePhoto()},
        {"shoot", Pictures::shoot()},     {"cancel", Pictures::cancel()}};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const auto& [name, picture] = pictures[i];
        SCOPED_TRACE(name);
        ASSERT_FALSE(picture.isNull());
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                drawn += qAlpha(picture.pixel(x, y)) > 0 ? 1 : 0;
        EXPECT_GT(drawn, picture.width() * picture.height() / 10);
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(picture, pictures[j].second) << "same as " << pictures[j].first;
    }
}

}  // namespace
