#pragma once
// QuantitiesDialog: Calculated Quantities — geosynthetic area, cost, storage
// capacity and volume after consolidation for a tube of given length,
// recalculated while typing; saved as text or printed on one page.

#include "app/dialogs/common/form_dialog.h"
#include "app/dialogs/results/post_processing_hooks.h"
#include "app/printing/printer_choice.h"
#include "app/printing/quantities_print.h"

#include <functional>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace vendrix {

class QuantitiesDialog : public FormDialog
{
    Q_OBJECT

public:
    QuantitiesDialog(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr,
                     QuantitiesHooks hooks = defaultQuantitiesHooks());

    // Asks for the printer of the one-page printout; nullptr means cancelled.
    // The default shows the print dialog.
    using PrinterChooser = vendrix::PrinterChooser;
    void setPrinterChooser(PrinterChooser chooser);

    // The page as it would be printed now.
    QuantitiesPage page() const;

private:
    std::string currencyText() const;
    QLabel *unitLabel(const QString &text, const char *name);
    void layOut();
    void loadFromRecord();
    void connectControls();
    void costEdited();
    void lengthEdited();
    // Shows Error 1100 once for every refused character; true when there was any.
    // The rules of RETURN on the shown length and cost, their failures shown;
    // `length` is the shown length when they pass.
    bool shownValuesPass(double &length);
    bool checkCostCharacters();
    void recalculate();
    void leave();
    void saveText();
    void print();

    QuantitiesHooks m_hooks;
    PrinterChooser m_choosePrinter;
    QLineEdit *m_remarks;
    QLineEdit *m_cost;
    QLineEdit *m_length;
    QLabel *m_areaPerLength;
    QLabel *m_totalCost;
    QLabel *m_storage;
    QLabel *m_volume;
    QLabel *m_volumeCaption;
    QLabel *m_volumeUnit;
    QPushButton *m_return;
    QPushButton *m_save;
    QPushButton *m_print;
    double m_lengthFactor;
    double m_shownLength;
    QString m_areaUnit;
    QString m_costUnit;
    QString m_volumeUnitText;
};

} // namespace vendrix
