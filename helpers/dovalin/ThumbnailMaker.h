#pragma once

#include "DovalinnailCreator.h"

#include <QString>

class DecodeBudget;
class EighthScaleDecoding;

// Makes the thumbnail of one job record: measures the picture, decodes it at the size
// it will have (holding its cost of `budget` meanwhile, when one is given; a picture
// made without a budget is alone, and a JPEG alone goes through `decoding`), frames it
// white when it has the proportions of a photo and saves it into `outputFolder`. Sets
// the record's results. Touches nothing but the record and its files, so records can
// be made on several threads at once. On failure `error` says why, or stays empty for
// a job that asks for no thumbnail.
bool makeThumbnail(DovalinnailCreator::Data* item, const QString& outputFolder, DecodeBudget* budget,
                   const EighthScaleDecoding& decoding, QString* error);
