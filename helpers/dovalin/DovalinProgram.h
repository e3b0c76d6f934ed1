#pragma once

#include "EighthScaleDecoding.h"

#include <QStringList>

// The whole run of the image helper after its application object exists: reads the job
// file named by the only argument and makes its thumbnails, a JPEG made alone through
// `decoding`. Returns the exit code: 0 when there is not exactly one argument or the
// job was worked through, -1 when the job file cannot be read, is of another kind or
// holds no usable item.
int runDovalin(const QStringList& arguments,
               const EighthScaleDecoding& decoding = EighthScaleDecoding::fromEnvironment());
