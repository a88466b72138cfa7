#pragma once
// A windowed program started from a command prompt prints where the prompt
// can read it. On Linux its output already goes there; a Windows program
// built without a console of its own first attaches to its parent's.
void useParentConsole();
