#pragma once
// Help inside the program: the help pages are shipped as resources and shown in
// a help browser window. F1 opens the topic of the active window, Shift+F1 (or
// the toolbar's help pointer, or the caption's help button) lets the user point
// at a window to get its topic.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace vendrix {

// The page every help command falls back to.
inline constexpr const char *kDefaultHelpTopic = "::/Contents.htm";
inline constexpr const char *kMainWindowHelpTopic = "::/Working_with_Vendrix.htm";

// "::/Modify_Units.htm" -> qrc:/help/Modify_Units.htm; an anchor is kept
// ("#p13"); an empty topic gives the contents page.
QUrl helpTopicUrl(const QString &topic);

// The topic of the window that holds `widget` (its "helpTopic" property), or the
// contents page when that window has none of its own.
QString helpTopicOf(const QWidget *widget);

class HelpBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget *parent = nullptr);

    void showTopic(const QString &topic);
    QUrl currentUrl() const;

private:
    QTextBrowser *m_text;
};

class HelpCenter : public QObject
{
    Q_OBJECT

public:
    explicit HelpCenter(QObject *parent = nullptr);
    ~HelpCenter() override;

    // Opens (and raises) the help browser at `topic`.
    void showTopic(const QString &topic);
    // The next mouse press on a window opens that window's topic; Escape cancels.
    void enterContextHelpMode();
    bool inContextHelpMode() const { return m_contextMode; }

    // The browser window once a topic was shown, else nullptr.
    HelpBrowser *browser() const { return m_browser; }

    // Watches the whole program for F1, Shift+F1 and the caption's help button.
    void install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void leaveContextHelpMode();

    QPointer<HelpBrowser> m_browser;
    bool m_contextMode = false;
    bool m_installed = false;
};

} // namespace vendrix
