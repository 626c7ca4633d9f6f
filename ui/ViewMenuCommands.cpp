#include "ui/ViewMenuCommands.h"

#include <QToolBar>

#include "base/EventCodes.h"
#include "base/ProgramMessage.h"
#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "text/cmcGTex.h"
#include "ui/cuiMain.h"
#include "ui/cuiToolBar.h"

void ViewMenuCommands::ViewFontSize(int percentage) {
  services_.environ.settings.fontSizePercentage = percentage;
  services_.environ.WriteSettings();
  main_.SetResetColumnWidths();
  main_.CloseSheet();
}

void ViewMenuCommands::ViewLanguage(int language) {
  indEnviron& environment = services_.environ;
  if (language == environment.settings.displayLanguage) return;
  if (language == EnvironSettings::kLanguageJapanese && !main_.SystemJapanese() && !ConfirmLanguageChange()) return;
  environment.settings.displayLanguage = language;
  environment.WriteSettings();
  services_.events.Post(EV_LanguageChanged);
}

void ViewMenuCommands::ViewToolBar() {
  std::int32_t& visible = services_.environ.settings.toolBarVisible;
  visible = visible != 0 ? 0 : 1;
  services_.environ.WriteSettings();
  if (main_.ToolBar() != nullptr) main_.ToolBar()->Bar()->setVisible(visible != 0);
}

bool ViewMenuCommands::ConfirmLanguageChange() {
  return ShowProgramMessage(services_.texts.GetValueText("GI_Mess_Language_Change"),
                            services_.texts.GetLine("GI_Sys_AppTitle", 0), MessageButtons::OkCancel,
                            MessageIcon::Warning, kAnswerCancel) == kAnswerOk;
}
