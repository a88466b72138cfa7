#pragma once
// The system's font configuration takes as long to read as the rest of the
// start-up: it is read on a thread of its own while the application starts,
// so that the first text measured does not wait for all of it. Call first
// thing in main(); it does nothing where fonts need no such reading.
void startReadingFontConfiguration();
