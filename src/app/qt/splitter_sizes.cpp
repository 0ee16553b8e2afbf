#include "app/qt/splitter_sizes.h"

#include <QEvent>
#include <QSettings>
#include <QSplitter>

#include "base/qt/settings_writer.h"

namespace kestrova {

namespace {
QString key(const QSplitter* s) { return QStringLiteral("mainWindow/") + s->objectName(); }

// A splitter shares out the size it has: the kept sizes go in once it is laid
// out at its first showing, not while it is still unsized.
class KeptSizes : public QObject {
public:
    KeptSizes(QSplitter* s, QByteArray state) : QObject(s), state_(std::move(state)) { s->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            static_cast<QSplitter*>(watched)->restoreState(state_);
        }
        return false;
    }

private:
    QByteArray state_;
};
}  // namespace

void keep_splitter_sizes(std::initializer_list<QSplitter*> splitters, Notices& notices) {
    const QSettings kept;
    for (QSplitter* s : splitters) {
        QByteArray state = kept.value(key(s)).toByteArray();
        if (!state.isEmpty()) new KeptSizes(s, std::move(state));
        QObject::connect(s, &QSplitter::splitterMoved, s, [s, &notices] {
            write_settings(notices, [s](QSettings& out) { out.setValue(key(s), s->saveState()); });
        });
    }
}

}  // namespace kestrova
