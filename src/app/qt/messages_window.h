// The Messages list: every status message of this run with its time, the
// last 500, newest at the bottom.
#pragma once

#include <QDialog>

#include "base/notices.h"

class QListWidget;

namespace kestrova {

class MessagesWindow : public QDialog {
    Q_OBJECT
public:
    MessagesWindow(const Notices& notices, QWidget* parent);
    // Show what was said since the last call.
    void sync();

private:
    const Notices& notices_;
    QListWidget* list_;
    unsigned shown_serial_ = 0;
};

}  // namespace kestrova
