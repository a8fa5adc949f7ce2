#pragma once

#include <string>
#include <vector>

namespace kerfa_tool {

// The program: reads the command line (without the program name), runs one command and gives
// the exit status (0, or the failed command's code after its messages are printed).
int main(std::vector<std::string> process_arguments);

}  // namespace kerfa_tool
