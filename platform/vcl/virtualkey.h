#pragma once

namespace vcl {

// The arrow keys by their virtual-key codes, as key handlers compare them.
inline constexpr int VK_LEFT = 37;
inline constexpr int VK_UP = 38;
inline constexpr int VK_RIGHT = 39;
inline constexpr int VK_DOWN = 40;

// The virtual-key code of a Qt key: letters and digits keep their codes,
// the arrows get theirs above, other keys give 0.
int VirtualKeyOf(int qtKey);

}  // namespace vcl
