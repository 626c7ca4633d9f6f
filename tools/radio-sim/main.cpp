// radio-sim: a simulated radio on a pseudo-terminal. The first line on standard output is
// the device path a clone program opens; the radio then serves until it is killed, until
// its cable is pulled, or with --once until the program that ran a read or write session
// has closed the device (so that nothing it still has to read is cut off).
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "platform/PseudoTerminal.h"
#include "platform/qt/QtMd5.h"
#include "platform/qt/QtTiming.h"
#include "tools/radio-sim/RadioSimArguments.h"
#include "tools/radio-sim/RadioSimEngine.h"
#include "tools/radio-sim/RadioSimImage.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kFarEndWatchMs = 50;

const char* KindName(RadioSimSession::Kind kind) {
  switch (kind) {
    case RadioSimSession::Kind::Info:
      return "information";
    case RadioSimSession::Kind::Read:
      return "read";
    case RadioSimSession::Kind::Write:
      return "write";
  }
  return "";
}

bool LoadImage(const RadioSimArguments& arguments, cmcEeprom& image) {
  const int destination = arguments.options.identity.destination;
  if (arguments.imagePath.empty()) {
    image = NewRadioImage(destination);
    return true;
  }
  const int code = LoadRadioImage(arguments.imagePath, destination, image);
  if (code != 0) std::cerr << "radio-sim: cannot read " << arguments.imagePath << " (file error " << code << ")\n";
  return code == 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QtTiming timing;
  const QtMd5 md5;
  std::string error;
  const std::optional<RadioSimArguments> arguments =
      ParseRadioSimArguments(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!arguments || arguments->help) {
    if (!arguments) std::cerr << "radio-sim: " << error << "\n";
    (arguments ? std::cout : std::cerr) << kRadioSimUsage;
    return arguments ? 0 : kExitUsage;
  }
  cmcEeprom image;
  if (!LoadImage(*arguments, image)) return kExitFailure;

  PseudoTerminal line;
  if (line.Open({}, {}) != SerialError::None) {
    std::cerr << "radio-sim: cannot open a pseudo-terminal: " << line.ErrorText() << "\n";
    return kExitFailure;
  }
  std::cout << line.SlavePath() << std::endl;

  RadioSimEngine radio(line, image, arguments->options);
  if (arguments->fault != RadioFault::None) radio.SetFault(arguments->fault, arguments->faultAt);
  int status = 0;
  bool transferEnded = false;
  QTimer farEndWatch;
  farEndWatch.setInterval(kFarEndWatchMs);
  radio.SetSessionEnd([&](const RadioSimSession& session) {
    std::cerr << "radio-sim: " << KindName(session.kind) << " session "
              << (session.completed ? "completed" : "broken off") << "\n";
    if (session.written && !arguments->savePath.empty()) {
      const int code = SaveRadioImage(arguments->savePath, *session.written, arguments->options.identity.destination);
      if (code != 0) {
        std::cerr << "radio-sim: cannot save " << arguments->savePath << " (file error " << code << ")\n";
        status = kExitFailure;
      }
    }
    if (!line.IsOpen()) QCoreApplication::exit(status);
    if (session.kind != RadioSimSession::Kind::Info) transferEnded = true;
  });
  // A program that closes the line ends what the radio was doing for it; with --once the
  // radio goes once the program that ran a transfer has closed the line.
  bool farEndWasOpen = false;
  QObject::connect(&farEndWatch, &QTimer::timeout, [&] {
    const bool open = line.IsFarEndOpen();
    if (farEndWasOpen && !open) radio.HangUp();
    farEndWasOpen = open;
    if (arguments->once && transferEnded && !open) QCoreApplication::exit(status);
  });
  farEndWatch.start();
  radio.Start();
  const int exitCode = QCoreApplication::exec();
  return exitCode != 0 ? exitCode : status;
}
