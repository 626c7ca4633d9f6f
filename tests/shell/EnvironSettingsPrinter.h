#pragma once
// Shows settings field by field in test failures.
#include <ostream>

#include "base/EnvironSettings.h"

inline void PrintTo(const EnvironSettings& s, std::ostream* out) {
  *out << "{language " << s.displayLanguage << "/" << s.machineLanguage << ", marker " << s.validityMarker << ", font "
       << s.fontSizePercentage << "%, tool bar " << s.toolBarVisible << ", printer font " << s.printerFontSize
       << ", port " << s.comPort << ", high speed " << s.comSpeedHigh << ", transfer " << s.transType << ", folder \""
       << s.currentDirectory << "\", repeater dialog " << s.repeaterDialog << ", auto correct " << s.autoCorrect
       << ", window " << s.windowLeft << "," << s.windowTop << " " << s.windowWidth << "x" << s.windowHeight
       << ", tree " << s.treePanelWidth << ", column groups " << s.columnGroupMask << ", detail " << s.callSignDetail
       << ", model " << s.modelType << ", start mode " << s.startMode << ", FCC inhibit " << s.fccInhibit
       << ", expansion " << s.receiveExpansion << ", destination " << s.destinationCode << "}";
}
