#include "app/dialogs/results/numerical_results_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "engine/numerical_results.h"
#include "graphics/dialog_artwork.h"
#include "graphics/qt_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendrix {

NumericalResultsDialog::NumericalResultsDialog(ProjectRecord &record, const UiServices &services,
                                               QWidget *parent)
    : FormDialog(record, services, "IDD_NUMERICAL_RESULTS", parent)
{
    setWindowTitle(QStringLiteral("Numerical Results"));
    setHelpTopic(QStringLiteral("::/Working_with_Vendrix.htm#results"));
    QLayout *text = createLines();

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("illustration"));
    picture->setPixmap(tubeDimensionsPicture());
    auto *back = makeButton(QStringLiteral("&RETURN"), "return", this);
    back->setDefault(true);
    back->setMinimumSize(90, 32);

    auto *layout = new QGridLayout(this);
    layout->addLayout(text, 0, 0);
    layout->addWidget(picture, 0, 1, Qt::AlignTop | Qt::AlignHCenter);
    layout->addWidget(tagLabel(), 1, 0, Qt::AlignLeft);
    layout->addWidget(back, 1, 1, Qt::AlignRight);
    layout->setColumnMinimumWidth(0, 430);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);

    showNumericalResults();
    back->setFocus();
}

QLayout *NumericalResultsDialog::createLines()
{
    for (int i = 0; i < kNumericalResultsLines; ++i) {
        m_lines[i] = new QLabel(this);
        m_lines[i]->setObjectName(QStringLiteral("line%1").arg(i + 1));
        m_lines[i]->setTextFormat(Qt::PlainText);
        m_lines[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    auto *text = new QVBoxLayout;
    text->setSpacing(3);
    auto indented = [&](int line, int indent) {
        auto *row = new QHBoxLayout;
        row->addSpacing(indent);
        row->addWidget(m_lines[line - 1]);
        text->addLayout(row);
    };
    indented(1, 0);
    indented(2, 26);
    text->addSpacing(6);
    text->addWidget(
        makeHeading(QStringLiteral("In circumferential direction of tube :"), this, true));
    indented(3, 24);
    indented(4, 24);
    text->addSpacing(6);
    text->addWidget(makeHeading(QStringLiteral("In axial direction of tube :"), this, true));
    indented(5, 24);
    indented(6, 24);
    text->addSpacing(8);
    for (int line = 7; line <= 15; ++line)
        indented(line, line == 9 ? 45 : 0);
    text->addSpacing(8);
    text->addWidget(makeHeading(QStringLiteral("Consolidation :"), this, true));
    for (int line = 16; line <= 18; ++line)
        indented(line, 0);
    // The solution method and, when the objective was missed, the notice.
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("solutionNotice"));
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->addSpacing(8);
    text->addWidget(m_notice);
    return text;
}

void NumericalResultsDialog::showNumericalResults()
{
    const auto lines = numericalResultsLines(record());
    for (int i = 0; i < kNumericalResultsLines; ++i)
        m_lines[i]->setText(toQString(lines[i]));
    const std::string notice = solutionNoticeLine(record().solution);
    m_notice->setText(toQString(notice));
    m_notice->setVisible(!notice.empty());
}

QString NumericalResultsDialog::lineText(int n) const
{
    return n >= 1 && n <= kNumericalResultsLines ? m_lines[n - 1]->text() : QString();
}

} // namespace vendrix
