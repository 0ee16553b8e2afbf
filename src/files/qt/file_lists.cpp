#include "files/qt/file_lists.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QStorageInfo>

#include "files/controls.h"
#include "files/file_panel.h"

namespace kestrova {

FilePanelLists::FilePanelLists(const FilesContext& context, std::function<void()> after_event, QWidget* parent)
    : QObject(parent), context_(context), after_event_(std::move(after_event)) {
    drive_box_ = new QComboBox(parent);
    // A long mount point must not widen the panel: the box shows what fits.
    drive_box_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    drive_box_->setMinimumContentsLength(8);
    folder_label_ = new QLabel(parent);
    folder_label_->setObjectName("fileFolder");
    folder_view_ = new QListView(parent);
    file_view_ = new QListView(parent);
    // Names that differ at their end ("pan move 1", "pan move 1.asc") stay apart when cut short.
    for (QListView* v : {folder_view_, file_view_}) v->setTextElideMode(Qt::ElideMiddle);
    for (QWidget* w : std::initializer_list<QWidget*>{drive_box_, folder_view_, file_view_}) w->installEventFilter(this);

    folder_model_ = new QFileSystemModel(this);
    folder_model_->setFilter(QDir::AllDirs | QDir::NoDot);
    folder_view_->setModel(folder_model_);

    file_model_ = new QFileSystemModel(this);
    // Hidden files stay hidden: among them the temporary file of a save.
    file_model_->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    file_view_->setModel(file_model_);
    file_view_->setSelectionMode(QAbstractItemView::SingleSelection);

    reload_drives();

    connect(drive_box_, &QComboBox::activated, this, [this](int index) {
        change_drive(context_, drive_box_->itemData(index).toString().toStdString());
        after_event_();
    });
    // Entering a folder (double click or Enter) moves the folder list there.
    connect(folder_view_, &QListView::activated, this, [this](const QModelIndex& index) {
        const QString path = QFileInfo(folder_model_->filePath(index)).canonicalFilePath();
        if (path.isEmpty()) return;
        change_folder(context_.files, path.toStdString());
        after_event_();
    });
    connect(file_view_, &QListView::clicked, this, [this](const QModelIndex& index) {
        context_.files.selected = file_model_->fileName(index).toStdString();
        context_.panel.press(ctl::file_list);
        after_event_();
    });
    sync();
}

bool FilePanelLists::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        context_.panel.press(ctl::file_cancel_button);
        after_event_();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QWidget* FilePanelLists::drives() const { return drive_box_; }
QWidget* FilePanelLists::folders() const { return folder_view_; }
QWidget* FilePanelLists::folder_name() const { return folder_label_; }
QWidget* FilePanelLists::files() const { return file_view_; }

void FilePanelLists::reload_drives() {
    drive_box_->clear();
    context_.files.drives.clear();
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady()) continue;
        const QString root = v.rootPath();
        const QString label = v.name().isEmpty() ? root : root + "  [" + v.name() + "]";
        drive_box_->addItem(label, root);
        context_.files.drives.push_back(root.toStdString());
    }
    context_.files.drive = drive_of(context_.files, context_.files.folder);
}

void FilePanelLists::show_folder(const QString& folder) {
    shown_folder_ = folder;
    folder_view_->setRootIndex(folder_model_->setRootPath(folder));
    file_view_->setRootIndex(file_model_->setRootPath(folder));
    folder_view_->setToolTip(folder);
    file_view_->setToolTip(folder);
    // The folder by its name ("moves"), not the drive's root it lies on.
    const QString name = QFileInfo(folder).fileName();
    folder_label_->setText(name.isEmpty() ? folder : name);
    folder_label_->setToolTip(folder);
}

void FilePanelLists::sync() {
    const FilePanelState& f = context_.files;
    const QString folder = QString::fromStdString(f.folder);
    if (folder != shown_folder_) show_folder(folder);
    if (f.list_revision != seen_revision_) {
        seen_revision_ = f.list_revision;
        if (f.selected.empty()) file_view_->clearSelection();
    }
    folder_label_->setVisible(folder_view_->isVisibleTo(folder_view_->parentWidget()));
    const int drive = drive_box_->findData(QString::fromStdString(f.drive));
    if (drive >= 0 && drive != drive_box_->currentIndex()) drive_box_->setCurrentIndex(drive);
}

}  // namespace kestrova
