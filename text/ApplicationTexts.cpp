#include "text/ApplicationTexts.h"

cmcGTex& applicationTexts() {
  static cmcGTex texts;
  return texts;
}
