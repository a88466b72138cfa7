#pragma once
// Prints a viewer's page: its print copy drawn 1000 twips from the left and
// top of the printable area at its own size, on the default printer. A
// failure (no printer, the job refused, no page loaded) says "There was a
// problem printing to your printer." and nothing is printed.
class Picture;

void printPagePicture(const Picture &page);
