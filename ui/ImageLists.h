#pragma once
// The pictures of the tree, the tool bar and the program, by the image indexes the text
// tables use. The pictures are our own SVG files, drawn anew at every size so that they stay
// crisp on any screen; where the desktop theme has an icon for a common action (new, open,
// save) the theme's icon is used and ours is the fallback. An index without a picture gives
// a null icon.
#include <QIcon>

// Tree images: 0 radio, 1 folder, 2 page, 3 second page, 4 warning mark, 5 error mark,
// 6 second radio.
enum class TreeOverlay { None, Error, Warning };
inline constexpr int kTreeImageWarning = 4;
inline constexpr int kTreeImageError = 5;

// A tree image with the mark of overlay drawn over its lower left part.
QIcon TreeImage(int index, TreeOverlay overlay = TreeOverlay::None);

// Tool bar images: 0 new, 1 open, 2 save, 7 clone read, 8 clone write, 9 clone information.
QIcon ToolBarImage(int index);

QIcon ProgramIcon();
