#pragma once

#include <functional>

// Applies a change of the global settings and records them. When they cannot be written, every
// setting gets its old value back and the write error goes on to the caller.
void ChangerReglages(const std::function<void()> &changer);
