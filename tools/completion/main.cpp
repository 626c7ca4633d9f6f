// tessel-completion OUT: writes the bash completion of tessel-cli from the table its --help
// texts and manual page come from.
#include <fstream>
#include <iostream>

#include "manual/BashCompletion.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tessel-completion OUT\n";
    return 1;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << BashCompletion(CliManual());
  out.close();
  if (!out) {
    std::cerr << "tessel-completion: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
