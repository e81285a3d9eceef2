// Help topics by F1, Shift+F1 and the caption's help button; the About box, the
// disclaimer and its print-out, the contact sheet, the first screen, the splash
// picture and the desktop program's arguments.
#include "app/desktop_program.h"
#include "app/dialogs/common/about_dialog.h"
#include "app/dialogs/common/disclaimer_dialog.h"
#include "app/dialogs/input/analysis_type_dialog.h"
#include "app/dialogs/input/slurry_dialog.h"
#include "app/dialogs/input/units_dialog.h"
#include "app/dialogs/results/consolidated_data_dialog.h"
#include "app/dialogs/results/graphical_results_window.h"
#include "app/dialogs/results/numerical_results_dialog.h"
#include "app/dialogs/results/parametric_study_window.h"
#include "app/dialogs/results/quantities_dialog.h"
#include "app/help/help_center.h"
#include "app/printing/add_page_dialog.h"
#include "app/printing/printout_graphics_dialog.h"
#include "app/window/first_screen.h"
#include "app/window/main_window.h"
#include "app/window/splash_window.h"
#include "shell_test_support.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace vendrix;
using namespace vendrix::test;

namespace {

QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Text extraction may split or join letters of spaced-out words: compare
// without blanks.
QString withoutBlanks(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s+")));
}

using DialogMaker = std::function<std::unique_ptr<QDialog>()>;

// Makes a dialog of type D on the record when called.
template<typename D> DialogMaker dialogOf(ProjectRecord &record, const UiServices &services)
{
    return [&record, &services] { return std::make_unique<D>(record, services); };
}

} // namespace

TEST(HelpTopics, TopicNamesBecomeShippedPages)
{
    const struct
    {
        const char *topic;
        const char *url;
    } cases[] = {
        {"::/Working_with_Vendrix.htm", "qrc:/help/Working_with_Vendrix.htm"},
        {"::/Modify_Units.htm", "qrc:/help/Modify_Units.htm"},
        {"::/General_Information.htm", "qrc:/help/General_Information.htm"},
        {"::/Design_Considerations.htm", "qrc:/help/Design_Considerations.htm"},
        {"::/Design_Considerations.htm#p13", "qrc:/help/Design_Considerations.htm#p13"},
        {"::/Analysis_Type.htm", "qrc:/help/Analysis_Type.htm"},
        {"::/Quantities.htm", "qrc:/help/Quantities.htm"},
        {"", "qrc:/help/Contents.htm"},
    };
    HelpCenter help; // registers the pages
    for (const auto &c : cases) {
        SCOPED_TRACE(c.topic);
        const QUrl url = helpTopicUrl(QString::fromLatin1(c.topic));
        EXPECT_EQ(url.toString(), QString::fromLatin1(c.url));
        QFile page(QLatin1Char(':') + url.path());
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << "page not shipped";
        const QByteArray html = page.readAll();
        EXPECT_GT(html.size(), 500);
        if (url.hasFragment()) {
            EXPECT_TRUE(html.contains("name=\"" + url.fragment().toLatin1() + "\""));
        }
    }
}

TEST(HelpTopics, EveryLinkBetweenPagesLeadsToAShippedPageAndAnchor)
{
    HelpCenter help;
    const QStringList pages = {"Contents.htm",
                               "Working_with_Vendrix.htm",
                               "Modify_Units.htm",
                               "General_Information.htm",
                               "Design_Considerations.htm",
                               "Analysis_Type.htm",
                               "Quantities.htm",
                               "Filling_Envelope.htm",
                               "Parametric_Study.htm",
                               "Design_Check.htm"};
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)(#([^\"]*))?\""));
    for (const QString &name : pages) {
        QFile page(QStringLiteral(":/help/") + name);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << name.toStdString();
        const QString html = QString::fromUtf8(page.readAll());
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const auto match = it.next();
            const QString target = match.captured(1).isEmpty() ? name : match.captured(1);
            SCOPED_TRACE((name + " -> " + match.captured(0)).toStdString());
            QFile linked(QStringLiteral(":/help/") + target);
            ASSERT_TRUE(linked.open(QIODevice::ReadOnly));
            if (!match.captured(3).isEmpty()) {
                EXPECT_TRUE(
                    linked.readAll().contains(("name=\"" + match.captured(3) + "\"").toLatin1()));
            }
        }
    }
}

TEST(HelpTopics, F1OpensTheTopicOfTheActiveWindow)
{
    ProjectRecord record;
    RecordingServices recorder;
    HelpCenter help;
    help.install();
    const auto expectTopicAfterF1 = [&](QDialog &dialog, const char *url) {
        showActive(dialog);
        QWidget *focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
        QTest::keyClick(focus, Qt::Key_F1);
        ASSERT_NE(help.browser(), nullptr);
        EXPECT_EQ(help.browser()->currentUrl().toString(), QString::fromLatin1(url));
        EXPECT_TRUE(help.browser()->isVisible());
        help.browser()->close();
    };
    const UiServices services = recorder.services();
    ReportOptions options;
    const std::pair<DialogMaker, const char *> rows[] = {
        {dialogOf<AnalysisTypeDialog>(record, services), "qrc:/help/Analysis_Type.htm"},
        {dialogOf<UnitsDialog>(record, services), "qrc:/help/Modify_Units.htm"},
        {dialogOf<ConsolidatedDataDialog>(record, services),
         "qrc:/help/Design_Considerations.htm#p13"},
        // The two report option dialogs share the page on printing.
        {[&] { return std::make_unique<PrintoutGraphicsDialog>(record, options, services); },
         "qrc:/help/General_Information.htm"},
        {[&] { return std::make_unique<ColourChoiceDialog>(record); },
         "qrc:/help/General_Information.htm"},
        // The result windows open their entries of the main menu's page.
        {dialogOf<GraphicalResultsWindow>(record, services),
         "qrc:/help/Working_with_Vendrix.htm#cross-section"},
        {dialogOf<NumericalResultsDialog>(record, services),
         "qrc:/help/Working_with_Vendrix.htm#results"},
        // Slurry data opens its page of the input windows.
        {dialogOf<SlurryDialog>(record, services), "qrc:/help/Working_with_Vendrix.htm#slurry"},
        {[&] {
             return std::make_unique<ParametricStudyWindow>(record, services,
                                                            SolutionMethod::Exact);
         },
         "qrc:/help/Parametric_Study.htm"},
    };
    for (const auto &[make, url] : rows) {
        SCOPED_TRACE(url);
        const std::unique_ptr<QDialog> dialog = make();
        expectTopicAfterF1(*dialog, url);
    }
    {
        MainWindow frame(record, recorder.services(), &help);
        frame.show();
        QApplication::setActiveWindow(&frame);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        frame.newProject();
        QTest::keyClick(frame.mainMenu(), Qt::Key_F1);
        EXPECT_EQ(help.browser()->currentUrl().toString(), "qrc:/help/Working_with_Vendrix.htm");
        frame.showHelpTopics();
        EXPECT_EQ(help.browser()->currentUrl().toString(), "qrc:/help/Contents.htm");
        record.state.projectOpen = false;
    }
    // The text really is the page.
    auto *text = help.browser()->findChild<QTextBrowser *>("helpText");
    EXPECT_TRUE(text->toPlainText().contains("Vendrix Help"));
}

TEST(HelpTopics, ContextHelpModeAndCaptionButton)
{
    ProjectRecord record;
    RecordingServices recorder;
    HelpCenter help;
    help.install();
    QuantitiesDialog dialog(record, recorder.services());
    showActive(dialog);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);

    // Shift+F1, then a click on the window: its topic, and the click does nothing else.
    QTest::keyClick(dialog.focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(help.inContextHelpMode());
    QTest::mouseClick(child<QPushButton>(dialog, "return"), Qt::LeftButton);
    EXPECT_FALSE(help.inContextHelpMode());
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_NE(help.browser(), nullptr);
    EXPECT_EQ(help.browser()->currentUrl().toString(), "qrc:/help/Quantities.htm");

    // Escape leaves the mode without a topic.
    help.browser()->showTopic(QString());
    QApplication::setActiveWindow(&dialog);
    help.enterContextHelpMode();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(help.inContextHelpMode());
    EXPECT_TRUE(dialog.isVisible()) << "the Escape went to the help mode, not the dialog";

    // The caption's help button.
    QEvent whatsThis(QEvent::EnterWhatsThisMode);
    QApplication::sendEvent(&dialog, &whatsThis);
    EXPECT_EQ(help.browser()->currentUrl().toString(), "qrc:/help/Quantities.htm");
}

TEST(HelpTopics, ContextHelpClickArrivesThroughTheWindowAsOnTheDesktop)
{
    ProjectRecord record;
    RecordingServices recorder;
    HelpCenter help;
    help.install();
    MainWindow frame(record, recorder.services(), &help);
    bool ran = false;
    frame.setDialogRunner([&ran](QDialog &) {
        ran = true;
        return int(QDialog::Rejected);
    });
    frame.show();
    frame.newProject();
    QWidget *menu = frame.mainMenu();
    ASSERT_NE(menu, nullptr);
    QWidget *window = menu->window();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(menu, Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_TRUE(help.inContextHelpMode());
    // The press goes to the window first, as the window system delivers it.
    QPushButton *button = child<QPushButton>(*menu, "modifyInputData");
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      button->mapTo(window, button->rect().center()));
    EXPECT_FALSE(help.inContextHelpMode());
    ASSERT_NE(help.browser(), nullptr);
    EXPECT_TRUE(help.browser()->isVisible());
    EXPECT_EQ(help.browser()->currentUrl().toString(), "qrc:/help/Working_with_Vendrix.htm");
    EXPECT_FALSE(ran) << "the click asked for help; it must not press the button as well";
    record.state.projectOpen = false;
}

TEST(HelpTopics, HelpFromAModalDialogCanBeUsedBesideIt)
{
    ProjectRecord record;
    RecordingServices recorder;
    HelpCenter help;
    help.install();
    UnitsDialog dialog(record, recorder.services());
    dialog.setWindowModality(Qt::ApplicationModal);
    showActive(dialog);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_F1);
    HelpBrowser *browser = help.browser();
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(browser));
    EXPECT_EQ(browser->currentUrl().toString(), "qrc:/help/Modify_Units.htm");
    // On the screen, and beside the dialog rather than anywhere.
    const QRect screen = dialog.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(browser->frameGeometry()))
        << browser->frameGeometry().width() << "x" << browser->frameGeometry().height();
    EXPECT_LT(std::abs(browser->frameGeometry().top() - dialog.frameGeometry().top()),
              screen.height() / 2);
    // A click in the help window works while the dialog is open.
    QToolButton *contents = nullptr;
    for (QToolButton *button : browser->findChildren<QToolButton *>())
        if (button->defaultAction() && button->defaultAction()->text() == "&Contents")
            contents = button;
    ASSERT_NE(contents, nullptr);
    QTest::mouseClick(browser->windowHandle(), Qt::LeftButton, {},
                      contents->mapTo(browser, contents->rect().center()));
    EXPECT_EQ(browser->currentUrl().toString(), "qrc:/help/Contents.htm");
    EXPECT_TRUE(dialog.isVisible());
}

// Help from a dialog leaves the dialog's fields visible: beside it on the side
// with room, narrowed to fit, on the screen.
TEST(HelpTopics, HelpFromADialogDoesNotCoverIt)
{
    for (const bool atRight : {false, true}) {
        SCOPED_TRACE(atRight ? "dialog at the right edge" : "dialog at the left edge");
        ProjectRecord record;
        RecordingServices recorder;
        HelpCenter help;
        help.install();
        UnitsDialog dialog(record, recorder.services());
        dialog.setWindowModality(Qt::ApplicationModal);
        showActive(dialog);
        const QRect screen = dialog.screen()->availableGeometry();
        dialog.move(atRight ? screen.right() - dialog.frameGeometry().width() : screen.left(),
                    screen.top() + 20);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_F1);
        HelpBrowser *browser = help.browser();
        ASSERT_NE(browser, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(browser));
        EXPECT_FALSE(browser->frameGeometry().intersects(dialog.frameGeometry()))
            << "help " << browser->frameGeometry().x() << "+" << browser->frameGeometry().width()
            << ", dialog " << dialog.frameGeometry().x() << "+" << dialog.frameGeometry().width();
        EXPECT_TRUE(screen.contains(browser->frameGeometry()));
        EXPECT_GE(browser->width(), 300);
    }
}

TEST(HelpTopics, ContentsAndMainMenuPageLeadToTheFillingEnvelope)
{
    HelpCenter help; // registers the pages
    for (const char *name : {"Contents.htm", "Working_with_Vendrix.htm"}) {
        SCOPED_TRACE(name);
        QFile page(QStringLiteral(":/help/") + QLatin1String(name));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        EXPECT_TRUE(page.readAll().contains("href=\"Filling_Envelope.htm\""));
    }
}

TEST(InformationDialogs, AboutBoxTextsAndButtons)
{
    RecordingServices recorder;
    DialogScript script;
    AboutDialog about(recorder.services(), nullptr, script.runner());
    EXPECT_EQ(about.windowTitle(), "About Vendrix");
    EXPECT_EQ(child<QLabel>(about, "programLine")->text(), "P r o g r a m   V e n d r i x   3 . 0");
    EXPECT_EQ(child<QLabel>(about, "scope")->text(),
              "The scope of program Vendrix is limited to the computational portion associated "
              "with the design of geosynthetic tubes.");
    showActive(about);
    click(about, "maker");
    click(about, "disclaimer");
    EXPECT_EQ(script.ran, std::vector<std::string>({"ContactDialog", "DisclaimerDialog"}));
    EXPECT_EQ(child<QPushButton>(about, "ok")->text(), "&RETURN");
    click(about, "ok");
    EXPECT_FALSE(about.isVisible());
}

TEST(InformationDialogs, SpacedOutText)
{
    EXPECT_EQ(spacedOut("Program Vendrix 3.0"), "P r o g r a m   V e n d r i x   3 . 0");
    EXPECT_EQ(spacedOut("a"), "a");
    EXPECT_EQ(spacedOut("  "), "");
}

TEST(InformationDialogs, DisclaimerPrintsItsPageAndCancelPrintsNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    RecordingServices recorder;
    DisclaimerDialog disclaimer(recorder.services());
    EXPECT_EQ(disclaimer.windowTitle(), "DISCLAIMER");
    EXPECT_EQ(disclaimerLines().size(), 25);
    for (const QString &line : disclaimerLines())
        EXPECT_LE(line.size(), 72) << line.toStdString();
    showActive(disclaimer);

    int asked = 0;
    disclaimer.setPrinterChooser([&](QWidget *) -> std::unique_ptr<QPrinter> {
        ++asked;
        return nullptr;
    });
    click(disclaimer, "print");
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(disclaimer.isVisible());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);

    const QString pdf = dir.filePath("disclaimer.pdf");
    disclaimer.setPrinterChooser([&](QWidget *) { return pdfPrinter(pdf); });
    click(disclaimer, "print");
    const QString text = withoutBlanks(pdfText(pdf));
    // The heading stands before the first line, and every line follows in order.
    qsizetype at = text.indexOf("DISCLAIMER");
    EXPECT_GE(at, 0) << text.toStdString();
    for (const QString &line : disclaimerLines()) {
        const qsizetype next = text.indexOf(withoutBlanks(line), at);
        EXPECT_GT(next, at - (line.isEmpty() ? 1 : 0)) << line.toStdString();
        at = std::max(at, next);
    }
    EXPECT_TRUE(recorder.shown.empty());

    // A printer that cannot start is reported.
    disclaimer.setPrinterChooser(
        [&](QWidget *) { return pdfPrinter(dir.filePath("missing/disclaimer.pdf")); });
    click(disclaimer, "print");
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].messageText, kPrinterFailedMessage);
}

TEST(InformationDialogs, DisclaimerPageLayoutFollowsTheFontHeight)
{
    // At 720 dpi a 14-point font is 140 pixels: heading at x = 3 * 350, line k at
    // y = 112 + (k + 3) * 175 (tops of the lines).
    QImage page(9000, 6000, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(qRound(720 / 0.0254));
    page.setDotsPerMeterY(qRound(720 / 0.0254));
    {
        QPainter painter(&page);
        paintTextPage(painter, 720, "H", {"L", QString(), "L"});
    }
    auto inkRows = [&page](int x0, int x1) {
        int top = -1, bottom = -1;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = x0; x < x1; ++x) {
                if (qGray(page.pixel(x, y)) < 128) {
                    if (top < 0)
                        top = y;
                    bottom = y;
                    break;
                }
            }
        }
        return std::make_pair(top, bottom);
    };
    const auto heading = inkRows(1050, 1400);
    EXPECT_GE(heading.first, 112);
    EXPECT_LT(heading.second, 112 + 175);
    const auto lines = inkRows(350, 700);
    EXPECT_GE(lines.first, 112 + 3 * 175);
    EXPECT_LT(lines.first, 112 + 4 * 175);
    EXPECT_GE(lines.second, 112 + 5 * 175);
    EXPECT_LT(lines.second, 112 + 6 * 175);
}

TEST(InformationDialogs, ContactSheetPrintsTheMaker)
{
    QTemporaryDir dir;
    RecordingServices recorder;
    ContactDialog contact(recorder.services());
    const QString pdf = dir.filePath("contact.pdf");
    contact.setPrinterChooser([&](QWidget *) { return pdfPrinter(pdf); });
    showActive(contact);
    click(contact, "print");
    const QString text = withoutBlanks(pdfText(pdf));
    for (const QString &line : makerContactLines())
        EXPECT_TRUE(text.contains(withoutBlanks(line))) << line.toStdString();
}

TEST(InformationDialogs, FirstScreenButtons)
{
    RecordingServices recorder;
    std::vector<QUrl> opened;
    UiServices services = recorder.services();
    services.openUrl = [&](const QUrl &url) {
        opened.push_back(url);
        return false; // no browser: nothing is reported
    };
    DialogScript script;
    FirstScreen first(services, "Update #1.2", nullptr, script.runner());
    showActive(first);
    EXPECT_EQ(first.palette().color(QPalette::Window), QColor(222, 222, 222));
    EXPECT_EQ(child<QLineEdit>(first, "updateLabel")->text(), "Update #1.2");
    EXPECT_EQ(child<QLabel>(first, "notice1")->text(),
              "Before using Vendrix,  review and understand:");
    EXPECT_EQ(child<QPushButton>(first, "checkUpdate")->text(),
              "Check for Latest Update Via Internet");
    EXPECT_EQ(child<QPushButton>(first, "showDisclaimer")->text(), "Click to see DISCLAIMER");
    click(first, "checkUpdate");
    click(first, "homePage");
    click(first, "showDisclaimer");
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_NE(opened[0], opened[1]);
    EXPECT_EQ(opened[1].toString(),
              child<QPushButton>(first, "homePage")->text().prepend("https://") + "/");
    EXPECT_EQ(script.ran, std::vector<std::string>({"DisclaimerDialog"}));
    EXPECT_TRUE(recorder.shown.empty());
    EXPECT_TRUE(first.isVisible());
    click(first, "ok");
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(first.result(), QDialog::Accepted);

    // Enter right away closes it: "&OK" has the focus.
    FirstScreen again(services, "Update #1.2", nullptr, script.runner());
    showActive(again);
    QTest::keyClick(again.focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(again.result(), QDialog::Accepted);
}

TEST(SplashPicture, ClosesOnAKeyOrAButtonAndOtherwiseAfterAMinute)
{
    QWidget other;
    other.show();
    const struct
    {
        const char *name;
        std::function<void()> press;
    } cases[] = {
        {"key", [&] { QTest::keyClick(&other, Qt::Key_A); }},
        {"left button", [&] { QTest::mouseClick(&other, Qt::LeftButton); }},
        {"right button", [&] { QTest::mouseClick(&other, Qt::RightButton); }},
        {"middle button", [&] { QTest::mouseClick(&other, Qt::MiddleButton); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QPointer<SplashWindow> splash = new SplashWindow;
        int dismissed = 0;
        QObject::connect(splash.data(), &SplashWindow::dismissed, [&] { ++dismissed; });
        splash->showCentred(&other);
        EXPECT_EQ(splash->size(), QSize(708, 472));
        EXPECT_GT(splash->remainingMs(), 59000);
        EXPECT_LE(splash->remainingMs(), 60000);
        c.press();
        EXPECT_EQ(dismissed, 1);
        QTest::qWait(0);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(splash.isNull()) << "closed and freed";
    }
}

TEST(DesktopArguments, ProjectPathAndSplash)
{
    const struct
    {
        QStringList arguments;
        QString path;
        bool splash;
    } cases[] = {
        {{"vendrix"}, "", true},
        {{"vendrix", "dike.Vdx"}, "dike.Vdx", true},
        {{"vendrix", "-Embedding"}, "", false},
        {{"vendrix", "/Automation", "a.Vdx"}, "a.Vdx", false},
        {{"vendrix", "--unknown", "/home/me/b.Vdx", "c.Vdx"}, "/home/me/b.Vdx", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const DesktopArguments parsed = parseDesktopArguments(c.arguments);
        EXPECT_EQ(parsed.projectPath, c.path);
        EXPECT_EQ(parsed.splash, c.splash);
    }
}
