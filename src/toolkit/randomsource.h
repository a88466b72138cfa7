#pragma once
// Random numbers as classroom programs use them: seed from the clock once,
// then draw numbers in [0, 1). Tests replace the source with a fixed sequence.
#include <functional>

// Seeds the generator from the clock.
void randomize();
// The next number, 0 <= r < 1.
double rnd();
// Replaces the source; an empty function restores the real generator.
void setRandomSource(std::function<double()> source);
