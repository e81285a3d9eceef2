#pragma once
// SlurryDialog: Slurry Data — circumference, one or two slurry layers, the
// unit weights of the slurry and of the fluid outside the tube, and the heights
// Hin-Lower and Hout-Lower. Opens the unit weight of the transporting medium.

#include "app/dialogs/common/form_dialog.h"

class QButtonGroup;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vendrix {

class SlurryDialog : public FormDialog
{
    Q_OBJECT

public:
    SlurryDialog(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);

public slots:
    void accept() override;

protected:
    QWidget *enterSuccessor(QWidget *from) const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    int layOutFields(QGridLayout *layout);
    void layOut();
    // Shows the fields and the layers after they were filled in.
    void showLayers(bool two);
    void setTabOrders();
    void connectControls();
    bool twoLayers() const;
    void chooseLayers(bool two);
    void restoreDefaults();
    void truncate();
    void openUnitWeight();
    void rememberLower();
    void rememberUpper();

    FieldEdit *m_circumference;
    QButtonGroup *m_layers;
    FieldEdit *m_slurryLower;
    FieldEdit *m_slurryUpper;
    FieldEdit *m_fluidLower;
    FieldEdit *m_fluidUpper;
    FieldEdit *m_slurryHeight;
    FieldEdit *m_fluidHeight;
    QLabel *m_slurryHeightLabel;
    QLabel *m_slurryHeightUnit;
    QLabel *m_picture;
    QPushButton *m_ok;
    QRadioButton *m_oneLayer = nullptr;
    QRadioButton *m_twoLayers = nullptr;
    QPushButton *m_medium = nullptr;
    QLabel *m_note = nullptr;
    EditButtons m_editButtons;
    // The lower and upper slurry unit weights as last typed (shown units): the
    // upper field shows the lower one while one layer is chosen.
    double m_rememberedLower;
    double m_rememberedUpper;
};

} // namespace vendrix
