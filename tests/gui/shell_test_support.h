#pragma once
// Driving the program's frame in tests: a dialog runner that hands each modal
// dialog to a script by its class name instead of blocking in exec(), and
// settings kept in a temporary file.

#include "app/dialogs/common/dialog_runner.h"
#include "dialog_test_support.h"

#include <QDialog>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vendrix::test {

struct DialogScript
{
    // Class name without namespace ("SlurryDialog") -> what to do with the shown
    // dialog; it returns the dialog's result. Dialogs without a script are
    // shown and rejected.
    std::map<std::string, std::function<int(QDialog &)>> steps;
    std::vector<std::string> ran; // every dialog handed over, in order

    DialogRunner runner()
    {
        return [this](QDialog &dialog) {
            std::string name = dialog.metaObject()->className();
            if (const size_t colon = name.rfind(':'); colon != std::string::npos)
                name = name.substr(colon + 1);
            ran.push_back(name);
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            (void)QTest::qWaitForWindowActive(&dialog);
            const auto step = steps.find(name);
            if (step == steps.end()) {
                dialog.reject();
                return int(QDialog::Rejected);
            }
            const int result = step->second(dialog);
            dialog.hide();
            return result;
        };
    }

    int count(const std::string &name) const
    {
        int n = 0;
        for (const std::string &r : ran)
            n += r == name ? 1 : 0;
        return n;
    }
};

// Answers the save question with `answer` and counts the questions.
struct SaveQuestion
{
    int answer = 0;
    std::vector<QString> asked;

    void install(UiServices &services)
    {
        services.askYesNoCancel = [this](QWidget *, const QString &text) {
            asked.push_back(text);
            return answer;
        };
    }
};

} // namespace vendrix::test
