#include <iostream>
#include <string_view>
#include <vector>

#include "batch/batch.hpp"

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  return polycryst::batch::RunCommandLine(args, std::cout, std::cerr);
}
