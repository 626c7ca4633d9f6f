#pragma once
// The process-wide objects of the window program, made in this order and gone in the reverse
// one: the settings (which take the single-instance lock), the text database, the event
// manager and the main controller. A second copy of the program gets only the settings
// object, which found the lock taken: it reads nothing, writes nothing, and the program
// ends. The timing services (QtTiming) must be installed first and outlive the process
// objects.
#include <memory>
#include <string>
#include <vector>

#include "base/indEnviron.h"
#include "platform/qt/QtInstanceLock.h"
#include "platform/qt/QtKeyValueStore.h"

class cmcEvMan;
class indMain;

class MainProcess {
 public:
  static constexpr const char* kMutexName = "Quor Tessel APP Exclusive Mutex";

  // arguments is the whole command line, the program path included.
  explicit MainProcess(const std::vector<std::string>& arguments);
  ~MainProcess();
  MainProcess(const MainProcess&) = delete;
  MainProcess& operator=(const MainProcess&) = delete;

  bool IsFirstInstance() const { return environ_.IsFirstInstance(); }
  // Creates and shows the main window, then opens the document named on the command line
  // Creates and shows the main window, then opens the document named on the command line
  // as Open would; with no destination stored yet the document gives its own. With "/setup"
  // the document opens once the setup has closed. Then it offers the recovery copies that
  // earlier windows left. Only for the first instance.
  void Start();

  // The first command line argument after the program path that is not "/setup": the file
  // to open at start; empty when there is none.
  static std::string DocumentArgument(const std::vector<std::string>& arguments);

  indEnviron& Environ() { return environ_; }
  cmcEvMan& Events() { return *events_; }
  indMain& Controller() { return *controller_; }

 private:
  QtKeyValueStore userStore_{QtKeyValueStore::Scope::User};
  QtKeyValueStore machineStore_{QtKeyValueStore::Scope::Machine};
  QtInstanceLock lock_;
  indEnviron environ_;
  std::string documentPath_;
  std::unique_ptr<cmcEvMan> events_;
  std::unique_ptr<indMain> controller_;
};
