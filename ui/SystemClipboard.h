#pragma once
// The desktop's clipboard beside the program's channel clipboard: the text of a Copy goes
// there, and text another program put there is handed to the next Paste.
class datClipCh;

// Places the text of the last Copy once (nothing for lists without one).
void PlaceCopiedText(datClipCh& clipboard);
// Tells the channel clipboard what the desktop's clipboard holds now.
void NoteSystemClipboard(datClipCh& clipboard);
