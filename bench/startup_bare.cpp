// The floor of the start-up benchmark: a bare Qt window with one label,
// started and shown the same way, reporting once the window system has
// mapped it and its first frame is drawn.
#include "StartupWindow.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Student ID:"), &window));
    window.show();
    return ReportOnceDrawn(window) ? 0 : 1;
}
