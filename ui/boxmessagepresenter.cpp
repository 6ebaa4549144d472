#include "boxmessagepresenter.h"

#include "applicationtitle.h"
#include "runcalculation.h"

#include <QApplication>
#include <QMessageBox>

namespace tervox::ui {

namespace {

// A modal box over the active window (or the desktop when there is none).
void ShowBox(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QString::fromUtf8(kApplicationTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    // Messages carry what the user typed: never let it be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void BoxMessagePresenter::showMessage(const QString& text) {
    ShowBox(QMessageBox::NoIcon, text);
}

void BoxMessagePresenter::showError(const QString& message) {
    ShowBox(QMessageBox::Critical,
            QString::fromStdString(calc::ErrorDisplayText(message.toStdString())));
}

} // namespace tervox::ui
