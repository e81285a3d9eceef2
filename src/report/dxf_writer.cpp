#include "report/dxf_writer.h"

#include "model/c_format.h"

#include <algorithm>

namespace vendrix {

namespace {

// Group codes are right-aligned in three columns, as AutoCAD writes them.
void appendPair(std::string &out, int code, const std::string &value)
{
    out += formatC("%3d\r\n", code);
    out += value;
    out += "\r\n";
}

void appendNumber(std::string &out, int code, double value)
{
    appendPair(out, code, formatC("%.6f", value));
}

void appendInteger(std::string &out, int code, int value)
{
    appendPair(out, code, formatC("%6d", value));
}

void appendPoint(std::string &out, int code, DxfPoint p)
{
    appendNumber(out, code, p.x);
    appendNumber(out, code + 10, p.y);
    appendNumber(out, code + 20, 0);
}

void appendVariable(std::string &out, const char *name)
{
    appendPair(out, 9, name);
}

// A line break or other control character would end the value early, and CAD
// programs read "%%" as the start of a special character (%%d is a degree sign)
// and "^" followed by a letter as a control character: "%%%" is a plain percent
// sign and "^ " a plain caret.
std::string textValue(const std::string &value)
{
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(value[i]);
        if (c < 0x20 || c == 0x7f)
            out += ' ';
        else if (c == '%' && i + 1 < value.size() && value[i + 1] == '%') {
            out += "%%%%%%";
            ++i;
        } else if (c == '^')
            out += "^ ";
        else
            out += static_cast<char>(c);
    }
    return out;
}

void beginTable(std::string &out, const char *name, int entries)
{
    appendPair(out, 0, "TABLE");
    appendPair(out, 2, name);
    appendInteger(out, 70, entries);
}

} // namespace

DxfWriter::DxfWriter(DxfUnit unit)
    : m_unit(unit)
{
    addLayer("0", 7);
}

void DxfWriter::addLayer(const std::string &name, int colour, bool centreLine)
{
    m_layers.push_back({name, colour, centreLine});
}

void DxfWriter::entity(const char *type, const std::string &layer)
{
    appendPair(m_entities, 0, type);
    appendPair(m_entities, 8, layer);
}

void DxfWriter::point(int code, DxfPoint p)
{
    appendPoint(m_entities, code, p);
    m_min = {std::min(m_min.x, p.x), std::min(m_min.y, p.y)};
    m_max = {std::max(m_max.x, p.x), std::max(m_max.y, p.y)};
}

void DxfWriter::line(const std::string &layer, DxfPoint from, DxfPoint to)
{
    entity("LINE", layer);
    point(10, from);
    point(11, to);
}

void DxfWriter::polyline(const std::string &layer, const std::vector<DxfPoint> &points, bool closed)
{
    entity("POLYLINE", layer);
    appendInteger(m_entities, 66, 1);
    appendPoint(m_entities, 10, {});
    appendInteger(m_entities, 70, closed ? 1 : 0);
    for (const DxfPoint &p : points) {
        entity("VERTEX", layer);
        point(10, p);
    }
    entity("SEQEND", layer);
}

void DxfWriter::triangle(const std::string &layer, DxfPoint a, DxfPoint b, DxfPoint c)
{
    entity("SOLID", layer);
    point(10, a);
    point(11, b);
    point(12, c);
    point(13, c);
}

void DxfWriter::text(const std::string &layer, DxfPoint at, double height, const std::string &value,
                     DxfAlign align, double angle)
{
    entity("TEXT", layer);
    point(10, at);
    appendNumber(m_entities, 40, height);
    appendPair(m_entities, 1, textValue(value));
    if (angle != 0)
        appendNumber(m_entities, 50, angle);
    if (align == DxfAlign::Centre) {
        appendInteger(m_entities, 72, 1);
        point(11, at);
    }
}

DxfPoint DxfWriter::lowest() const
{
    return m_min.x <= m_max.x ? m_min : DxfPoint {};
}

DxfPoint DxfWriter::highest() const
{
    return m_min.x <= m_max.x ? m_max : DxfPoint {};
}

std::string DxfWriter::header() const
{
    const DxfPoint low = lowest(), high = highest();
    std::string out;
    appendPair(out, 0, "SECTION");
    appendPair(out, 2, "HEADER");
    appendVariable(out, "$ACADVER");
    appendPair(out, 1, "AC1009");
    // Texts are stored in the program's own character set.
    appendVariable(out, "$DWGCODEPAGE");
    appendPair(out, 3, "ANSI_1252");
    appendVariable(out, "$INSBASE");
    appendPoint(out, 10, {});
    appendVariable(out, "$EXTMIN");
    appendPoint(out, 10, low);
    appendVariable(out, "$EXTMAX");
    appendPoint(out, 10, high);
    appendVariable(out, "$LIMMIN");
    appendNumber(out, 10, low.x);
    appendNumber(out, 20, low.y);
    appendVariable(out, "$LIMMAX");
    appendNumber(out, 10, high.x);
    appendNumber(out, 20, high.y);
    appendVariable(out, "$LUNITS");
    appendInteger(out, 70, 2); // decimal
    appendVariable(out, "$LUPREC");
    appendInteger(out, 70, 3);
    // The unit of every length in the drawing, and metric or imperial defaults.
    appendVariable(out, "$INSUNITS");
    appendInteger(out, 70, static_cast<int>(m_unit));
    appendVariable(out, "$MEASUREMENT");
    appendInteger(out, 70, m_unit == DxfUnit::Metres ? 1 : 0);
    appendPair(out, 0, "ENDSEC");
    return out;
}

namespace {

// The first pairs of every table entry: its kind, its name and no flags.
void beginEntry(std::string &out, const char *kind, const std::string &name)
{
    appendPair(out, 0, kind);
    appendPair(out, 2, name);
    appendInteger(out, 70, 0);
}

// The view the drawing opens with: everything, with a margin.
void appendViewportTable(std::string &out, DxfPoint low, DxfPoint high)
{
    const double width = high.x - low.x, height = high.y - low.y;
    beginTable(out, "VPORT", 1);
    beginEntry(out, "VPORT", "*ACTIVE");
    appendNumber(out, 10, 0);
    appendNumber(out, 20, 0);
    appendNumber(out, 11, 1);
    appendNumber(out, 21, 1);
    appendNumber(out, 12, (low.x + high.x) / 2);
    appendNumber(out, 22, (low.y + high.y) / 2);
    appendNumber(out, 40, std::max(1.1 * std::max(height, width / 1.5), 1e-3));
    appendNumber(out, 41, 1.5);
    appendNumber(out, 42, 50);
    appendInteger(out, 71, 0);
    appendPair(out, 0, "ENDTAB");
}

// The solid line and the centre line, its dashes in proportion to the drawing.
void appendLineTypeTable(std::string &out, double height)
{
    const double dash = std::max(height, 1e-3) / 40;
    beginTable(out, "LTYPE", 2);
    beginEntry(out, "LTYPE", "CONTINUOUS");
    appendPair(out, 3, "Solid line");
    appendInteger(out, 72, 65);
    appendInteger(out, 73, 0);
    appendNumber(out, 40, 0);
    beginEntry(out, "LTYPE", "CENTER");
    appendPair(out, 3, "Center ____ _ ____ _ ____");
    appendInteger(out, 72, 65);
    appendInteger(out, 73, 4);
    appendNumber(out, 40, 5.5 * dash);
    for (double element : {4.0, -0.5, 0.5, -0.5})
        appendNumber(out, 49, element * dash);
    appendPair(out, 0, "ENDTAB");
}

void appendStyleTable(std::string &out)
{
    beginTable(out, "STYLE", 1);
    beginEntry(out, "STYLE", "STANDARD");
    appendNumber(out, 40, 0);
    appendNumber(out, 41, 1);
    appendNumber(out, 50, 0);
    appendInteger(out, 71, 0);
    appendNumber(out, 42, 0.2);
    appendPair(out, 3, "txt");
    appendPair(out, 4, "");
    appendPair(out, 0, "ENDTAB");
}

} // namespace

std::string DxfWriter::tables() const
{
    const DxfPoint low = lowest(), high = highest();
    std::string out;
    appendPair(out, 0, "SECTION");
    appendPair(out, 2, "TABLES");
    appendViewportTable(out, low, high);
    appendLineTypeTable(out, high.y - low.y);
    beginTable(out, "LAYER", static_cast<int>(m_layers.size()));
    for (const Layer &layer : m_layers) {
        beginEntry(out, "LAYER", layer.name);
        appendInteger(out, 62, layer.colour);
        appendPair(out, 6, layer.centreLine ? "CENTER" : "CONTINUOUS");
    }
    appendPair(out, 0, "ENDTAB");
    appendStyleTable(out);
    appendPair(out, 0, "ENDSEC");
    return out;
}

std::string DxfWriter::document() const
{
    std::string out = header() + tables();
    appendPair(out, 0, "SECTION");
    appendPair(out, 2, "BLOCKS");
    appendPair(out, 0, "ENDSEC");
    appendPair(out, 0, "SECTION");
    appendPair(out, 2, "ENTITIES");
    out += m_entities;
    appendPair(out, 0, "ENDSEC");
    appendPair(out, 0, "EOF");
    return out;
}

} // namespace vendrix
