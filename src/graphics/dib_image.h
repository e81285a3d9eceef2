#pragma once
// A Windows bitmap file loaded by our own decoder and drawn stretched into a
// rectangle of any page (the bitmap kind of company logo).

#include <QImage>

#include <string>

namespace vendrix {

class PageCanvas;

class DibImage
{
public:
    // True when the file was read and decoded; on any failure the image is empty.
    bool loadFromFile(const std::string &path);
    bool loadFromBytes(std::string_view bytes);
    // Stretches the whole image into the rectangle (twips, top-left corner, y up).
    bool draw(PageCanvas &canvas, double x, double y, double width, double height) const;
    void clear();

    bool isEmpty() const { return m_image.isNull(); }
    const QImage &image() const { return m_image; }
    int colourCount() const { return m_colourCount; }

private:
    QImage m_image;
    int m_colourCount = 0;
};

} // namespace vendrix
