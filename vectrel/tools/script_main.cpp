// vectrel-script [FILE]: runs a script of automation calls (stdin without FILE).
#include <fstream>
#include <iostream>

#include "vectrel/tools/script_host.h"

int main(int argc, char** argv) {
  if (argc > 2 || (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help"))) {
    std::cerr << "usage: vectrel-script [FILE]\n";
    return argc > 2 ? vectrel::ScriptHost::kScriptError : 0;
  }
  vectrel::ScriptHost host(std::cout, std::cerr);
  if (argc == 2) {
    std::ifstream file(argv[1]);
    if (!file) {
      std::cerr << "vectrel-script: cannot open " << argv[1] << '\n';
      return vectrel::ScriptHost::kScriptError;
    }
    return host.Run(file);
  }
  return host.Run(std::cin);
}
