#pragma once

#include <QImage>

// The program icon: a small wooden cabinet with shelves of books and pictures.
// Smaller sizes drop detail and keep edges on whole pixels.
namespace ProgramIcon {

QImage render(int size);

} // namespace ProgramIcon
