#pragma once
// The splash picture shown over the main window at start-up. It closes after a
// minute, or at once when the user presses any key or mouse button anywhere in
// the program.

#include <QPixmap>
#include <QWidget>

class QTimer;

namespace vendrix {

inline constexpr int kSplashTimeoutMs = 60000;

class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);
    ~SplashWindow() override;

    // Centres the picture on the screen of `over` (or the primary screen) and
    // shows it.
    void showCentred(const QWidget *over);
    int remainingMs() const;

signals:
    void dismissed();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dismiss();

    QTimer *m_timer;
    QPixmap m_picture;
    bool m_dismissed = false;
};

} // namespace vendrix
