#include "ui/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "memory/datClipCh.h"
#include "ui/DisplayText.h"

void PlaceCopiedText(datClipCh& clipboard) {
  if (const auto text = clipboard.TakeTextToPlace()) QGuiApplication::clipboard()->setText(DisplayText(*text));
}

void NoteSystemClipboard(datClipCh& clipboard) {
  clipboard.NoteSystemText(ProgramText(QGuiApplication::clipboard()->text()));
}
