#include "clone/CloneImages.h"

#include "memory/FixedDefaults.h"
#include "memory/ListPacking.h"

cmcEeprom PrepareWriteImage(cmcEeprom& document, const cmcEeprom& defaults, const WriteImageCorrection& correct) {
  MergeFixedDefaults(document, defaults);
  cmcEeprom image = document;
  if (correct) correct(image);
  PackImage(image);
  return image;
}
