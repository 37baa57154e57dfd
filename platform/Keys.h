#pragma once

// Key codes and modifier bits as the windows' key handlers take them: the
// character code of Enter, the key code of Delete, and the bits that say
// which of Shift and Ctrl were held.
namespace quillmark::key {

inline constexpr int kEnter = 13;
inline constexpr int kDelete = 46;

inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;

}  // namespace quillmark::key
