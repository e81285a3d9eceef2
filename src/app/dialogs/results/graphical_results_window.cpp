#include "app/dialogs/results/graphical_results_window.h"

#include "app/dialogs/common/input_dialog.h"
#include "graphics/bmp_file.h"
#include "graphics/cross_section_drawing.h"
#include "graphics/image_export.h"
#include "report/cross_section_dxf.h"
#include "report/outline_csv.h"
#include "report/spreadsheet_export.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vendrix {

namespace {

const QColor kDrawingDialogColour(204, 236, 255);

// The product-name banner, 200 by 43, in colour or black and white.
QPixmap bannerPicture(bool blackWhite)
{
    QPixmap pixmap(200, 43);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor back = blackWhite ? QColor(Qt::white) : crossSectionColours::rust;
    const QColor ink = blackWhite ? QColor(Qt::black) : crossSectionColours::titleYellow;
    p.setPen(QPen(blackWhite ? QColor(Qt::black) : crossSectionColours::amber, 2));
    p.setBrush(back);
    p.drawRoundedRect(QRectF(1, 1, 198, 41), 8, 8);
    // A small tube on its foundation beside the name.
    p.setPen(QPen(ink, 1.5));
    p.setBrush(blackWhite ? QColor(Qt::white) : crossSectionColours::amber);
    p.drawChord(QRectF(12, 10, 38, 30), 0, 180 * 16);
    p.drawLine(QPointF(8, 25), QPointF(54, 25));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(60, 0, 136, 43), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Vendrix"));
    return pixmap;
}

// The picture button that saves the bitmap, 158 by 30.
QPixmap bitmapButtonPicture()
{
    QPixmap pixmap(158, 30);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A framed picture: sky, water and a tube.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kDrawingDialogColour);
    p.drawRect(QRectF(4.5, 4.5, 30, 21));
    p.fillRect(QRectF(5, 15, 30, 6), crossSectionColours::skyBlue);
    p.fillRect(QRectF(5, 21, 30, 4.5), crossSectionColours::rust);
    p.setBrush(crossSectionColours::amber);
    p.setPen(Qt::NoPen);
    p.drawChord(QRectF(11, 10, 18, 22), 0, 180 * 16);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(40, 0, 118, 30), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("BITMAP FILE"));
    return pixmap;
}

QPushButton *exportButton(const char *text, const char *name, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    return button;
}

QString withSuffix(QString path, const char *suffix)
{
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(suffix);
    return path;
}

} // namespace

CrossSectionView::CrossSectionView(const ProjectRecord &record, QWidget *parent)
    : QWidget(parent)
    , m_record(record)
{
    setObjectName(QStringLiteral("crossSection"));
    // The standard drawing area: smaller, the result lines and legend crowd.
    setMinimumSize(kStandardSize);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QImage CrossSectionView::picture() const
{
    return renderDrawing(
        [this](QPainter &painter, const QRectF &target) {
            drawCrossSection(painter, target, m_record);
        },
        size());
}

void CrossSectionView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawCrossSection(painter, QRectF(rect()), m_record);
}

ColourChoiceDialog::ColourChoiceDialog(ProjectRecord &record, QWidget *parent)
    : QDialog(parent)
    , m_record(record)
{
    setWindowTitle(tr("Display of Graphics"));
    // F1 and the caption's help button open this help topic.
    setProperty("helpTopic", QStringLiteral("::/General_Information.htm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    applyDialogFace(this, kDialogFaceColour);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Display  of graphics :"), this));
    m_colour = new QRadioButton(QStringLiteral("Color (clearer appearance on screen)"), this);
    m_colour->setObjectName(QStringLiteral("screenBlackWhite_0"));
    m_blackWhite = new QRadioButton(
        QStringLiteral("Black  and White (useful when capturing\nbitmap file for prinout)"), this);
    m_blackWhite->setObjectName(QStringLiteral("screenBlackWhite_1"));
    layout->addWidget(m_colour);
    layout->addWidget(m_blackWhite);
    (record.display.screenBlackWhite ? m_blackWhite : m_colour)->setChecked(true);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void ColourChoiceDialog::accept()
{
    m_record.display.screenBlackWhite = m_blackWhite->isChecked() ? 1 : 0;
    QDialog::accept();
}

GraphicalResultsWindow::GraphicalResultsWindow(ProjectRecord &record, const UiServices &services,
                                               QWidget *parent)
    : QDialog(parent)
    , m_record(record)
    , m_services(services)
    , m_view(new CrossSectionView(record, this))
    , m_colourBanner(new QLabel(this))
    , m_blackWhiteBanner(new QLabel(this))
{
    setWindowTitle(tr("Graphical results"));
    setModal(true);
    applyDialogFace(this, kDrawingDialogColour);
    runColourDialog = [](ColourChoiceDialog &dialog) { dialog.exec(); };

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);

    // Banner on the left, the six buttons in two rows on the right, so that
    // the drawing area keeps its standard width when the window opens.
    auto *controls = new QGridLayout;
    m_colourBanner->setObjectName(QStringLiteral("colourBanner"));
    m_colourBanner->setPixmap(bannerPicture(false));
    m_blackWhiteBanner->setObjectName(QStringLiteral("blackWhiteBanner"));
    m_blackWhiteBanner->setPixmap(bannerPicture(true));
    controls->addWidget(m_colourBanner, 0, 0, 2, 1, Qt::AlignVCenter);
    controls->addWidget(m_blackWhiteBanner, 0, 0, 2, 1, Qt::AlignVCenter);
    controls->setColumnStretch(1, 1);

    auto *bitmap = new QPushButton(this);
    bitmap->setObjectName(QStringLiteral("BITMAP_FILE"));
    bitmap->setIcon(bitmapButtonPicture());
    bitmap->setIconSize(QSize(158, 30));
    bitmap->setToolTip(tr("Save the drawing as a bitmap file"));
    auto *excel = new QPushButton(QStringLiteral("Export to &Excel"), this);
    excel->setObjectName(QStringLiteral("exportToExcel"));
    auto *colour = new QPushButton(QStringLiteral("B/W"), this);
    colour->setObjectName(QStringLiteral("blackWhite"));
    auto *back = new QPushButton(QStringLiteral("&RETURN"), this);
    back->setObjectName(QStringLiteral("return"));
    back->setDefault(true);
    auto *csv = exportButton("Save as CSV", "saveAsCsv",
                             tr("Save the outline as comma-separated x, y coordinates"), this);
    auto *cad = exportButton("Export to CAD", "exportToCad",
                             tr("Save the cross-section as a DXF drawing at true scale"), this);
    controls->addWidget(bitmap, 0, 2);
    controls->addWidget(excel, 0, 3);
    controls->addWidget(csv, 0, 4);
    controls->addWidget(colour, 1, 2);
    controls->addWidget(cad, 1, 3);
    controls->addWidget(back, 1, 4);
    auto *tag = new QLabel(QStringLiteral("IDD_GRAPHICAL_RESULTS"), this);
    tag->setObjectName(QStringLiteral("dialogTag"));
    tag->setVisible(!record.state.hideDialogTags);
    controls->addWidget(tag, 1, 1, Qt::AlignRight | Qt::AlignVCenter);
    layout->addLayout(controls);

    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    connect(colour, &QPushButton::clicked, this, &GraphicalResultsWindow::chooseColourMode);
    connect(bitmap, &QPushButton::clicked, this, &GraphicalResultsWindow::saveBitmap);
    connect(excel, &QPushButton::clicked, this, &GraphicalResultsWindow::exportToSpreadsheet);
    connect(csv, &QPushButton::clicked, this, &GraphicalResultsWindow::saveAsCsv);
    connect(cad, &QPushButton::clicked, this, &GraphicalResultsWindow::exportToCad);
    showMatchingBanner();
    // The whole standard drawing area, also on screens where the automatic
    // first size would keep the window smaller.
    resize(sizeHint());
}

void GraphicalResultsWindow::showMatchingBanner()
{
    const bool blackWhite = m_record.display.screenBlackWhite;
    m_colourBanner->setVisible(!blackWhite);
    m_blackWhiteBanner->setVisible(blackWhite);
}

void GraphicalResultsWindow::chooseColourMode()
{
    ColourChoiceDialog dialog(m_record, this);
    runColourDialog(dialog);
    showMatchingBanner();
    m_view->update();
}

void GraphicalResultsWindow::saveBitmap()
{
    // The picture is taken before the file dialog covers it.
    const QImage picture = m_view->picture();
    const QString path
        = withSuffix(askSaveFileName(m_services, this, m_record.info.projectPath, tr("Save As"),
                                     QStringLiteral("*.bmp"), QString()),
                     "bmp");
    if (path.isEmpty())
        return;
    std::string error;
    if (!writeBmpFile(QFile::encodeName(path).toStdString(), picture, error))
        showError(m_services, this, QString::fromLocal8Bit(error));
}

void GraphicalResultsWindow::exportToSpreadsheet()
{
    const QString path
        = withSuffix(askSaveFileName(m_services, this, m_record.info.projectPath, tr("Save As"),
                                     QStringLiteral(".xls"), QString()),
                     "xls");
    if (path.isEmpty())
        return;
    if (const auto failure = writeSpreadsheetFile(QFile::encodeName(path).toStdString(), m_record))
        showError(m_services, this, QString::fromLocal8Bit(failure->messageText));
}

void GraphicalResultsWindow::saveAsCsv()
{
    if (!m_services.saveFileName)
        return;
    const QString path = withSuffix(
        m_services.saveFileName(this, tr("Save As"), QStringLiteral("*.csv"), QString()), "csv");
    if (path.isEmpty())
        return;
    if (const auto failure = writeOutlineCsvFile(QFile::encodeName(path).toStdString(), m_record))
        showError(m_services, this, QString::fromLocal8Bit(failure->messageText));
}

void GraphicalResultsWindow::exportToCad()
{
    if (!m_services.saveFileName)
        return;
    const QString path = withSuffix(
        m_services.saveFileName(this, tr("Save As"), QStringLiteral("*.dxf"), QString()), "dxf");
    if (path.isEmpty())
        return;
    if (const auto failure
        = writeCrossSectionDxfFile(QFile::encodeName(path).toStdString(), m_record))
        showError(m_services, this, QString::fromLocal8Bit(failure->messageText));
}

void showGraphicalResults(ProjectRecord &record, const UiServices &services, QWidget *parent)
{
    GraphicalResultsWindow dialog(record, services, parent);
    dialog.exec();
}

} // namespace vendrix
