#include "window/message_box.h"

#include <QMessageBox>

namespace tallimer {

void showMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tallimer Calculator"), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace tallimer
