// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names the editor gives the open book where it has no file yet, and the
// program's name after it in the window title (both translated in
// kBookNamesContext where they are shown).
#include <QtGlobal>

namespace sorvel {

inline constexpr char kBookNamesContext[] = "BookNames";
inline constexpr char kUntitled[] = QT_TRANSLATE_NOOP("BookNames", "無題");
inline constexpr char kTitleSuffix[] =
    QT_TRANSLATE_NOOP("BookNames", " - 二胡専用数字譜エディター『ソルベル』");

}  // namespace sorvel
