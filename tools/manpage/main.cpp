// tessel-manpage PROGRAM OUT: writes the manual page of tessel or tessel-cli from the table
// its --help texts come from.
#include <fstream>
#include <iostream>
#include <string_view>

#include "manual/ManualText.h"
#include "manual/ProgramVersion.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tessel-manpage tessel|tessel-cli OUT\n";
    return 1;
  }
  const std::string_view program = argv[1];
  if (program != "tessel" && program != "tessel-cli") {
    std::cerr << "tessel-manpage: no manual for " << program << "\n";
    return 1;
  }
  const ProgramManual& manual = program == "tessel" ? WindowManual() : CliManual();
  std::ofstream out(argv[2], std::ios::binary);
  out << ManualPage(manual, std::string(ProgramVersion()));
  out.close();
  if (!out) {
    std::cerr << "tessel-manpage: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
