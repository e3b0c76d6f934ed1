#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace ProviderBadge {

// A rounded square of `color` with `initial` in white, on a transparent square of
// `size` pixels: a neutral mark for a web search provider, not its logo.
QImage badge(const QString& initial, const QColor& color, int size);

} // namespace ProviderBadge
