#include "graphics/analysis_type_image.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace vendrix {

namespace {

// Each type has its own badge colour so the three banners differ at a glance.
QColor badgeColour(AnalysisType type)
{
    switch (type) {
    case AnalysisType::GivenHeight:
        return QColor(196, 92, 0);
    case AnalysisType::GivenPressure:
        return QColor(112, 48, 160);
    case AnalysisType::GivenStrength:
        break;
    }
    return QColor(0, 120, 72);
}

// The largest pixel size (at most `wanted`) at which `text` fits `width`.
QFont fittedFont(QFont font, const QString &text, qreal wanted, qreal width)
{
    font.setPixelSize(std::max(1, qRound(wanted)));
    const qreal measured = QFontMetricsF(font).horizontalAdvance(text);
    if (measured > width && measured > 0)
        font.setPixelSize(std::max(1, int(wanted * width / measured)));
    return font;
}

} // namespace

char analysisTypeLetter(AnalysisType type)
{
    switch (type) {
    case AnalysisType::GivenHeight:
        return 'B';
    case AnalysisType::GivenPressure:
        return 'C';
    case AnalysisType::GivenStrength:
        break;
    }
    return 'A';
}

void drawAnalysisTypeImage(QPainter &painter, const QRectF &target, AnalysisType type)
{
    if (target.width() <= 0 || target.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const qreal h = target.height();
    const qreal line = std::max<qreal>(1.0, h / 25.0);
    const qreal radius = h * 0.2;

    QLinearGradient face(target.topLeft(), target.bottomLeft());
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(226, 232, 240));
    painter.setPen(QPen(QColor(40, 60, 90), line));
    painter.setBrush(face);
    const qreal inset = line / 2;
    painter.drawRoundedRect(target.adjusted(inset, inset, -inset, -inset), radius, radius);

    // The letter sits in a round badge at the right end.
    const qreal badgeSize = h * 0.78;
    const QRectF badge(target.right() - h * 0.11 - badgeSize, target.center().y() - badgeSize / 2,
                       badgeSize, badgeSize);
    painter.setPen(Qt::NoPen);
    painter.setBrush(badgeColour(type));
    painter.drawEllipse(badge);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(1, qRound(badgeSize * 0.62)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, QString(QChar::fromLatin1(analysisTypeLetter(type))));

    const QString caption = QStringLiteral("Requested type of analysis:");
    const QRectF captionBox(target.left() + h * 0.35, target.top(),
                            badge.left() - target.left() - h * 0.55, h);
    QFont captionFont(QStringLiteral("Liberation Sans"));
    captionFont.setBold(true);
    captionFont.setItalic(true);
    painter.setFont(fittedFont(captionFont, caption, h * 0.5, captionBox.width()));
    painter.setPen(QColor(20, 30, 50));
    painter.drawText(captionBox, Qt::AlignRight | Qt::AlignVCenter, caption);
    painter.restore();
}

} // namespace vendrix
