#pragma once

#include <QString>
#include <QtGlobal>

// Numbers as text: read from captions and files, written back, kept to 16 bits.
namespace numeric {

// The number a text starts with (blanks ahead skipped); 0 when it starts with none.
double valueOf(const QString& text);

// Nearest 16-bit integer, ties to the even one; values beyond the range saturate.
qint16 toInteger(double value);

// A whole number as plain decimal digits, with a minus sign when negative and no blanks.
QString decimalText(qint64 value);

// Parses a whole token as a number ("37", "-1", "+2", "3.5", "1e2"); false if it is not one.
bool parseNumber(const QByteArray& token, double* value);

} // namespace numeric
