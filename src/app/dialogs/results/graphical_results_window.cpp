#include "app/dialogs/results/graphical_results_window.h"

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/common/form_dialog.h"
#include "graphics/bmp_file.h"
#include "graphics/cross_section_drawing.h"
#include "graphics/image_export.h"
#include "report/cross_section_dxf.h"
#include "report/outline_csv.h"
#include "report/spreadsheet_export.h"
#include "report/xlsx_export.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
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

QPushButton *textButton(const char *text, const char *name, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    return button;
}

} // namespace

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
    setProperty("helpTopic", QStringLiteral("::/Working_with_Vendrix.htm#cross-section"));
    setModal(true);
    applyDialogFace(this, kDrawingDialogColour);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(createControls());
    showMatchingBanner();
    // The whole standard drawing area, also on screens where the automatic
    // first size would keep the window smaller.
    resize(sizeHint());
}

QGridLayout *GraphicalResultsWindow::createControls()
{
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
    auto *excel = textButton("Export to &Excel", "exportToExcel", QString(), this);
    auto *colour = textButton("B/W", "blackWhite", QString(), this);
    auto *back = textButton("&RETURN", "return", QString(), this);
    back->setDefault(true);
    auto *csv = textButton("Save as CSV", "saveAsCsv",
                           tr("Save the outline as comma-separated x, y coordinates"), this);
    auto *cad = textButton("Export to CAD", "exportToCad",
                           tr("Save the cross-section as a DXF drawing at true scale"), this);
    controls->addWidget(bitmap, 0, 2);
    controls->addWidget(excel, 0, 3);
    controls->addWidget(csv, 0, 4);
    controls->addWidget(colour, 1, 2);
    controls->addWidget(cad, 1, 3);
    controls->addWidget(back, 1, 4);
    auto *tag = new QLabel(QStringLiteral("IDD_GRAPHICAL_RESULTS"), this);
    tag->setObjectName(QStringLiteral("dialogTag"));
    tag->setVisible(!m_record.state.hideDialogTags);
    controls->addWidget(tag, 1, 1, Qt::AlignRight | Qt::AlignVCenter);

    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    connect(colour, &QPushButton::clicked, this, &GraphicalResultsWindow::chooseColourMode);
    connect(bitmap, &QPushButton::clicked, this, &GraphicalResultsWindow::saveBitmap);
    connect(excel, &QPushButton::clicked, this, &GraphicalResultsWindow::exportToSpreadsheet);
    connect(csv, &QPushButton::clicked, this, &GraphicalResultsWindow::saveAsCsv);
    connect(cad, &QPushButton::clicked, this, &GraphicalResultsWindow::exportToCad);
    return controls;
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
    writeChosenFile(
        m_services, this,
        withDefaultSuffix(askSaveFileName(m_services, this, m_record.info.projectPath,
                                          tr("Save As"), QStringLiteral("*.bmp"), QString()),
                          "bmp"),
        [&picture](const std::filesystem::path &path) { return writeBmpFile(path, picture); });
}

void GraphicalResultsWindow::exportToSpreadsheet()
{
    // The tab-separated table stays the first choice; the name's suffix decides.
    const QString path = withDefaultSuffix(
        askSaveFileName(m_services, this, m_record.info.projectPath, tr("Save As"),
                        QStringLiteral(".xls"),
                        QStringLiteral("Tab-separated table (*.xls);;Excel workbook (*.xlsx)")),
        "xls");
    const bool workbook
        = QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0;
    writeChosenFile(m_services, this, path, [this, workbook](const std::filesystem::path &file) {
        return workbook ? writeXlsxFile(file, m_record) : writeSpreadsheetFile(file, m_record);
    });
}

void GraphicalResultsWindow::saveRecordAs(const char *suffix, const QString &filter,
                                          RecordWriter write)
{
    // In the project's folder under the project's name, as a CAD user expects.
    const QString name
        = projectFileStem(m_record.info.projectPath, "tube") + QLatin1Char('.') + suffix;
    writeChosenFile(
        m_services, this,
        withDefaultSuffix(askSaveFileName(m_services, this, m_record.info.projectPath,
                                          tr("Save As"), name, filter),
                          suffix),
        [this, write](const std::filesystem::path &path) { return write(path, m_record); });
}

void GraphicalResultsWindow::saveAsCsv()
{
    saveRecordAs("csv", QStringLiteral("CSV files (*.csv)"), writeOutlineCsvFile);
}

void GraphicalResultsWindow::exportToCad()
{
    saveRecordAs("dxf", QStringLiteral("DXF drawings (*.dxf)"), writeCrossSectionDxfFile);
}

void showGraphicalResults(ProjectRecord &record, const UiServices &services, QWidget *parent)
{
    GraphicalResultsWindow dialog(record, services, parent);
    runModal(dialog);
}

} // namespace vendrix
