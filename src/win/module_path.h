// The full path of the running executable.
#pragma once
#include <string>

std::string ModulePath();
