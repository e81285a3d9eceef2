#pragma once
// What a cross-section scene is painted onto: the few strokes, fills and texts
// it needs, in the medium's own units. The screen surface paints picture
// pixels with a QPainter (whole pixels, opaque label backgrounds); the page
// surface paints twips through the page canvas.

#include "graphics/cross_section_style.h"

#include <QColor>
#include <QPointF>
#include <QPolygonF>

#include <optional>
#include <string>

class QPainter;

namespace vendrix {

class PageCanvas;

class SceneSurface
{
public:
    virtual ~SceneSurface() = default;

    virtual void setFont(const SceneFont &font) = 0;
    virtual void setPen(const QColor &colour, const SceneStroke &stroke) = 0;
    virtual void setNoPen() = 0;
    virtual void setBrush(std::optional<QColor> colour) = 0; // none: not filled

    // Filled with `colour` without an outline.
    virtual void fill(QPointF from, QPointF to, const QColor &colour) = 0;
    // Outlined with the pen and filled with the brush.
    virtual void rectangle(QPointF from, QPointF to) = 0;
    virtual void polygon(const QPolygonF &points) = 0;
    virtual void polyline(const QPolygonF &points) = 0;
    virtual void line(QPointF from, QPointF to) = 0;
    // Two strokes from `tip`, `arrow.length` back along the unit vector `back`.
    virtual void arrowhead(QPointF tip, QPointF back, const ArrowStyle &arrow) = 0;

    // Windows-1252 text at `spot`, in `ink` on `back` (none: transparent).
    virtual void text(const TextSpot &spot, const std::string &text, const QColor &ink,
                      std::optional<QColor> back)
        = 0;
    virtual double textWidth(const std::string &text) const = 0;
};

// Picture pixels on `painter`, which already maps them to its device.
class ScreenSurface : public SceneSurface
{
public:
    explicit ScreenSurface(QPainter &painter)
        : m_painter(painter)
    { }

    void setFont(const SceneFont &font) override;
    void setPen(const QColor &colour, const SceneStroke &stroke) override;
    void setNoPen() override;
    void setBrush(std::optional<QColor> colour) override;
    void fill(QPointF from, QPointF to, const QColor &colour) override;
    void rectangle(QPointF from, QPointF to) override;
    void polygon(const QPolygonF &points) override;
    void polyline(const QPolygonF &points) override;
    void line(QPointF from, QPointF to) override;
    void arrowhead(QPointF tip, QPointF back, const ArrowStyle &arrow) override;
    void text(const TextSpot &spot, const std::string &text, const QColor &ink,
              std::optional<QColor> back) override;
    double textWidth(const std::string &text) const override;

private:
    QPainter &m_painter;
};

// Twips on a page canvas.
class PageSurface : public SceneSurface
{
public:
    explicit PageSurface(PageCanvas &canvas)
        : m_canvas(canvas)
    { }

    void setFont(const SceneFont &font) override;
    void setPen(const QColor &colour, const SceneStroke &stroke) override;
    void setNoPen() override;
    void setBrush(std::optional<QColor> colour) override;
    void fill(QPointF from, QPointF to, const QColor &colour) override;
    void rectangle(QPointF from, QPointF to) override;
    void polygon(const QPolygonF &points) override;
    void polyline(const QPolygonF &points) override;
    void line(QPointF from, QPointF to) override;
    void arrowhead(QPointF tip, QPointF back, const ArrowStyle &arrow) override;
    void text(const TextSpot &spot, const std::string &text, const QColor &ink,
              std::optional<QColor> back) override;
    double textWidth(const std::string &text) const override;

private:
    PageCanvas &m_canvas;
};

} // namespace vendrix
