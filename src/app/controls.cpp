#include "app/controls.h"

#include <string>

namespace kestrova {

const char* const fspeed_boxes[8] = {"SpeedA", "SpeedB", "SpeedC", "SpeedD", "SpeedE", "speedf", "speedg", "speedh"};
const char* const name_labels[5] = {"Text7", "Text9", "Text10", "Text19", "Text20"};
const char* const keyframe_lists[6] = {"Text4", "Text5", "Text13", "Text14", "Text15", "Text16"};
const char* const row_labels[5] = {"Label1", "Label11", "Label12", "Label13", "Label14"};
const char* const fkey_labels[5] = {"Label16", "Label17", "Label18", "Label19", "Label20"};
const char* const fkey_texts[5] = {"F1<>F2", "F3<>F4", "F5<>F6", "F7<>F8", "F9<>F10"};
const char* const enable_buttons[5] = {"Command6", "Command8", "Command9", "Command10", "Command11"};
const char* const min_boxes[8] = {"minAt", "minBt", "minCt", "minDt", "minEt", "minft", "minGt", "minHt"};

std::string max_box(int axis) { return axis_box("max", axis) + "t"; }

std::string axis_box(const char* stem, int axis) { return std::string(stem) + axis_letters[axis]; }

namespace {

using K = ControlKind;

void box(Panel& p, const std::string& name, std::string text = {}, std::string tip = {}) {
    p.add(name, K::Box, std::move(text), std::move(tip));
}
void multiline(Panel& p, const std::string& name, std::string text = {}) {
    p.add(name, K::Box, std::move(text)).multiline = true;
}
void button(Panel& p, const std::string& name, std::string caption, std::string tip = {}) {
    p.add(name, K::Button, std::move(caption), std::move(tip));
}
void label(Panel& p, const std::string& name, std::string caption, std::string tip = {}) {
    p.add(name, K::Label, std::move(caption), std::move(tip));
}
void menu(Panel& p, const std::string& name, std::string caption) { p.add(name, K::Menu, std::move(caption)); }
void frame(Panel& p, const std::string& name, std::string caption) { p.add(name, K::Frame, std::move(caption)); }

void create_menus(Panel& p) {
    menu(p, "Filemenu", "File");
    menu(p, "Load", "Load Move");
    menu(p, "save", "Save Move");
    menu(p, "Export", "Export Ascii");
    menu(p, "Importascii", "Import Ascii");
    menu(p, "setupload", "Load Setup");
    menu(p, "setupsave", "Save Setup");
    menu(p, "exitmenu", "Exit");
    menu(p, "Setup", "Setup");
    menu(p, "comm", "Comm");
    menu(p, "help", "Help");
}

void create_axis_rows(Panel& p) {
    label(p, "Label10", "Axis");
    label(p, "Label3", "Position");
    label(p, "Label2", "F speed", "max F key move speed");
    label(p, "Label24", "Speed");
    label(p, "Label25", "enable");
    for (int i = 0; i < 5; ++i) label(p, row_labels[i], std::to_string(i + 1));
    label(p, "Label21", "F");
    for (int i = 0; i < 5; ++i) label(p, fkey_labels[i], fkey_texts[i]);
    for (int a = 0; a < 8; ++a) {
        box(p, "Name" + std::to_string(a + 1), default_name(a));
        box(p, axis_box("pos", a), "0");
        box(p, axis_box("Spd", a), "");
        box(p, fspeed_boxes[a], "", "max F key move speed");
    }
    for (int a = 0; a < 5; ++a) label(p, name_labels[a], "");
    for (int a = 0; a < 5; ++a) button(p, enable_buttons[a], std::string(1, axis_letters[a]), "enable axis");
    box(p, "enable", "disabled");
    button(p, "enFkeys", "enable F keys", "enable F keys to move axis");
    button(p, "disFkeys", "disable F keys");
}

void create_keyframe_group(Panel& p) {
    frame(p, "Frame2", "KeyFrames");
    label(p, "Label4", "Position");
    box(p, "Text1", "1");
    label(p, "Label5", "Total frames", "total frames in move");
    box(p, "Text2", "", "total frames in move");
    label(p, "Label6", "Keyframes");
    box(p, "keyframes", "0", "KFs in move");
    for (const char* name : keyframe_lists) multiline(p, name, "0");
    button(p, "Command3", "Add KeyFrame", "add keyframe at position above");
    button(p, "delKF", "Del KeyFrame", "delete keyframe at position above");
    button(p, "Command7", "Clear Move", "clear move");
    button(p, "recal", "re calc", "recalcute linear move");
    button(p, "Command21", "Set Total Frames", "Set move frames to \"Total frames\" value");
}

void create_shaping_group(Panel& p) {
    frame(p, "Frame1", "Bezier");
    button(p, "Command20", "smooth", "smoth curves");
    button(p, "Command5", "");
    box(p, "Text3", "20", "1 linear ,99 minimum accelleration");
    button(p, "smoothall", "smooth");
    label(p, "Label23", "Width");
    box(p, "smooth", "10");
    label(p, "Label22", "Passes");
    box(p, "smoothtimes", "5");
    button(p, "Command16", "Smooth");
    button(p, "Command17", "clear");
    multiline(p, "Text23");
    multiline(p, "Text24");
    box(p, "Text26");
}

void create_motion_group(Panel& p) {
    frame(p, "MOVE", "Move   ");
    button(p, "run", "Run");
    button(p, "Stop", "Stop");
    button(p, "Step", "Step", "move to next frame");
    button(p, "stepB", "Step", "move to previous frame");
    button(p, "Command14", "go to sub frame");
    button(p, "Command15", "go to frame", "move to frame below");
    button(p, "gotoend", "go to end", "mave all axies to end of move");
    button(p, "gotoFrame", "goto Frame");
    button(p, "gotostart", "go to start", "move all axies to start of move");
    button(p, "gotopos", "go to position", "go to values in \"position\" column");
    button(p, "Command1", "goto 0", "move all axies to home");
    button(p, "Home", "Go Home");
    button(p, "zeroall", "Zero All Axies", "set all axies to zero value");
    button(p, "Command12", "Reset");
    button(p, "Loopy", "Loop");
    button(p, "Speed", "Play Back Speed", "set play speed divider eg. 2 is half speed");
    button(p, "shownums", "show nums");
    box(p, "Text6", "1");
    box(p, "gotoFN", "1");
    box(p, "Text18", "1");
    box(p, "Text12", "0");
    box(p, "Text17", "1");
    box(p, "Text8", "");
    box(p, "warning", "Not at Start");
    p.set_visible("warning", false);
    p.add("HScroll1", K::ScrollBar).maximum = 32767;
    label(p, "Label34", "Current Frame");
    box(p, "Text22", "00:00:00:00");
    box(p, "Text29", "00:00:00:00");
    button(p, "smallversion", "Small");
}

void create_single_frame_group(Panel& p) {
    button(p, "setsingle", "Single Frame off", "start single frame move");
    label(p, "Label8", "Exposure", "exposure time");
    box(p, "exposure", "2", "exposure time");
    label(p, "Label37", "Hr:Mn:Sc", "interval time");
    box(p, "hrset", "00", "interval time");
    box(p, "minset", "00", "interval time");
    box(p, "secset", "10", "interval time");
    label(p, "camflash", "");
    button(p, "Command22", "Flash", "enble flash");
    button(p, "Command23", "Light", "enable frame light");
    frame(p, "timecode", "Trigger");
    label(p, "Label30", "Current");
    label(p, "Label31", "Trigger");
    label(p, "Label40", "Timecode");
    label(p, "Label36", "Audio");
    label(p, "Label15", "External");
    label(p, "Label38", "External");
    label(p, "Label39", "none");
    button(p, "Command24", "N", "enable trigger on tone input");
    button(p, "Command25", "N", "enable trigger on time code match");
    button(p, "Command26", "N", "enable external gpi input");
    button(p, "Command27", "clear all triggers", "clear all triggers");
    button(p, "Sound", "Sound Sync - Off", "start move on sound input");
}

void create_graph_group(Panel& p) {
    p.add("MSChart1", K::Chart);
    button(p, "dograph", "redo Graph");
    button(p, "showspeed", "show speed", "display move a s position or speed");
    label(p, "Label35", "Show Axis", "show/hide axis");
    for (int i = 0; i < 8; ++i) button(p, "Command19_" + std::to_string(i), std::to_string(i + 1), "show/hide axis");
    button(p, "Command13", "Command13");
}

void create_file_group(Panel& p) {
    label(p, "Label27", "filename");
    box(p, "Fname", "");
    p.add("Drive1", K::List);
    p.add("Dir1", K::List);
    p.add("File1", K::List);
    for (const char* name : {"Drive1", "Dir1", "File1"}) p.set_visible(name, false);
    label(p, "Label9", "Enter Comm number");
    box(p, "CommNo", "");
    p.set_visible("Label9", false);
    p.set_visible("CommNo", false);
}

void create_tool_group(Panel& p) {
    button(p, "Command2", "array");
    button(p, "Command4", "make list");
    button(p, "Command18", "Command18");
    label(p, "Label26", "Label26");
    label(p, "Label28", "Label28");
    label(p, "Label29", "Label29");
}

}  // namespace

std::string default_name(int axis) { return default_axis_names[static_cast<std::size_t>(axis)]; }

void create_main_controls(Panel& p) {
    create_menus(p);
    create_axis_rows(p);
    create_keyframe_group(p);
    create_shaping_group(p);
    create_motion_group(p);
    create_single_frame_group(p);
    create_graph_group(p);
    create_file_group(p);
    create_tool_group(p);
}

void create_setup_controls(Panel& p) {
    label(p, "Label10", "Axis");
    label(p, "Label3", "pulses/unit", "pulses / unit");
    label(p, "Label24", "Max speed, pulses/fr", "max pulses / frame");
    label(p, "Label2", "Accelleration", "Acc , pulses/frame/frame");
    label(p, "Label4", "min pos", "min position");
    label(p, "Label5", "max pos", "max position");
    label(p, "Label6", "Position", "current position");
    for (int a = 0; a < 8; ++a) {
        label(p, "Row" + std::to_string(a + 1), a < 5 ? std::string(fkey_texts[a]) : std::string(1, axis_letters[a]));
        box(p, "Name" + std::to_string(a + 1), default_name(a));
        box(p, axis_box("pos", a));
        box(p, axis_box("Spd", a));
        box(p, fspeed_boxes[a]);
        box(p, min_boxes[a]);
        box(p, max_box(a));
        box(p, "Text" + std::to_string(a + 1));
        button(p, axis_box("rev", a) + "x", "rev");
        p.set_colour(axis_box("rev", a) + "x", colour::red);
    }
    button(p, "Command5", "save and exit setup");
    button(p, "Command28", "exit setup");
    button(p, "Command29", "showsetupvals");
}

void create_help_controls(Panel& p) {
    label(p, "Label1", "Kestrova Instructions");
    multiline(p, "Text1");
    button(p, "Command1", "Exit");
}

}  // namespace kestrova
