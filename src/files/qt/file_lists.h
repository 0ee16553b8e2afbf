// The file panel's three lists: mounted volumes, the folders of the shown
// folder and its files. They show the core's file-panel
// state and forward the operator's choices to it.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "files/files_context.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListView;
class QWidget;

namespace kestrova {

class FilePanelLists : public QObject {
    Q_OBJECT
public:
    // `after_event` runs after every choice forwarded to the core.
    FilePanelLists(const FilesContext& context, std::function<void()> after_event, QWidget* parent);

    QWidget* drives() const;
    QWidget* folders() const;
    QWidget* files() const;
    // The name of the folder shown (its full path as the tooltip).
    QWidget* folder_name() const;

    // Show the folder, drive and selection the core holds.
    void sync();
    // Read the mounted volumes again.
    void reload_drives();

protected:
    // Escape in a list leaves the panel, as Cancel does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show_folder(const QString& folder);

    FilesContext context_;
    std::function<void()> after_event_;
    QComboBox* drive_box_;
    QLabel* folder_label_;
    QListView* folder_view_;
    QListView* file_view_;
    QFileSystemModel* folder_model_;
    QFileSystemModel* file_model_;
    QString shown_folder_;
    unsigned seen_revision_ = 0;
};

}  // namespace kestrova
