#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBox::show(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vexaroo"), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
