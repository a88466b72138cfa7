#pragma once
// The page viewers' four buttons and page label, shared by the key-facts
// viewer and the guide: yellow on black bordered buttons that light up
// under the pointer like the main menu's.
#include "toolkit/controlarray.h"
#include "toolkit/label.h"

class QWidget;

namespace viewer {
enum Button { Print = 0, Exit = 1, NextPage = 2, PreviousPage = 3 };
}

void makeViewerButtons(QWidget *screen, ControlArray<Label> &buttons);
Label *makePageLabel(QWidget *screen, const QString &caption);
