#pragma once

#include <string>

namespace kestrova {

struct FilePanelState {
    bool loadmode = false;
    bool savemode = false;
    std::string movename;  // name of the move file, without folder
    std::string folder;    // folder shown in the folder list
    std::string selected;  // file selected in the file list
};

}  // namespace kestrova
