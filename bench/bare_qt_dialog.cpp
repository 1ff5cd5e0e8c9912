// The baseline for start-up: the least a Qt Widgets dialog program does, one button.
#include <QApplication>
#include <QDialog>
#include <QPushButton>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    QPushButton button(QStringLiteral("OK"), &dialog);
    QObject::connect(&button, &QPushButton::clicked, &dialog, &QDialog::accept);
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
