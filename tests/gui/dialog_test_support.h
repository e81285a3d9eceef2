#pragma once
// Helpers for driving the dialogs with real key and mouse events: services that
// record what would have been shown, and small accessors by objectName.

#include "app/ui_services.h"
#include "graphics/qt_text.h"
#include "model/project_record.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace vendrix::test {

struct Shown
{
    std::string errorNumberText; // empty for a plain message box
    std::string messageText; // Windows-1252
    bool errorIcon = false; // shown in an error box
};

struct RecordingServices
{
    std::vector<Shown> shown;
    QString nextFileName; // returned by the file dialogs
    std::vector<QString> fileDialogCaptions;

    UiServices services()
    {
        UiServices s;
        s.message = [this](QWidget *, const QString &text) {
            shown.push_back({std::string(), fromQString(text)});
        };
        s.error = [this](QWidget *, const QString &text) {
            shown.push_back({std::string(), fromQString(text), true});
        };
        s.conflict = [this](QWidget *, const std::string &number, const std::string &text) {
            shown.push_back({number, text});
        };
        s.askYesNoCancel = [](QWidget *, const QString &) { return 0; };
        s.openFileName
            = [this](QWidget *, const QString &caption, const QString &, const QString &) {
                  fileDialogCaptions.push_back(caption);
                  return nextFileName;
              };
        s.saveFileName
            = [this](QWidget *, const QString &caption, const QString &, const QString &) {
                  fileDialogCaptions.push_back(caption);
                  return nextFileName;
              };
        s.openUrl = [](const QUrl &) { return true; };
        s.startProgram = [](const QString &, const QStringList &) { return true; };
        return s;
    }
};

// Shows the dialog as the user would see it, active with its initial focus.
inline void showActive(QDialog &dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// A dialog opened on `record` as the user sees it, with services that record
// what it shows: `ShownDialog<SlurryDialog> shown(record);`.
template<typename Dialog> struct ShownDialog
{
    explicit ShownDialog(ProjectRecord &record)
        : dialog(record, recorder.services())
    {
        showActive(dialog);
    }

    RecordingServices recorder;
    Dialog dialog;
};

template<typename T = QWidget> T *child(QWidget &parent, const char *name)
{
    T *widget = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

inline QString text(QWidget &parent, const char *name)
{
    QLineEdit *edit = child<QLineEdit>(parent, name);
    return edit ? edit->text() : QString();
}

// A printer that writes the PDF file `path`, for the dialogs' printer choosers.
inline std::unique_ptr<QPrinter> pdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

// Each named field shows its text: {"circumference=30", ...}.
inline void expectTexts(QWidget &parent, std::initializer_list<const char *> shown)
{
    for (const char *field : shown) {
        const QString named = QString::fromUtf8(field);
        const qsizetype equals = named.indexOf('=');
        EXPECT_EQ(text(parent, named.left(equals).toUtf8().constData()), named.mid(equals + 1))
            << field;
    }
}

inline void typeInto(QWidget &parent, const char *name, const QString &value)
{
    QLineEdit *edit = child<QLineEdit>(parent, name);
    edit->setFocus();
    edit->selectAll();
    bool ascii = true;
    for (const QChar c : value)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(edit, value);
    else
        edit->insert(value); // key events carry no characters beyond ASCII here
}

// Types into several fields in turn: {"circumference=30", ...}.
inline void typeInto(QWidget &parent, std::initializer_list<const char *> typed)
{
    for (const char *field : typed) {
        const QString named = QString::fromUtf8(field);
        const qsizetype equals = named.indexOf('=');
        typeInto(parent, named.left(equals).toUtf8().constData(), named.mid(equals + 1));
    }
}

inline QString focusName(QWidget &dialog)
{
    QWidget *focus = dialog.focusWidget();
    return focus ? focus->objectName() : QString();
}

// Enter on whatever has the focus.
inline void pressEnter(QWidget &dialog)
{
    QWidget *focus = dialog.focusWidget();
    QTest::keyClick(focus ? focus : &dialog, Qt::Key_Return);
}

// Clicks OK with the mouse, which gives it the focus first (as on the desktop).
inline void clickOk(QWidget &dialog)
{
    QPushButton *ok = child<QPushButton>(dialog, "ok");
    QTest::mouseClick(ok, Qt::LeftButton);
}

// Clicks a radio button on its indicator (a click beside a short text misses it).
// From the first field, Enter moves the focus through the fields in this order.
inline void expectEnterOrder(QWidget &dialog, std::initializer_list<const char *> order)
{
    child(dialog, *order.begin())->setFocus();
    for (const char *const *expected = order.begin(); expected != order.end(); ++expected) {
        SCOPED_TRACE(*expected);
        EXPECT_EQ(focusName(dialog), *expected);
        if (expected + 1 != order.end())
            pressEnter(dialog);
    }
}

inline void clickRadio(QWidget &dialog, const char *name)
{
    QWidget *radio = child(dialog, name);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(7, radio->height() / 2));
}

inline void click(QWidget &dialog, const char *name)
{
    QTest::mouseClick(child<QPushButton>(dialog, name), Qt::LeftButton);
}

// With a comma locale in effect: `value` typed with a comma is refused with
// "Please enter a number." and the focus on the field, the stored value kept;
// typed with a point it is stored.
inline void expectCommaRefusedAndPointTaken(QDialog &dialog, RecordingServices &recorder,
                                            const char *field, const double &stored, double value)
{
    const double before = stored;
    const QString point = QString::number(value);
    typeInto(dialog, field, QString(point).replace('.', ','));
    clickOk(dialog);
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].errorNumberText, "");
    EXPECT_EQ(recorder.shown[0].messageText, "Please enter a number.");
    EXPECT_EQ(focusName(dialog), field);
    EXPECT_EQ(stored, before);
    typeInto(dialog, field, point);
    clickOk(dialog);
    EXPECT_EQ(stored, value);
}

// Runs `check(record, hidden)` on a copy of `record` with the dialog tags
// shown, then on one with them hidden.
template<typename Check> void forEachTagSetting(const ProjectRecord &record, Check check)
{
    for (const bool hidden : {false, true}) {
        SCOPED_TRACE(hidden ? "tags hidden" : "tags shown");
        ProjectRecord copy = record;
        copy.state.hideDialogTags = hidden;
        check(copy, hidden);
    }
}

// The dialog's tag reads `tag` and shows exactly while tags are on.
inline void expectTag(QWidget &dialog, const char *tag, bool hidden)
{
    const QLabel *label = child<QLabel>(dialog, "dialogTag");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), tag);
    EXPECT_EQ(label->isVisibleTo(&dialog), !hidden);
}

} // namespace vendrix::test
