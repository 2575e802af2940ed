// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menus, page bar and toolbar as data, in the order they
// appear: the window builds them from these tables and nowhere else.
#include <vector>

namespace sorvel {

struct ActionEntry {
    const char* name;     // the action's objectName, e.g. "actSave"
    const char* caption;  // exact menu caption, mnemonic included
    const char* shortcut = nullptr;
    bool separatorAfter = false;
    bool hidden = false;  // in the menu but not shown
};

struct MenuEntry {
    const char* name;
    const char* caption;
    std::vector<ActionEntry> items;
};

// The translation contexts of the captions (marked in the tables with
// QT_TRANSLATE_NOOP, translated where the window shows them).
inline constexpr char kMainMenuContext[] = "MainMenu";
inline constexpr char kPageBarContext[] = "PageBar";
inline constexpr char kToolBarContext[] = "ToolBar";

// Entry names that are not plain actions.
inline constexpr char kReopenMenu[] = "mnuReOpen";
inline constexpr char kExitItem[] = "mnuExit";

const std::vector<MenuEntry>& MainMenuTable();

// The page bar above the view, left to right; the page-number panel stands
// after the second button.
const std::vector<ActionEntry>& PageBarTable();
inline constexpr int kPageNumberPanelAfter = 2;

// The toolbar: hints of the buttons and the actions they run.
struct ToolButtonEntry {
    const char* action;
    const char* hint;
};
const std::vector<ToolButtonEntry>& ToolBarTable();

}  // namespace sorvel
