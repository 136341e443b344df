#include "host/program_launcher.h"

std::string commandPromptLine(const std::string& runDirectory) { return "cmd /k cd /d" + runDirectory + "\\"; }
