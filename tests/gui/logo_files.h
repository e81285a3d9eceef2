#pragma once
// Small logos of one colour in each format the title page prints, written where
// a test wants them.

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace vendrix::test {

inline const QColor kLogoGreen(0, 200, 0);

inline std::string encodedPicture(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format, 95));
    return bytes.toStdString();
}

// A 40 × 20 green logo as "png", "jpeg" or "svg".
inline std::string greenLogo(const std::string &format)
{
    if (format == "svg")
        return "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" "
               "height=\"20\"><rect width=\"40\" height=\"20\" fill=\"#00c800\"/></svg>\n";
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(kLogoGreen);
    return encodedPicture(image, format.c_str());
}

inline QString writtenFile(const QTemporaryDir &dir, const QString &name, const std::string &bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qint64(bytes.size()));
    return file.fileName();
}

inline bool nearLogoGreen(const QColor &colour)
{
    return std::abs(colour.red() - kLogoGreen.red()) + std::abs(colour.green() - kLogoGreen.green())
        + std::abs(colour.blue() - kLogoGreen.blue())
        < 24;
}

} // namespace vendrix::test
