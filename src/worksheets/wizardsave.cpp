#include "worksheets/wizardsave.h"

#include "toolkit/whilebusy.h"
#include "worksheets/storabletext.h"
#include "worksheets/wizardchecks.h"
#include "worksheets/worksheetfile.h"

CheckedSave checkAndSaveWorksheet(const WorksheetContent &worksheet)
{
    if (const QString fault = firstWorksheetFault(worksheet); !fault.isEmpty())
        return {false, fault};
    if (const auto notStorable = firstTextNotStorable(worksheet))
        return {false, textNotStorableMessage(*notStorable)};
    SaveResult saved;
    runWhileBusy([&] { saved = saveWorksheetFiles(worksheet); });
    return {saved.outcome == SaveOutcome::Saved, saveOutcomeMessage(saved, worksheet.title)};
}
