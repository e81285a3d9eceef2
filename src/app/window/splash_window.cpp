#include "app/window/splash_window.h"

#include "graphics/shell_artwork.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace vendrix {

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_timer(new QTimer(this))
    , m_picture(splashPicture())
{
    setObjectName(QStringLiteral("splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kSplashSize);
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::dismiss);
    qApp->installEventFilter(this);
}

SplashWindow::~SplashWindow()
{
    qApp->removeEventFilter(this);
}

void SplashWindow::showCentred(const QWidget *over)
{
    QScreen *screen = over != nullptr && over->screen() != nullptr
        ? over->screen()
        : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        QRect frame(QPoint(0, 0), kSplashSize);
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    m_timer->start(kSplashTimeoutMs);
}

int SplashWindow::remainingMs() const
{
    return m_timer->remainingTime();
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        // The press only dismisses the picture; it does not reach a window.
        if (!m_dismissed) {
            dismiss();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::dismiss()
{
    if (m_dismissed)
        return;
    m_dismissed = true;
    m_timer->stop();
    emit dismissed();
    close();
}

} // namespace vendrix
