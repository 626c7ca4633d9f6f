#include "text/ApplicationTexts.h"

cmcGTex& ApplicationTexts() {
  static cmcGTex texts;
  return texts;
}
