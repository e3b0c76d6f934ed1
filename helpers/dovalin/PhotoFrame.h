#pragma once

#include <QImage>
#include <QSize>

// True for the proportions of camera pictures, 4:3 and 16:10 either way round. Only
// exact ratios count, so a 1366 x 768 screen shot is no photo.
bool hasPhotoProportions(const QSize& size);

// The picture inside a white frame `border` pixels wide, the whole scaled to fit `box`
// (a small picture grows with it).
QImage framePhoto(const QImage& picture, int border, const QSize& box);
