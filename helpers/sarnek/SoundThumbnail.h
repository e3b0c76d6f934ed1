#pragma once

#include "MediaJob.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

// Reads one audio job's recording and returns its output line
// "(key)(length)(bit rate)(channels)(sample rate)(bit depth)": length in seconds, bit
// rate in kbit/s, sample rate in Hz, bits per sample (0 for lossy formats, which have
// none). The cover picture the file holds becomes the thumbnail, fitted into the box;
// a file without one gets the line alone, and a thumbnail of an earlier cover goes.
// A file that is no recording gives one line on standard error and an empty result.
QByteArray makeSoundThumbnail(const MediaJob& job, const QString& outputFolder, const QDeadlineTimer& deadline);
