#pragma once
// Small builders for the controls of the dialogs. A radio button that stands
// for value v of record field F is named "F_v" (e.g. "englishUnits_1"); its
// QButtonGroup is named F and uses v as the button id.

#include <QString>

#include <initializer_list>

class QBoxLayout;
class QButtonGroup;
class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace vendrix {

QRadioButton *makeRadio(const QString &text, QButtonGroup *group, int value, QWidget *parent);
QButtonGroup *makeRadioGroup(const char *field, QWidget *parent);
QPushButton *makeButton(const QString &text, const char *name, QWidget *parent);
// Widgets that are shown and hidden by a choice in the dialog keep their room
// while hidden, so that the dialog does not change size under the mouse.
void keepRoomWhenHidden(std::initializer_list<QWidget *> widgets);
// The centred "&OK" (accepts the dialog) and "&PRINT" buttons of the
// information windows; `print` receives the print button.
QHBoxLayout *okAndPrintButtons(QDialog *dialog, QPushButton *&print);
// A centred one-line title, its font scaled by `scale` and bold unless asked.
QLabel *centredTitle(const QString &text, const char *name, QWidget *parent, double scale,
                     bool bold = true);
// A centred, word-wrapped label of the information windows, its font scaled
// by `scale` and bold if asked.
QLabel *centredTextLabel(const QString &text, const char *name, QWidget *parent, double scale = 1.0,
                         bool bold = false);
// The lone "&OK" button (named "ok", the default) of a small choice dialog,
// in a button box added to `layout`; it accepts the dialog.
void addOkButtonBox(QDialog *dialog, QBoxLayout *layout);
// A bold heading over a group of fields or lines, underlined if asked.
QLabel *makeHeading(const QString &text, QWidget *parent, bool underline = false);
// A label whose text is Windows-1252 bytes (unit labels with ³).
QLabel *makeLabel(const char *windows1252, QWidget *parent);

} // namespace vendrix
