#include "app/dialogs/results/design_check_window.h"

#include "app/dialogs/input/design_check_dialog.h"
#include "graphics/design_check_drawing.h"
#include "graphics/drawing_palette.h"
#include "graphics/qt_text.h"
#include "report/design_check_rows.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vendrix {

// The picture on screen: the same painting as the printed page; nothing while
// the check has no result.
class DesignCheckPictureView : public QWidget
{
public:
    DesignCheckPictureView(const TubeSolution &tube, const std::optional<DesignCheckResult> &result,
                           QWidget *parent)
        : QWidget(parent)
        , m_tube(tube)
        , m_result(result)
    {
        setObjectName(QStringLiteral("designCheckPicture"));
        setMinimumSize(420, 260);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_result)
            return;
        QPainter painter(this);
        drawDesignCheckPicture(painter, QRectF(rect()), m_tube, *m_result);
    }

private:
    const TubeSolution &m_tube;
    const std::optional<DesignCheckResult> &m_result;
};

namespace {

QString joinedLines(const std::vector<std::string> &lines)
{
    QStringList shown;
    for (const std::string &line : lines)
        shown << toQString(line);
    return shown.join(QLatin1Char('\n'));
}

QTableWidgetItem *cell(const std::string &text)
{
    auto *item = new QTableWidgetItem(toQString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

DesignCheckWindow::DesignCheckWindow(ProjectRecord &record, const UiServices &services,
                                     SolutionMethod chosen, QWidget *parent)
    : FormDialog(record, services, "IDD_DESIGN_CHECK", parent)
    , m_chosen(chosen)
    , m_inputs(new QLabel(this))
    , m_picture(new DesignCheckPictureView(m_exact, m_result, this))
    , m_table(new QTableWidget(this))
    , m_notes(new QLabel(this))
    , m_editInputs(new QPushButton(QStringLiteral("&Inputs..."), this))
{
    setObjectName(QStringLiteral("designCheck"));
    setWindowTitle(QStringLiteral("Design Check"));
    setHelpTopic(QStringLiteral("::/Design_Check.htm"));
    m_inputs->setObjectName(QStringLiteral("inputsSummary"));
    m_table->setObjectName(QStringLiteral("checks"));
    m_notes->setObjectName(QStringLiteral("notes"));
    m_notes->setWordWrap(true);
    m_editInputs->setObjectName(QStringLiteral("editInputs"));
    connect(m_editInputs, &QPushButton::clicked, this, &DesignCheckWindow::editInputs);
    auto *close = new QPushButton(QStringLiteral("Return"), this);
    close->setObjectName(QStringLiteral("return"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *top = new QHBoxLayout;
    top->addWidget(m_inputs);
    top->addWidget(m_picture, 1);
    QHBoxLayout *buttons = taggedButtonRow({m_editInputs, close});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_notes);
    layout->addLayout(buttons);
    resize(980, 720);
    recompute();
}

void DesignCheckWindow::recompute()
{
    m_result.reset();
    if (const auto failure = solveForDesignCheck(record(), m_exact)) {
        m_inputs->clear();
        m_notes->setText(toQString(failure->messageText));
        m_table->clear();
        m_table->setRowCount(0);
        m_table->setColumnCount(0);
    } else {
        m_result = computeDesignCheck(record().input, m_exact, record().designCheck);
        m_inputs->setText(
            joinedLines(designCheckInputLines(record().designCheck, *m_result, record().display)));
        m_notes->setText(joinedLines(designCheckNotes(*m_result, m_chosen)));
        fillTable();
    }
    m_picture->setVisible(m_result.has_value());
    m_picture->update();
}

void DesignCheckWindow::editInputs()
{
    // The dialog stores into the record this window shows.
    if (editDesignCheckInputs(this, record(), services(), runDialog))
        recompute();
}

void DesignCheckWindow::fillTable()
{
    const std::vector<DesignCheckRow> rows
        = designCheckRows(record().designCheck, *m_result, record().display);
    m_table->setColumnCount(5);
    m_table->setHorizontalHeaderLabels({QStringLiteral("Check"), QStringLiteral("Value"),
                                        QStringLiteral("Limit"), QStringLiteral("Result"),
                                        QStringLiteral("Note")});
    m_table->setRowCount(int(rows.size()));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    for (int i = 0; i < int(rows.size()); ++i) {
        const DesignCheckRow &row = rows[size_t(i)];
        m_table->setItem(i, 0, cell(row.check));
        m_table->setItem(i, 1, cell(row.value));
        m_table->setItem(i, 2, cell(row.limit));
        QTableWidgetItem *verdict = cell(verdictText(row.verdict));
        if (row.verdict != RowVerdict::None)
            verdict->setForeground(row.verdict == RowVerdict::Pass ? designCheckColours::pass
                                                                   : designCheckColours::fail);
        m_table->setItem(i, 3, verdict);
        m_table->setItem(i, 4, cell(row.note));
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
}

} // namespace vendrix
