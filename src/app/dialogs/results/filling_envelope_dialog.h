#pragma once
// FillingEnvelopeDialog: how hard the crew may pump and when to stop filling. Shows
// the envelope chart, the safe-limit figures in large type and the table of
// points; recomputes shortly after each change of its fields; saves the table
// (CSV) or the chart (PNG, SVG) and prints the field card.

#include "app/dialogs/common/form_dialog.h"
#include "app/printing/printer_choice.h"
#include "post/filling_envelope.h"

#include <functional>
#include <memory>

class QLabel;
class QLayout;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTableWidget;
class QTimer;

namespace vendrix {

class EnvelopeChartView;

class FillingEnvelopeDialog : public FormDialog
{
    Q_OBJECT

public:
    FillingEnvelopeDialog(ProjectRecord &record, const UiServices &services,
                          QWidget *parent = nullptr);

    // Asks for the printer of the field card; nullptr means cancelled. The
    // default shows the print dialog.
    using PrinterChooser = vendrix::PrinterChooser;
    void setPrinterChooser(PrinterChooser chooser);

    // The envelope now shown, and the project as the field card prints it
    // (the window's circumference and strength in place of the project's).
    const FillingEnvelope &envelope() const { return m_envelope; }
    const ProjectRecord &cardRecord() const { return m_card; }

    // Recomputes at once instead of after the typing pause.
    void recomputeNow();

    // The plain text under the fields: empty, or why nothing could be computed.
    QString statusText() const;

private:
    QLayout *createFields(); // the fields beside the safe-limit figures
    void scheduleRecompute();
    void setOutputsEnabled(bool enabled);
    // Invalid fields: no figure, table or chart, and nothing to save or print.
    void showInvalid(const QString &message);
    void showEnvelope();
    void fillTable();
    // "<project>-envelope.<suffix>", suggested in the project's folder.
    QString outputName(const char *suffix) const;
    void saveTable();
    void savePicture();
    void printCard();

    ProjectRecord m_card;
    FillingEnvelope m_envelope;
    PrinterChooser m_choosePrinter;
    QTimer *m_pause;
    QLineEdit *m_circumference;
    QLineEdit *m_strength;
    QLineEdit *m_maxPressure;
    QLabel *m_status;
    QLabel *m_pressureFigure;
    QLabel *m_heightFigure;
    EnvelopeChartView *m_chart;
    QTableWidget *m_table;
    QPushButton *m_saveTable;
    QPushButton *m_savePicture;
    QPushButton *m_print;
    UnitSystem m_units;
    bool m_valid = false; // the envelope belongs to the values in the fields
};

} // namespace vendrix
