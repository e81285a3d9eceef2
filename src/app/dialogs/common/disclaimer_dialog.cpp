#include "app/dialogs/common/disclaimer_dialog.h"

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/common/dialog_widgets.h"
#include "app/dialogs/common/form_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendrix {

const QStringList &disclaimerLines()
{
    static const QStringList lines = {
        QStringLiteral("The Vendrix software is intended only to assist engineers in the"),
        QStringLiteral("design of geosynthetic tubes. It is to be used by experienced users"),
        QStringLiteral("who understand the design of geosynthetic tubes and the assumptions"),
        QStringLiteral("and limitations of the analysis."),
        QString(),
        QStringLiteral("The user is solely responsible for the appropriateness and accuracy"),
        QStringLiteral("of the input data, for the use made of the results, and for verifying"),
        QStringLiteral("the results independently before relying on them in any design."),
        QString(),
        QStringLiteral("The maker of Vendrix assumes no liability for any direct, indirect,"),
        QStringLiteral("incidental or consequential damages, including loss of profit, that"),
        QStringLiteral("arise from the use of, or the inability to use, this software or its"),
        QStringLiteral("results, even if advised of the possibility of such damages."),
        QString(),
        QStringLiteral("The maker does not warrant that the software is free from errors,"),
        QStringLiteral("that it will run without interruption, or that it is suitable for"),
        QStringLiteral("all users or for any particular purpose, and is not obliged to"),
        QStringLiteral("provide corrections, updates or support."),
        QString(),
        QStringLiteral("The software and the data it produces are provided \"AS IS\" without"),
        QStringLiteral("warranty of any kind, either expressed or implied, including but not"),
        QStringLiteral("limited to the implied warranties of merchantability and fitness for"),
        QStringLiteral("a particular purpose."),
        QString(),
        QStringLiteral("By using Vendrix you accept these terms."),
    };
    return lines;
}

OnePagePrinterChooser printDialogChooser()
{
    return [](QWidget *parent) -> std::unique_ptr<QPrinter> {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setFromTo(1, 1);
        QPrintDialog dialog(printer.get(), parent);
        dialog.setMinMax(1, 1);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        if (runModal(dialog) != QDialog::Accepted)
            return nullptr;
        return printer;
    };
}

void paintTextPage(QPainter &painter, int logicalDpiY, const QString &heading,
                   const QStringList &lines)
{
    const int h = 14 * logicalDpiY / 72;
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(h);
    font.setWeight(QFont::Normal);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int left = static_cast<int>(2.5 * h);
    const int top = static_cast<int>(0.8 * h);
    const int step = static_cast<int>(1.25 * h);
    // Text is placed by the top of its line, as the page coordinates above mean.
    const int ascent = painter.fontMetrics().ascent();
    painter.drawText(3 * left, top + ascent, heading);
    for (int k = 0; k < lines.size(); ++k)
        painter.drawText(left, top + (k + 3) * step + ascent, lines[k]);
    painter.restore();
}

bool printTextPage(QPrinter &printer, const QString &heading, const QStringList &lines)
{
    printer.setDocName(QStringLiteral("test"));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintTextPage(painter, printer.logicalDpiY(), heading, lines);
    return painter.end();
}

void printOnePage(const OnePagePrinterChooser &choose, const UiServices &services, QWidget *parent,
                  const QString &heading, const QStringList &lines)
{
    std::unique_ptr<QPrinter> printer = choose ? choose(parent) : nullptr;
    if (printer && !printTextPage(*printer, heading, lines))
        showError(services, parent, QString::fromLatin1(kPrinterFailedMessage));
}

DisclaimerDialog::DisclaimerDialog(const UiServices &services, QWidget *parent)
    : OnePageDialog(services, parent)
{
    setObjectName(QStringLiteral("disclaimer"));
    setWindowTitle(QStringLiteral("DISCLAIMER"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 16);
    layout->addWidget(centredTitle(QString::fromLatin1(kDisclaimerHeading), "heading", this, 1.4));
    layout->addSpacing(8);

    // On screen the printed lines are joined back into paragraphs.
    QStringList paragraphs(1);
    for (const QString &line : disclaimerLines()) {
        if (line.isEmpty())
            paragraphs.append(QString());
        else
            paragraphs.last()
                += (paragraphs.last().isEmpty() ? QString() : QStringLiteral(" ")) + line;
    }
    for (const QString &paragraph : paragraphs) {
        auto *label = new QLabel(paragraph, this);
        label->setWordWrap(true);
        label->setObjectName(QStringLiteral("paragraph"));
        layout->addWidget(label);
    }
    layout->addSpacing(8);
    QPushButton *print = addOkAndPrintButtons(layout);
    connect(print, &QPushButton::clicked, this, &DisclaimerDialog::printDisclaimer);
    setFixedWidth(600);
}

void DisclaimerDialog::printDisclaimer()
{
    printPage(QString::fromLatin1(kDisclaimerHeading), disclaimerLines());
}

} // namespace vendrix
