#include "ui/ShowResultMessage.h"

#include "resources/ComposeResultMessage.h"
#include "ui/AppTitle.h"

#include <QMessageBox>

void ShowResultMessage(QWidget* parent, const QString& leadIn, ResultCode code) {
    const QString text = QString::fromStdString(ComposeResultMessage(leadIn.toStdString(), code));
    if (text.isEmpty()) {
        return;
    }
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok, parent);
    // A file path may look like markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
