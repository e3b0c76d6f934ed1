#pragma once

class QLineEdit;

// The look of a field whose input was refused: red, with white text, and the focus.
void markFieldInvalid(QLineEdit* field);
// Back to the normal look.
void clearFieldMark(QLineEdit* field);
