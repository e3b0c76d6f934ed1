#include "UnsavedFilesQuestion.h"

#include "FailedSaves.h"
#include "MessageDialog.h"

void UnsavedFilesQuestion::saveBeforeQuit(const std::function<void()>& saveAll)
{
    FailedSaves& failures = FailedSaves::instance();
    // The question names every failing file: no message of its own on top.
    failures.holdMessages(true);
    for (;;) {
        saveAll();
        if (failures.isEmpty())
            break;
        failures.markAllTold();
        const QString text = tr("These files could not be saved:\n\n%1\n\nIf you quit now, their latest changes are "
                                "lost. Remove the cause (make room on the disk, say) and try again.")
                                 .arg(failures.describe().join(QLatin1Char('\n')));
        const int answer = MessageDialog().choose(nullptr, text, MessageDialog::Warning,
                                                  {tr("Try Again"), tr("Quit Anyway")});
        if (answer != 0)
            break;
    }
    failures.holdMessages(false);
}
