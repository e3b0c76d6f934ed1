#pragma once

#include "MediaJob.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

// Makes the thumbnail of one video job, a frame on a film strip, and returns its
// output line "(key)(length)(width)(height)(sound)(bit rate)(frame rate)": length in
// seconds, the picture's display size in pixels, 1 when the video has a sound track,
// bit rate in kbit/s, frames per second. A file that is no video, or whose pictures
// cannot be decoded, gives one line on standard error and an empty result.
QByteArray makeVideoThumbnail(const MediaJob& job, const QString& outputFolder, const QDeadlineTimer& deadline);
