#pragma once
// The "Greek Fighters" topic menu.
#include "shell/topicmenu.h"

class fighters : public TopicMenu {
    Q_OBJECT
public:
    fighters();

protected:
    void showLabellingActivity() override;
    void showOrderingActivity() override;
};
