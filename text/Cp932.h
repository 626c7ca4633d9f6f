#pragma once
// Character classes of the program's double-byte code page. A lead byte and the byte after
// it form one character; that second byte is never taken for a markup or separator character.

inline bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xEF); }
inline bool isLeadByte(char c) { return isLeadByte(static_cast<unsigned char>(c)); }
