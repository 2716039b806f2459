// The floor for the start-up time: a Qt window of the main window's size and nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(731, 576);
    window.show();
    return app.exec();
}
