#pragma once
// A small writer of ASCII DXF drawings (AutoCAD R12 format, which every CAD
// program reads): named layers, lines, polylines, filled triangles and texts in
// model space, with the drawing's length unit in its header.

#include <string>
#include <vector>

namespace vendrix {

enum class DxfUnit {
    Feet = 2, // the $INSUNITS codes
    Metres = 6,
};

enum class DxfAlign {
    Left,
    Centre,
};

struct DxfPoint
{
    double x = 0;
    double y = 0;
};

class DxfWriter
{
public:
    explicit DxfWriter(DxfUnit unit);

    // `colour` is an AutoCAD colour index (1 red ... 7 black or white);
    // `centreLine` draws the layer's lines long dash, short dash.
    void addLayer(const std::string &name, int colour, bool centreLine = false);

    void line(const std::string &layer, DxfPoint from, DxfPoint to);
    void polyline(const std::string &layer, const std::vector<DxfPoint> &points, bool closed);
    void triangle(const std::string &layer, DxfPoint a, DxfPoint b, DxfPoint c);
    // One line of text (Windows-1252 bytes) with its baseline starting at, or
    // centred on, `at`; `angle` in degrees anticlockwise.
    void text(const std::string &layer, DxfPoint at, double height, const std::string &value,
              DxfAlign align = DxfAlign::Left, double angle = 0);

    // The whole file, CR LF line ends; the extents cover everything drawn.
    std::string document() const;

private:
    struct Layer
    {
        std::string name;
        int colour;
        bool centreLine;
    };

    void entity(const char *type, const std::string &layer);
    void point(int code, DxfPoint p);
    // The smallest and largest corner of everything drawn (the origin when empty).
    DxfPoint lowest() const;
    DxfPoint highest() const;
    std::string header() const;
    std::string tables() const;

    DxfUnit m_unit;
    std::vector<Layer> m_layers;
    std::string m_entities;
    DxfPoint m_min {1e300, 1e300};
    DxfPoint m_max {-1e300, -1e300};
};

} // namespace vendrix
