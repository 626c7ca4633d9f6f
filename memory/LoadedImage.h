#pragma once
// The one way an image that was read from a file or received from the radio becomes the
// content of a document: the program-side blocks the radio does not keep come from the
// defaults, the list tables are unpacked into list order, and the destination's fixed
// defaults are merged in. The window and the command-line program both load this way.
class cmcEeprom;

// image is a generation-3 image as read or received; defaults the defaults image of the
// document's destination.
void PrepareLoadedImage(cmcEeprom& image, const cmcEeprom& defaults);
