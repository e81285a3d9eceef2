#include "graphics/shell_artwork.h"
#include "graphics/drawing_palette.h"
#include "graphics/tube_outline.h"
#include "vendrix_version.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

static void registerShellPictures()
{
    Q_INIT_RESOURCE(shell);
}

namespace vendrix {

namespace {

const QColor &kInk = artworkColours::ink;

// A tube in water on the sea bed, filling `area`.
void drawTubeScene(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, artworkColours::skyTop);
    sky.setColorAt(1, artworkColours::skyHorizon);
    painter.fillRect(area, sky);
    const double ground = area.top() + 0.80 * area.height();
    const double water = area.top() + 0.52 * area.height();
    QRectF sea(area.left(), water, area.width(), ground - water);
    QLinearGradient seaColour(sea.topLeft(), sea.bottomLeft());
    seaColour.setColorAt(0, artworkColours::seaTop);
    seaColour.setColorAt(1, artworkColours::seaBottom);
    const QRectF tubeBox(area.left() + 0.22 * area.width(), area.top() + 0.38 * area.height(),
                         0.56 * area.width(), ground - (area.top() + 0.38 * area.height()));
    const QPainterPath tube = schematicTubeOutline(tubeBox, 0.76);
    QLinearGradient fill(tubeBox.topLeft(), tubeBox.bottomLeft());
    fill.setColorAt(0, artworkColours::tubeLight);
    fill.setColorAt(1, artworkColours::tubeDark);
    painter.setPen(QPen(artworkColours::tubeEdge, std::max(1.5, area.height() / 160)));
    painter.setBrush(fill);
    painter.drawPath(tube);
    // The water in front of the tube, lighter where it covers it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(seaColour);
    painter.drawRect(sea);
    painter.setPen(QPen(artworkColours::foam, std::max(1.0, area.height() / 240)));
    for (int i = 0; i < 6; ++i) {
        const double x = area.left() + (0.05 + 0.16 * i) * area.width();
        painter.drawLine(QPointF(x, water + 4), QPointF(x + 0.06 * area.width(), water + 4));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(artworkColours::seaBed);
    painter.drawRect(QRectF(area.left(), ground, area.width(), area.bottom() - ground));
    painter.setBrush(artworkColours::seaBedTop);
    painter.drawRect(QRectF(area.left(), ground, area.width(), area.height() / 60));
    painter.restore();
}

QPixmap canvas(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A sheet of paper with its top-right corner folded.
void drawPage(QPainter &p, const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 7, r.top());
    path.lineTo(r.right(), r.top() + 7);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 7, r.top()), QPointF(r.right() - 7, r.top() + 7));
    p.drawLine(QPointF(r.right() - 7, r.top() + 7), QPointF(r.right(), r.top() + 7));
}

// A closed outline through `points`, filled with the painter's brush.
void drawShape(QPainter &p, std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.moveTo(*points.begin());
    for (auto it = points.begin() + 1; it != points.end(); ++it)
        path.lineTo(*it);
    path.closeSubpath();
    p.drawPath(path);
}

void drawNew(QPainter &p)
{
    drawPage(p, QRectF(7, 3, 18, 26));
    p.setPen(QPen(QColor(220, 160, 0), 2));
    p.drawLine(QPointF(22, 18), QPointF(28, 24));
    p.drawLine(QPointF(28, 18), QPointF(22, 24));
    p.drawLine(QPointF(25, 16.5), QPointF(25, 25.5));
}

void drawOpen(QPainter &p)
{
    p.setBrush(QColor(240, 200, 90));
    p.drawRoundedRect(QRectF(3, 8, 24, 18), 2, 2);
    p.setBrush(QColor(250, 220, 120));
    drawShape(p, {{7, 13}, {30, 13}, {26, 26}, {3, 26}});
}

void drawClose(QPainter &p)
{
    drawPage(p, QRectF(5, 3, 18, 26));
    p.setPen(QPen(QColor(200, 30, 30), 3));
    p.drawLine(QPointF(17, 16), QPointF(28, 27));
    p.drawLine(QPointF(28, 16), QPointF(17, 27));
}

void drawSave(QPainter &p)
{
    p.setBrush(QColor(60, 100, 170));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(210, 210, 215));
    p.drawRect(QRectF(8, 18, 16, 10));
}

void drawPrint(QPainter &p)
{
    const QRectF r(3, 4, 26, 25);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + 6, r.top(), r.width() - 12, 9));
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(r.left(), r.top() + 8, r.width(), 12), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + 6, r.top() + 16, r.width() - 12, 9));
}

void drawPrintPreview(QPainter &p)
{
    drawPage(p, QRectF(4, 3, 18, 24));
    p.setBrush(QColor(200, 230, 250, 200));
    p.setPen(QPen(kInk, 2));
    p.drawEllipse(QPointF(19, 18), 6.5, 6.5);
    p.setPen(QPen(kInk, 3.5));
    p.drawLine(QPointF(24, 23), QPointF(29, 28));
}

void drawAbout(QPainter &p)
{
    p.setBrush(QColor(40, 110, 190));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
    p.drawRoundedRect(QRectF(14, 13, 4, 12), 1.5, 1.5);
}

void drawContextHelp(QPainter &p)
{
    p.setBrush(Qt::white);
    drawShape(p, {{4, 3}, {4, 22}, {9, 17}, {13, 26}, {16, 25}, {12, 16}, {18, 16}});
    QFont font = p.font();
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(40, 110, 190));
    p.drawText(QRectF(16, 2, 16, 22), Qt::AlignCenter, QStringLiteral("?"));
}

void drawCalculator(QPainter &p)
{
    p.setBrush(QColor(90, 90, 100));
    p.drawRoundedRect(QRectF(6, 2, 20, 28), 3, 3);
    p.setBrush(QColor(190, 225, 190));
    p.drawRect(QRectF(9, 5, 14, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(9 + 5 * col, 14 + 5 * row, 3.5, 3.5));
    }
}

void drawExit(QPainter &p)
{
    p.setBrush(QColor(150, 100, 60));
    p.drawRect(QRectF(4, 3, 14, 26));
    p.setPen(QPen(QColor(20, 130, 60), 3));
    p.drawLine(QPointF(14, 16), QPointF(28, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 130, 60));
    drawShape(p, {{29, 16}, {23, 10}, {23, 22}});
}

// Each toolbar picture: how it is drawn and the desktop theme's name for it,
// in the order of ToolbarPicture.
struct ToolbarEntry
{
    void (*draw)(QPainter &);
    const char *themeName;
};

const ToolbarEntry &toolbarEntry(ToolbarPicture picture)
{
    static const ToolbarEntry entries[] = {
        {drawNew, "document-new"},
        {drawOpen, "document-open"},
        {drawClose, "document-close"},
        {drawSave, "document-save"},
        {drawPrint, "document-print"},
        {drawPrintPreview, "document-print-preview"},
        {drawAbout, "help-about"},
        {drawContextHelp, "help-contextual"},
        {drawCalculator, "accessories-calculator"},
        {drawExit, "application-exit"},
    };
    return entries[static_cast<int>(picture)];
}

QPixmap drawnToolbarPicture(ToolbarPicture picture)
{
    QPixmap pixmap = canvas(32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.6));
    toolbarEntry(picture).draw(p);
    return pixmap;
}

} // namespace

QIcon programIcon()
{
    registerShellPictures();
    QSvgRenderer renderer(QStringLiteral(":/shell/vendrix.svg"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap = canvas(size);
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap splashPicture()
{
    QPixmap pixmap(kSplashSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(0, 0, kSplashSize.width(), kSplashSize.height());
    drawTubeScene(painter, area);
    // Title band across the sky.
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(78);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    painter.setFont(title);
    painter.setPen(artworkColours::title);
    painter.drawText(QRectF(0, 24, area.width(), 96), Qt::AlignCenter, QStringLiteral("VENDRIX"));
    QFont subtitle(QStringLiteral("Liberation Sans"));
    subtitle.setPixelSize(24);
    painter.setFont(subtitle);
    painter.drawText(QRectF(0, 116, area.width(), 34), Qt::AlignCenter,
                     QStringLiteral("Design of Geosynthetic Tubes"));
    subtitle.setPixelSize(17);
    painter.setFont(subtitle);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, area.height() - 50, area.width() - 20, 30),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Version " VENDRIX_VERSION));
    painter.setPen(QPen(artworkColours::title, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(1, 1, -1, -1));
    return pixmap;
}

QPixmap firstScreenPicture(const QSize &size)
{
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    const QRectF area(0, 0, size.width(), size.height());
    drawTubeScene(painter, area);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(std::max(12, size.height() / 6));
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(artworkColours::title);
    painter.drawText(QRectF(0, size.height() * 0.04, area.width(), size.height() * 0.3),
                     Qt::AlignCenter, QStringLiteral("VENDRIX"));
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    return pixmap;
}

QIcon toolbarIcon(ToolbarPicture picture)
{
    return QIcon::fromTheme(QString::fromLatin1(toolbarEntry(picture).themeName),
                            QIcon(drawnToolbarPicture(picture)));
}

} // namespace vendrix
