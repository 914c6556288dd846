#include "files/strip_extension.h"

#include <algorithm>

namespace tallimer {

QString StripExtension(const QString& text) {
    const qsizetype dot = text.lastIndexOf(u'.');
    return dot < 0 ? text : text.left(dot);
}

bool discardedInFileName(QChar character) {
    static constexpr char16_t kDiscarded[] = u"*/:<>?\\\"|";
    const char16_t c = character.unicode();
    return std::find(std::begin(kDiscarded), std::end(kDiscarded) - 1, c) !=
           std::end(kDiscarded) - 1;
}

QString withoutDiscarded(const QString& text) {
    QString out = text;
    out.removeIf(discardedInFileName);
    return out;
}

}  // namespace tallimer
