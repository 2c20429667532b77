#pragma once

namespace rinolux {

// Runs the whole program in the start-up order and returns the exit code.
int RinoluxStarten(int argc, char **argv);

} // namespace rinolux
