#pragma once

#include <QColor>
#include <QString>

// One item of a video or audio job file. An audio job uses the head and the box; the
// rest tells the video helper how to draw its film strip.
struct MediaJob
{
    QString filePath;
    QString thumbName; // a plain file name inside the output folder
    QString thumbFormat; // empty: chosen by the suffix of thumbName
    QString key;
    int thumbWidth = 0;
    int thumbHeight = 0;
    int thumbAlpha = 255; // opacity of the whole thumbnail
    int thumbTime = 0; // seconds into the video; 0 lets the helper choose
    int filmBorderSize = 0;
    int filmBorderSpacing = 0;
    QColor filmBorderColor = QColor(0, 0, 0, 230);
    QColor filmBackColor = QColor(0, 0, 0);
};
