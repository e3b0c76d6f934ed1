#pragma once

#include <QCoreApplication>

#include <functional>

// Before a quit the user asked for, every file is saved once more. While some still
// fail, the user chooses: try again (after making room or removing the cause), or quit
// and lose their latest changes.
class UnsavedFilesQuestion
{
    Q_DECLARE_TR_FUNCTIONS(UnsavedFilesQuestion)

public:
    // `saveAll` saves every file of the program; returns once all saved or the user
    // chose to quit anyway.
    static void saveBeforeQuit(const std::function<void()>& saveAll);
};
