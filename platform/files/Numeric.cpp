#include "Numeric.h"

#include <cmath>
#include <limits>

#include <locale.h>
#include <stdlib.h>

namespace numeric {

namespace {

// Length of the number at the start of text (sign, digits, fraction, exponent), 0 if none.
template <typename Chars> qsizetype numberPrefix(const Chars& text, qsizetype from) {
    auto isDigit = [&](qsizetype i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    qsizetype i = from;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const qsizetype digitsFrom = i;
    while (isDigit(i))
        ++i;
    qsizetype digits = i - digitsFrom;
    if (i < text.size() && text[i] == '.') {
        const qsizetype fractionFrom = ++i;
        while (isDigit(i))
            ++i;
        digits += i - fractionFrom;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (isDigit(j)) {
            while (isDigit(j))
                ++j;
            i = j;
        }
    }
    return i - from;
}

// The C library reads numbers in the locale Qt has set from the environment, where the
// decimal point may be a comma; the files and captions always use the point.
double readNumber(const char* text) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text, nullptr, c);
}

} // namespace

double valueOf(const QString& text) {
    const QByteArray latin = text.toLatin1();
    qsizetype from = 0;
    while (from < latin.size() && (latin[from] == ' ' || latin[from] == '\t'))
        ++from;
    const qsizetype length = numberPrefix(latin, from);
    if (length == 0)
        return 0.0;
    return readNumber(latin.mid(from, length).constData());
}

qint16 toInteger(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= 32767.0)
        return std::numeric_limits<qint16>::max();
    if (value <= -32768.0)
        return std::numeric_limits<qint16>::min();
    // The default floating-point mode rounds to nearest with ties to even.
    return static_cast<qint16>(std::nearbyint(value));
}

QString decimalText(qint64 value) {
    return QString::number(value);
}

bool parseNumber(const QByteArray& token, double* value) {
    if (token.isEmpty() || numberPrefix(token, 0) != token.size())
        return false;
    *value = readNumber(token.constData());
    return true;
}

} // namespace numeric
