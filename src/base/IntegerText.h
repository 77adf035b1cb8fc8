#pragma once

#include <QStringView>
#include <QtGlobal>

// The integers of ini values and colour texts, written by hand rather than with QString::toInt:
// that one accepts blanks and "0" octal prefixes and rejects "$".
namespace IntegerText {

// An optional "+" or "-", then decimal digits, or hexadecimal digits in either case after "$" or
// "0x" (either case). Decimal must fit a signed 32-bit integer. Hexadecimal may use all 32 bits
// and is read as a bit pattern, so that colour values with the high byte set ("$FF00000F") read
// back as the negative number they were written from; a sign before it negates the pattern
// modulo 2^32. Nothing else is allowed, blanks included: a caller that accepts blanks strips
// them first. False, with *value untouched, for any other text and for a number out of range.
bool parse(QStringView text, qint32 *value);

} // namespace IntegerText
