#include <gtest/gtest.h>

#include <string>

#include "app/help_text.h"

// The help names every safety feature an operator has to know by its key or menu.
TEST(HelpText, DescribesUndoTheMoveCheckEscapeAndTheMessagesList) {
    const std::string help = kestrova::help_text;
    for (const char* must : {"Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+Y", "Edit > Undo", "Move check", "Play anyway?", "Escape",
                             "View > Messages", "Save, Discard and Cancel"})
        EXPECT_NE(help.find(must), std::string::npos) << must;
}
