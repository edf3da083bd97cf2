#pragma once

// The start-up sequence of the program; returns the exit code.
namespace Avvio {
int esegui(int argc, char** argv);
}
