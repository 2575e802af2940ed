// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Edit menu's commands on the page view: cut, copy and paste through the
// system clipboard, delete, select all, select the same kind, vertical
// alignment of marks, automatic lengths, and insert and delete with shift.
// Each change of the score is one undo step and ends with a redraw.
#include <QtGlobal>

namespace sorvel {

struct EditorContext;

// What the status bar says when a command finds nothing it can do
// (translated in kEditCommandsContext).
inline constexpr char kEditCommandsContext[] = "EditCommands";
inline constexpr char kMsgShiftNoSymbol[] =
    QT_TRANSLATE_NOOP("EditCommands", "曲に音符や小節線が無いため、シフトできません。");
inline constexpr char kMsgShiftBrokenGrid[] =
    QT_TRANSLATE_NOOP("EditCommands", "グリッドの大きさが正しくないため、シフトできません。");
inline constexpr char kMsgLenAutoNoBarWidth[] = QT_TRANSLATE_NOOP(
    "EditCommands",
    "小節の幅が無いため、音長を自動セットできません。小節線の位置を確かめてください。");

// Binds actCut, actCopy, actPaste, actDelete, actAllSelect, actSameSelect,
// actVPos, actLenAutoSet, actRightShift and actLeftShift of the window.
void InstallEditCommands(const EditorContext& ctx);

}  // namespace sorvel
