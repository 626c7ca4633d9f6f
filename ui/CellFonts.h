#pragma once
// The markup's fonts and colours on the desktop. Face names of the other platform are
// substituted (the Japanese gothic face by an installed Japanese sans, the Western sans faces
// by the desktop's sans); a negative height is a character height in pixels, a positive one
// a line height; system colours are the palette's roles.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <cstdint>

#include "text/CellFont.h"

// scale multiplies the pixel height (printer pixels per screen pixel; 1 on screen).
QFont QtFont(const CellFont& font, double scale = 1.0);

class cmcGTex;

// The font of a cell model definition of the texts ("CellModel_BasicDialog" for dialogs).
QFont CellModelFont(cmcGTex& texts, const char* key);

// A markup colour value (0x00BBGGRR or system colour 0xFF0000nn) under the given palette.
QColor QtColor(std::uint32_t color, const QPalette& palette);

// System colours the drawing refers to by name.
constexpr std::uint32_t kClHighlight = 0xFF00000D;
constexpr std::uint32_t kClHighlightText = 0xFF00000E;
constexpr std::uint32_t kClBtnFace = 0xFF00000F;
constexpr std::uint32_t kClWhite = 0x00FFFFFF;
