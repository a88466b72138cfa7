// The baseline for start-up: the smallest Qt Widgets program that shows one
// empty 800 x 600 window.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
