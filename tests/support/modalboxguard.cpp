#include "modalboxguard.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QWidget>

namespace tervox::ui::testing {

ModalBoxGuard::ModalBoxGuard(QObject* parent) : QObject(parent) {
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &ModalBoxGuard::check);
}

void ModalBoxGuard::start() {
    m_seen.clear();
    m_allowed = nullptr;
    m_timer.start();
}

void ModalBoxGuard::stop() {
    m_timer.stop();
}

void ModalBoxGuard::check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_allowed)
        return;
    QString text = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        text += QStringLiteral(": ") + box->text();
    m_seen.append(text);
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace tervox::ui::testing
