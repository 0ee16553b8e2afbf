#include "app/qt/messages_window.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "log/journal.h"

namespace kestrova {

MessagesWindow::MessagesWindow(const Notices& notices, QWidget* parent)
    : QDialog(parent), notices_(notices), list_(new QListWidget(this)) {
    setObjectName("messagesWindow");
    setWindowTitle("Messages");
    resize(640, 360);
    list_->setObjectName("messagesList");
    auto* box = new QVBoxLayout(this);
    box->addWidget(list_);
}

void MessagesWindow::sync() {
    if (notices_.status_serial == shown_serial_) return;
    shown_serial_ = notices_.status_serial;
    list_->clear();
    for (const SaidMessage& m : notices_.said)
        list_->addItem(QString::fromStdString(log_time(m.when) + m.text));
    list_->scrollToBottom();
}

}  // namespace kestrova
