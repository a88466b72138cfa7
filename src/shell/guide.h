#pragma once
// The Teachers' Guide: five pages, each shown from its screen copy and
// printed from its print copy.
#include "shell/pageviewer.h"

class guide : public PageViewer {
    Q_OBJECT
public:
    guide();

    Label *Label2; // heading line, empty

protected:
    void load() override;
    int pages() const override;
    QString pageFile(const QString &folder, int page) const override;
};
