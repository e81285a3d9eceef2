#pragma once
// What every modal dialog of the program shares: the face colour, the hidden
// resource tag, the Enter key that walks a fixed order of fields instead of
// pressing OK, the number fields bound to the record through the field table,
// and the display of a failed rule (message, then the focus on the offending
// field).

#include "app/dialogs/common/field_binder.h"
#include "app/ui_services.h"
#include "model/failure.h"
#include "model/project_record.h"

#include <QColor>
#include <QDialog>

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace vendrix {

inline const QColor kDialogFaceColour(223, 201, 159);
inline const QColor kConflictFaceColour(190, 150, 220);

// Paints `widget` and its labels on `face` with black text; edit fields keep a
// white base. Disabled controls get grey text and fields the face colour.
void applyDialogFace(QWidget *widget, const QColor &face);

// The picture button that rounds the dialog's values to thousandths.
QPushButton *makeTruncateButton(QWidget *parent);

class FormDialog : public QDialog
{
    Q_OBJECT

public:
    FormDialog(ProjectRecord &record, const UiServices &services, const char *tagName,
               QWidget *parent = nullptr);

    // The help topic of the window, e.g. "::/Modify_Units.htm"; empty when the
    // window has none of its own. Also kept as the dynamic property "helpTopic".
    QString helpTopic() const;

signals:
    // F1 was pressed: the window asks for its help topic (empty: none of its own).
    void helpRequested(const QString &topic);

protected:
    // Enter in a field moves to its successor in the Enter order; Enter on a push
    // button presses that button; anything else does nothing. The default button
    // is never pressed from a field.
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The first field of the Enter order, which has the focus when the dialog
    // opens (so that typing goes into it and Enter never presses OK at once);
    // none: the toolkit's choice.
    virtual QWidget *firstField() const { return nullptr; }
    void showEvent(QShowEvent *event) override;

    // The Enter order: `from` hands the focus to `to`.
    void setEnterSuccessor(QWidget *from, QWidget *to);
    // The successor of `from`, or nullptr; dialogs with a changing order override it.
    virtual QWidget *enterSuccessor(QWidget *from) const;

    // A multi-line field takes Enter as a move along the Enter order; Ctrl+Enter or
    // Shift+Enter inserts the line break.
    void watchMultiLineEnter(QWidget *editor);

    void setHelpTopic(const QString &topic);
    // True when the keyboard focus of this dialog is on `button` (OK acts only then).
    bool hasFocusOn(const QWidget *widget) const;

    // The dialog's number fields, made from the field table.
    FieldBinder &fields() { return m_fields; }
    // Shows a failed rule (the conflict message, or the plain message box for
    // field-format failures) and puts the focus on its field.
    void showFailure(const Failure &failure);
    // Shows the failure when there is one; true then (the dialog stays open).
    bool showsFailure(const std::optional<Failure> &failure);
    void focusField(const QString &objectName);

    // The tag label with the resource name; hidden while tags are hidden.
    QLabel *tagLabel() const { return m_tag; }

    // Cancel, Default and the truncate picture of the editing dialogs, made in
    // that order (the order Tab visits them); those not asked for stay null.
    struct EditButtons
    {
        QPushButton *cancel = nullptr;
        QPushButton *defaults = nullptr;
        QPushButton *truncate = nullptr;
    };
    EditButtons makeEditButtons(bool withDefaults = true, bool withTruncate = true);
    // OK, Cancel and Default at the left; the tag and the truncate picture at the right.
    QHBoxLayout *editButtonRow(QPushButton *ok, const EditButtons &buttons);
    // The tag at the left, then `buttons` in this order at the right.
    QHBoxLayout *taggedButtonRow(std::initializer_list<QPushButton *> buttons);
    // OK accepts only with the focus on it (Enter in a field never presses it);
    // Cancel closes without a change; Default and truncate call the dialog's own.
    void connectEditButtons(QPushButton *ok, const EditButtons &buttons,
                            const std::function<void()> &restoreDefaults = {},
                            const std::function<void()> &truncate = {});

    ProjectRecord &record() { return m_record; }
    const ProjectRecord &record() const { return m_record; }
    const UiServices &services() const { return m_services; }

private:
    void moveFocusFrom(QWidget *from);

    ProjectRecord &m_record;
    UiServices m_services;
    FieldBinder m_fields;
    QLabel *m_tag;
    std::map<const QWidget *, QWidget *> m_enterOrder;
};

} // namespace vendrix
