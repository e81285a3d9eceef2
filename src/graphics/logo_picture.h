#pragma once
// The company logo on the printed title page: a Windows bitmap read by our own
// decoder, a PNG or JPEG read by Qt's image readers, or an SVG drawn as vectors.
// The file is recognised by its content, not its name.

#include <QImage>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QSvgRenderer;

namespace vendrix {

class PageCanvas;

class LogoPicture
{
public:
    LogoPicture();
    ~LogoPicture();
    LogoPicture(const LogoPicture &) = delete;
    LogoPicture &operator=(const LogoPicture &) = delete;

    // True when the file was read and decoded; on any failure the logo is empty.
    // Special files, files over kDibMaxFileBytes and pictures over kDibMaxPixels
    // are refused.
    bool loadFromFile(const std::string &path);
    bool loadFromBytes(std::string_view bytes);
    // Stretches the whole logo into the rectangle (twips, top-left corner, y up).
    bool draw(PageCanvas &canvas, double x, double y, double width, double height) const;

    bool isEmpty() const { return m_image.isNull() && !m_vector; }
    bool isVector() const { return m_vector != nullptr; }

private:
    void clear();
    bool loadRaster(std::string_view bytes);
    bool loadVector(std::string_view bytes);

    QImage m_image;
    std::unique_ptr<QSvgRenderer> m_vector;
};

// Why the logo file at `path` cannot be printed, as a warning naming the file
// (Windows-1252), or nothing when it can. The report is printed without it.
std::optional<std::string> logoProblem(const std::string &path);

} // namespace vendrix
