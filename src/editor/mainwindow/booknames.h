#pragma once
// The names the editor gives the open book where it has no file yet, and the
// program's name after it in the window title.
namespace sorvel {

inline constexpr char kUntitled[] = "無題";
inline constexpr char kTitleSuffix[] = " - 二胡専用数字譜エディター『ソルベル』";

}  // namespace sorvel
