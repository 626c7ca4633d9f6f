#pragma once
// The keys a cell request carries, as the grid reports them and the value codecs answer them.
#include <cstdint>

// Key codes carried by a request. Typed characters (32 to 126 and double-byte lead bytes)
// are their own code.
constexpr int32_t kKeyBackspace = 8;         // previous list entry
constexpr int32_t kKeyEnter = 13;            // also a menu click and the pop-up command Edit
constexpr int32_t kKeySpace = 32;            // next list entry
constexpr int32_t kKeyDoubleClick = 256;     // handled as Enter
constexpr int32_t kKeyLeftAtEdge = 0x2500;   // Left arrow when the cursor could not move
constexpr int32_t kKeyRightAtEdge = 0x2700;  // Right arrow when the cursor could not move
constexpr int32_t kKeyF1 = 0x7000;           // F1 to F12: the function key code shifted left by 8
constexpr int32_t kKeyF2 = 0x7100;           // opens the editor like Enter
constexpr int32_t kKeyF12 = 0x7B00;
constexpr int32_t kKeyInputMethodStart = 0x10007;  // the input method started composing

// The longest text the in-place editor takes unless a codec says otherwise.
constexpr int32_t kDefaultEditorMaxLength = 1024;
