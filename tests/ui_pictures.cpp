// The embedded pictures and their libjpeg decoder: every picture decodes to
// its size, broken input never takes the program down, and a picture box
// shows the right version or nothing at all.
#include "About.h"
#include "JpegImage.h"
#include "Picture.h"
#include "UiTest.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QLabel>
#include <QPixmap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Embedded {
    const char* base;
    QSize size;
};

const Embedded Pictures[] = {
    {":/pictures/kandev", {240, 377}},     {":/pictures/koondj", {354, 378}},
    {":/pictures/toes", {194, 366}},       {":/pictures/korvel_logo", {90, 24}},
    {":/pictures/company_logo", {64, 48}},
};

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Expects bytes to be refused with a reason, whatever they hold.
void ExpectRefused(const QByteArray& bytes, const char* what) {
    QString reason;
    const QImage image = DecodeJpeg(bytes, &reason);
    EXPECT_TRUE(image.isNull()) << what;
    EXPECT_FALSE(reason.isEmpty()) << what;
}

} // namespace

TEST(Pictures, EveryEmbeddedPictureDecodesToItsSizeAtOneAndTwoTimes) {
    for (const Embedded& p : Pictures) {
        for (int scale : {1, 2}) {
            const QString path = QString::fromLatin1(p.base) + (scale == 1 ? ".jpg" : "@2x.jpg");
            const QByteArray bytes = Read(path);
            ASSERT_FALSE(bytes.isEmpty()) << qPrintable(path) << " is not embedded";
            QString reason = "stale";
            const QImage image = DecodeJpeg(bytes, &reason);
            EXPECT_EQ(image.size(), p.size * scale) << qPrintable(path);
            EXPECT_TRUE(reason.isEmpty()) << qPrintable(path) << ": " << qPrintable(reason);
        }
    }
}

TEST(Pictures, ColoursComeOutInTheirChannels) {
    // The slab load arrow of the vertical check is red and the ground white:
    // a swapped channel order would turn the arrow blue.
    const QImage image = DecodeJpeg(Read(":/pictures/kandev.jpg"));
    ASSERT_FALSE(image.isNull());
    const QColor arrow = image.pixelColor(88, 40);
    EXPECT_GT(arrow.red(), 150);
    EXPECT_LT(arrow.green(), 90);
    EXPECT_LT(arrow.blue(), 90);
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
}

TEST(Pictures, BrokenOrForeignInputGivesAnEmptyImageAndAReason) {
    const QByteArray good = Read(":/pictures/kandev.jpg");
    ASSERT_GT(good.size(), 1000);

    ExpectRefused({}, "empty buffer");
    ExpectRefused(good.left(good.size() / 2), "truncated in the scan");
    ExpectRefused(good.left(300), "truncated in the header");
    ExpectRefused(good.left(2), "start of image marker only");

    QByteArray noise(4096, '\0');
    QRandomGenerator rng(20100);
    for (char& c : noise)
        c = static_cast<char>(rng.bounded(256));
    ExpectRefused(noise, "random bytes");
    // Random bytes behind a genuine start marker get further into libjpeg.
    ExpectRefused(good.left(2) + noise, "random bytes after a JPEG marker");

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(16, 16, QImage::Format_RGB32).save(&buffer, "PNG");
    ASSERT_FALSE(png.isEmpty());
    ExpectRefused(png, "PNG file");

    // A frame header claiming 65535 x 65535 pixels must be refused, not allocated.
    QByteArray huge = good;
    const int sof = huge.indexOf(QByteArray("\xFF\xC0", 2)) >= 0
                        ? huge.indexOf(QByteArray("\xFF\xC0", 2))
                        : huge.indexOf(QByteArray("\xFF\xC2", 2));
    ASSERT_GT(sof, 0);
    for (int i : {5, 6, 7, 8})
        huge[sof + i] = '\xFF';
    ExpectRefused(huge, "oversized frame");

    // Decoding a good picture afterwards still works: no state is left behind.
    EXPECT_EQ(DecodeJpeg(good).size(), QSize(240, 377));
}

TEST(Pictures, GreyscaleJpegDecodes) {
    if (!QImageWriter::supportedImageFormats().contains("jpeg"))
        GTEST_SKIP() << "no JPEG writer to make a greyscale sample";
    QImage grey(40, 30, QImage::Format_Grayscale8);
    grey.fill(QColor(Qt::white));
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 30; ++y)
            grey.setPixelColor(x, y, QColor(Qt::black));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(grey.save(&buffer, "JPG", 95));

    QString reason;
    const QImage image = DecodeJpeg(bytes, &reason);
    ASSERT_EQ(image.size(), QSize(40, 30)) << qPrintable(reason);
    EXPECT_EQ(image.format(), QImage::Format_Grayscale8);
    EXPECT_LT(qGray(image.pixel(5, 15)), 30);
    EXPECT_GT(qGray(image.pixel(35, 15)), 225);
}

TEST(Pictures, PictureBoxShowsTheDrawingUnscaledFromTheTopLeft) {
    QLabel box;
    box.resize(238, 369);
    Korvel::SetPicture(&box, ":/pictures/kandev");
    const QPixmap shown = box.pixmap();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.deviceIndependentSize().toSize(), QSize(240, 377));
    EXPECT_EQ(box.alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(box.size(), QSize(238, 369));
}

TEST(Pictures, PictureBoxStaysEmptyWhenNoVersionCanBeRead) {
    QLabel box;
    box.setPixmap(QPixmap(10, 10));
    Korvel::SetPicture(&box, ":/pictures/no_such_picture");
    EXPECT_TRUE(box.pixmap().isNull());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"broken.jpg", "broken@2x.jpg"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Read(":/pictures/toes.jpg").left(500));
    }
    Korvel::SetPicture(&box, dir.filePath("broken"));
    EXPECT_TRUE(box.pixmap().isNull());
    Korvel::SetPicture(nullptr, ":/pictures/toes"); // nothing to do, no crash
}

TEST(Pictures, PictureBoxFallsBackToTheOtherVersion) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    // Only the double-size version: shown at half its pixels, i.e. its own size.
    write("only2x@2x.jpg", Read(":/pictures/toes@2x.jpg"));
    // A corrupt preferred version with a good other one.
    write("corrupt.jpg", "not a picture");
    write("corrupt@2x.jpg", Read(":/pictures/toes@2x.jpg"));

    for (const char* base : {"only2x", "corrupt"}) {
        QLabel box;
        Korvel::SetPicture(&box, dir.filePath(base));
        const QPixmap shown = box.pixmap();
        ASSERT_FALSE(shown.isNull()) << base;
        EXPECT_EQ(shown.deviceIndependentSize().toSize(), QSize(194, 366)) << base;
    }
}

TEST_F(UiTest, AboutBoxAndVerticalCheckShowTheirPictures) {
    ASSERT_NE(AboutBox, nullptr);
    for (QLabel* logo : {AboutBox->ProgramIcon, AboutBox->CompanyLogo}) {
        ASSERT_NE(logo, nullptr);
        EXPECT_FALSE(logo->pixmap().isNull()) << qPrintable(logo->objectName());
    }
    const QPixmap scheme = Label("KVImage")->pixmap();
    ASSERT_FALSE(scheme.isNull());
    EXPECT_EQ(scheme.deviceIndependentSize().toSize(), QSize(240, 377));
}
