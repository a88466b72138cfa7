#include "shell/pagenames.h"
#include "toolkit/numbertext.h"

QString pageLabelCaption(int page, int pageCount)
{
    return QStringLiteral("Page") + numberWithSignPlace(page) + QStringLiteral(" of") + numberWithSignPlace(pageCount);
}

QString pageFileName(const QString &folder, const QString &baseName, int page)
{
    if (page < 1 || page > 3)
        return {};
    return folder + '\\' + baseName + QChar('a' + page - 1) + QStringLiteral(".wmf");
}

QString guidePageFileName(const QString &folder, int page)
{
    return folder + QStringLiteral("\\guide") + QString::number(page) + QStringLiteral(".wmf");
}

QString logoFrameFileName(int frame)
{
    return (frame < 10 ? QStringLiteral("logo\\quor000") : QStringLiteral("logo\\quor00")) + QString::number(frame) +
           QStringLiteral(".gif");
}

int nextLogoFrame(int frame)
{
    ++frame;
    return frame == 20 ? 0 : frame;
}
