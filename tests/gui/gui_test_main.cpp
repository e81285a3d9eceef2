// Runs the drawing and desktop tests under a QApplication; without a display the
// offscreen platform is used. With --hold-project FILE it is instead the second
// Vendrix of the project lock tests.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

int holdProjectOpen(const QString &path);

int main(int argc, char **argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--hold-project") == 0)
        return holdProjectOpen(QString::fromLocal8Bit(argv[2]));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
