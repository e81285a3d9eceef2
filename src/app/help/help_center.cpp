#include "app/help/help_center.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

// Resources of a static library are registered by name from the global namespace.
static void registerHelpPages()
{
    Q_INIT_RESOURCE(help);
}

namespace vendrix {

QUrl helpTopicUrl(const QString &topic)
{
    QString page = topic.isEmpty() ? QString::fromLatin1(kDefaultHelpTopic) : topic;
    if (page.startsWith(QStringLiteral("::/")))
        page = page.mid(3);
    QString fragment;
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        fragment = page.mid(hash + 1);
        page = page.left(hash);
    }
    QUrl url(QStringLiteral("qrc:/help/") + page);
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    return url;
}

QString helpTopicOf(const QWidget *widget)
{
    if (widget == nullptr)
        return QString::fromLatin1(kDefaultHelpTopic);
    const QString topic = widget->window()->property("helpTopic").toString();
    return topic.isEmpty() ? QString::fromLatin1(kDefaultHelpTopic) : topic;
}

HelpBrowser::HelpBrowser(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_text(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("helpBrowser"));
    setWindowTitle(QStringLiteral("Vendrix Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    m_text->setObjectName(QStringLiteral("helpText"));
    m_text->setOpenExternalLinks(true);
    auto *bar = new QToolBar(this);
    QAction *back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                   QStringLiteral("&Back"), m_text, &QTextBrowser::backward);
    QAction *forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      QStringLiteral("&Forward"), m_text, &QTextBrowser::forward);
    bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("&Contents"), this,
                   [this] { showTopic(QString()); });
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_text, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_text, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_text);
    resize(720, 620);
}

void HelpBrowser::showTopic(const QString &topic)
{
    const QUrl url = helpTopicUrl(topic);
    if (m_text->source() == url) {
        if (url.hasFragment())
            m_text->scrollToAnchor(url.fragment());
        else
            m_text->verticalScrollBar()->setValue(0);
        return;
    }
    m_text->setSource(url);
}

QUrl HelpBrowser::currentUrl() const
{
    return m_text->source();
}

HelpCenter::HelpCenter(QObject *parent)
    : QObject(parent)
{
    registerHelpPages();
}

HelpCenter::~HelpCenter()
{
    if (m_contextMode)
        QApplication::restoreOverrideCursor();
    delete m_browser.data();
}

void HelpCenter::install()
{
    if (!m_installed)
        qApp->installEventFilter(this);
    m_installed = true;
}

namespace {

// Narrower than this the pages are hard to read; below the anchor instead.
constexpr int kNarrowestHelp = 320; // pixels
constexpr int kGap = 8; // pixels between the anchor and the help window

// Where `window` (of frame size `size`) fits on `available` without covering
// `anchor`: the wider side, narrowed to the room there, else below it, else
// over it as a last resort. The frame's extra size is `frame`.
QRect placementBeside(const QRect &anchor, QSize size, QSize frame, const QRect &available)
{
    const int right = available.right() - anchor.right() - kGap;
    const int left = anchor.left() - available.left() - kGap;
    const int below = available.bottom() - anchor.bottom() - kGap;
    QRect at(QPoint(), size);
    if (std::max(right, left) >= kNarrowestHelp + frame.width()) {
        at.setWidth(std::min(size.width(), std::max(right, left)));
        at.moveTo(right >= left ? anchor.right() + kGap : anchor.left() - kGap - at.width(),
                  anchor.top());
    } else if (below >= 200 + frame.height()) {
        at.setHeight(std::min(size.height(), below));
        at.moveTo(anchor.left(), anchor.bottom() + kGap);
    } else {
        at.moveTo(anchor.topRight() + QPoint(kGap, 0));
    }
    at.moveLeft(std::clamp(at.left(), available.left(), available.right() - at.width()));
    at.moveTop(std::clamp(at.top(), available.top(), available.bottom() - at.height()));
    return at;
}

// Beside `anchor` without covering it where the screen has room, wholly on the
// anchor's screen; centred when there is no anchor.
void placeNear(QWidget *window, const QWidget *anchor)
{
    const QScreen *screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    window->resize(window->size().boundedTo(available.size() * 0.9));
    // The frame of a window not yet shown is unknown: allow for a usual one.
    const QSize frame
        = window->isVisible() ? window->frameGeometry().size() - window->size() : QSize(16, 40);
    const QSize size = window->size() + frame;
    if (anchor == nullptr) {
        window->move(available.center() - QPoint(size.width() / 2, size.height() / 2));
        return;
    }
    const QRect at = placementBeside(anchor->frameGeometry(), size, frame, available);
    window->resize(at.size() - frame);
    window->move(at.topLeft());
}

} // namespace

void HelpCenter::showTopic(const QString &topic)
{
    // Under a modal dialog the browser belongs to that dialog, which would
    // otherwise block it; it stands beside the window it was asked from.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == m_browser.data())
        modal = nullptr;
    if (m_browser.isNull()) {
        m_browser = new HelpBrowser(modal);
        placeNear(m_browser, modal ? modal : QApplication::activeWindow());
    } else if (m_browser->parentWidget() != modal) {
        m_browser->hide();
        m_browser->setParent(modal, Qt::Window);
        placeNear(m_browser, modal ? modal : QApplication::activeWindow());
    }
    m_browser->showTopic(topic);
    m_browser->show();
    m_browser->raise();
    m_browser->activateWindow();
}

void HelpCenter::enterContextHelpMode()
{
    if (m_contextMode)
        return;
    m_contextMode = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
}

void HelpCenter::leaveContextHelpMode()
{
    if (!m_contextMode)
        return;
    m_contextMode = false;
    QApplication::restoreOverrideCursor();
}

bool HelpCenter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (m_contextMode && key->key() == Qt::Key_Escape) {
            leaveContextHelpMode();
            return true;
        }
        if (key->key() != Qt::Key_F1)
            break;
        if (key->modifiers().testFlag(Qt::ShiftModifier)) {
            enterContextHelpMode();
            return true;
        }
        QWidget *window = QApplication::activeModalWidget();
        if (window == nullptr)
            window = QApplication::activeWindow();
        if (window == nullptr)
            window = qobject_cast<QWidget *>(watched);
        if (window != m_browser.data())
            showTopic(helpTopicOf(window));
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        // The press reaches the window object first and the widget under the
        // mouse next; the widget tells which window was pointed at.
        if (auto *widget = qobject_cast<QWidget *>(watched); m_contextMode && widget) {
            leaveContextHelpMode();
            showTopic(helpTopicOf(widget));
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        break;
    case QEvent::EnterWhatsThisMode:
        // The caption's help button of a dialog.
        if (auto *widget = qobject_cast<QWidget *>(watched); widget && widget->isWindow()) {
            showTopic(helpTopicOf(widget));
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vendrix
