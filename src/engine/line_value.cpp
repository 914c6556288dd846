#include "engine/line_value.h"

#include "engine/line_value_order.h"
#include "platform/number_text.h"

namespace tallimer {

bool LineValue::isBlank() const {
    switch (kind()) {
        case Kind::Empty:
            return true;
        case Kind::Integer:
            return integerValue() == 0;
        case Kind::Decimal:
            return decimalValue().isZero();
        case Kind::Double:
            break;
    }
    // A double too small for 15 significant digits at scale 28 compares equal to 0.
    return LineValueOrderKey::of(*this).isZero();
}

DecStatus LineValue::toDecimal(Decimal& out) const {
    switch (kind()) {
        case Kind::Empty:
            out = Decimal();
            return DecStatus::Ok;
        case Kind::Integer:
            out = Decimal::fromInt(integerValue());
            return DecStatus::Ok;
        case Kind::Decimal:
            out = decimalValue();
            return DecStatus::Ok;
        case Kind::Double:
            break;
    }
    return Decimal::fromDouble(doubleValue(), out);
}

QString LineValue::plainText(const RegionalSettings& settings) const {
    if (isEmpty()) {
        return {};
    }
    Decimal value;
    if (toDecimal(value) == DecStatus::Ok) {
        return tallimer::plainText(value, settings);
    }
    // Beyond the Decimal range a double keeps its exponent, as the standard text of a double
    // does: "1E+300".
    QString text = QString::number(doubleValue(), 'G', 15);
    text.replace(u'.', settings.decimalSymbol);
    return text;
}

std::partial_ordering operator<=>(const LineValue& a, const LineValue& b) {
    if (a.kind() == LineValue::Kind::Decimal && b.kind() == LineValue::Kind::Decimal) {
        return a.decimalValue() <=> b.decimalValue();
    }
    return LineValueOrderKey::of(a) <=> LineValueOrderKey::of(b);
}

}  // namespace tallimer
