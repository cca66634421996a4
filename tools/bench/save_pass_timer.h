// The Save pass timer: a separate program that prints its own figure.
#pragma once

#include <string>

// Runs timer in its own folder and returns what it printed (stdout and stderr);
// on failure returns false and sets error.
bool RunSavePassTimer(const std::string& timer, std::string& output, std::string& error);
