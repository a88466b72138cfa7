#pragma once
// The "Greek Writing" topic menu.
#include "shell/topicmenu.h"

class writing : public TopicMenu {
    Q_OBJECT
public:
    writing();

protected:
    void showLabellingActivity() override;
    void showOrderingActivity() override;
};
