#include "worksheets/wizardchecks.h"

#include "toolkit/numbertext.h"

QString firstWorksheetFault(const WorksheetContent &worksheet)
{
    if (worksheet.title.isEmpty())
        return QStringLiteral("You have not chosen a title for your worksheet");
    for (int q = 0; q < questionsPerSet; ++q) {
        const QString number = numberWithSignPlace(q + 1);
        if (worksheet.questions[q].isEmpty())
            return QStringLiteral("You have not completed Question") + number;
        int ticks = 0;
        for (int a = 0; a < answersPerQuestion; ++a) {
            if (worksheet.answers[answersPerQuestion * q + a].isEmpty())
                return QStringLiteral("You have not completed Question") + number;
            if (worksheet.ticks[answersPerQuestion * q + a])
                ++ticks;
        }
        if (ticks == 0)
            return QStringLiteral("You have not ticked the correct answer for Question") + number;
        if (ticks > 1)
            return QStringLiteral("You have ticked more than one correct answer for Question") + number;
    }
    return {};
}
