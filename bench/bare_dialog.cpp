// The floor of the start-up benchmark: a bare Qt dialog of the sheet's size with
// a label and a button, built with the program's flags and linking only Qt Widgets.
// It runs until it is ended, as the program does.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.resize(720, 510);
    auto* label = new QLabel(QStringLiteral("Welcome"), &dialog);
    label->move(20, 20);
    auto* button = new QPushButton(QStringLiteral("Close"), &dialog);
    button->move(600, 470);
    dialog.show();
    return app.exec();
}
