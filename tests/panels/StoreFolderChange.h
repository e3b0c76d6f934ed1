#pragma once

#include "PreferencesWidget.h"
#include "QuestionDriver.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Writes a file of a store for a test to move, making the folders it lies in.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The panel's "Change Store Folder..." as the user runs it: the folder chooser answered
// with `folder`, then every message box with OK. Returns the texts of those messages;
// `chooserShown` says whether the chooser came up at all.
inline QStringList changeStoreFolderTo(PreferencesWidget* panel, const QString& folder, bool* chooserShown)
{
    const QFileInfo chosen(folder);
    QuestionDriver chooser(QuestionDriver::visible<QFileDialog>(), [chosen](QWidget* window) {
        auto* dialog = static_cast<QFileDialog*>(window);
        dialog->setDirectory(chosen.absolutePath());
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(chosen.fileName());
        static_cast<QDialog*>(dialog)->accept();
    });
    QStringList messages;
    QTimer answers;
    QObject::connect(&answers, &QTimer::timeout, [&messages] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                messages << box->text();
                box->button(QMessageBox::Ok)->click();
            }
        }
    });
    answers.start(10);
    panel->onChangeStoreFolder();
    if (chooserShown)
        *chooserShown = chooser.ran();
    return messages;
}
