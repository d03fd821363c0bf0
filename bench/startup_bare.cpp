// The floor of the start-up benchmark: a bare Qt window, started and shown
// the same way, then ended.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.show();
    QCoreApplication::processEvents();
    return window.isVisible() ? 0 : 1;
}
