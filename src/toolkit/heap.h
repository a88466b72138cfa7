#pragma once
// Memory a closed screen frees (its pictures drawn at its size, decoded
// files) goes back to the system, so that touring the screens does not
// leave the program larger. Call once at start.
void returnFreedMemoryToSystem();
