#pragma once
// The body shared by the consolidation explanation windows: pictures and
// paragraphs on the dialog face, with "&RETURN" to close.

#include "app/dialogs/common/form_dialog.h"

#include <QPixmap>
#include <QString>

#include <vector>

class QPushButton;
class QVBoxLayout;

namespace vendrix {

class InformationPage : public FormDialog
{
    Q_OBJECT

public:
    InformationPage(ProjectRecord &record, const UiServices &services, const char *tagName,
                    const QString &title, QWidget *parent);

protected:
    void addPicture(const QPixmap &picture, const char *name);
    void addParagraph(const QString &text);
    // Buttons above "&RETURN" (in the order added).
    QPushButton *addButton(const QString &text, const char *name);
    // Places the return button and the tag; call last.
    void finish();

private:
    QVBoxLayout *m_body;
    std::vector<QPushButton *> m_buttons;
};

} // namespace vendrix
