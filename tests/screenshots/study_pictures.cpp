// The parametric study: its window with a family of curves and its printed
// page.
#include "app/dialogs/results/parametric_study_window.h"
#include "graphics/study_page.h"
#include "model/project_record.h"
#include "screenshot_folder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QTest>

namespace vendrix::screenshots {

void takeStudyPictures(ScreenshotFolder &folder)
{
    ProjectRecord record;
    record.info.title = "Harbour dike, cell 3";
    ParametricStudyWindow window(record, silentServices(), SolutionMethod::Exact);
    window.findChild<QLineEdit *>("studyFrom")->setText("8");
    window.findChild<QLineEdit *>("studyTo")->setText("14");
    window.findChild<QSpinBox *>("studySteps")->setValue(13);
    window.findChild<QCheckBox *>("useSecondInput")->setChecked(true);
    window.findChild<QComboBox *>("secondField")->setCurrentText("ultimateStrength");
    window.findChild<QLineEdit *>("secondValues")->setText("60, 100, 140");
    window.recomputeNow();
    if (!QTest::qWaitFor([&] { return !window.isComputing(); }, 30000)) {
        folder.fail("the parametric study did not finish");
        return;
    }
    folder.grab(window, "parametric_study_window.png");

    QImage page(827, 1169, QImage::Format_RGB32);
    page.setDotsPerMeterX(3937);
    page.setDotsPerMeterY(3937);
    page.fill(Qt::white);
    {
        StudyChartData data;
        data.request = &window.request();
        data.points = &window.points();
        data.shown = window.shownValues();
        data.display = record.display;
        QPainter painter(&page);
        drawStudyPage(painter, QRectF(0, 0, page.width(), page.height()), record, data,
                      "Tue Dec  8 14:00:00 2026");
    }
    folder.save(page, "parametric_study_page.png");
}

} // namespace vendrix::screenshots
