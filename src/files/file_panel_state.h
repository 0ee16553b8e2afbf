#pragma once

#include <string>
#include <vector>

namespace kestrova {

struct FilePanelState {
    bool loadmode = false;
    bool savemode = false;
    std::string movename;  // name of the move file, without folder
    std::string folder;    // folder shown in the folder list
    std::string selected;  // file selected in the file list
    std::string typed_name;  // the file-name box, kept by its reading (file_commands.cpp)
    std::string drive;     // root of the volume chosen in the drive list
    std::vector<std::string> drives;  // roots of the mounted volumes, as the window lists them
    unsigned list_revision = 0;       // bumped when the file list must be read again
};

}  // namespace kestrova
