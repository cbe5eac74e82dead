// The subcommands of kovia-batch. Each takes the words after its own name and returns the
// program's exit status: 0 success, 1 data or a file refused, 2 usage error, 3 a dialog that
// no answer was given for (scenarios only).
#pragma once

#include <string>
#include <vector>

namespace kovia {

// kovia-batch escenario FILE
int runScenarioCommand(const std::vector<std::string>& args);

// kovia-batch frecuencia ARCHIVO --nominal HZ --tau S [--ruido K] --salida DIR
int runFrequencyCommand(const std::vector<std::string>& args);

// kovia-batch fase ARCHIVO [ARCHIVO ...] [--hora] --unidad grados|tiempo --nominal HZ --tau S
//             --orden Q [--ruido K] --salida DIR
int runPhaseCommand(const std::vector<std::string>& args);

}  // namespace kovia
