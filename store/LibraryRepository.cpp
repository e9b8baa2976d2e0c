// SPDX-License-Identifier: MIT
#include "store/LibraryRepository.h"

namespace colorcard {

bool LibraryRepository::colourTexts(const QString& libraryId,
                                    const std::function<void(const StoredColourTexts&)>& row) {
    const std::optional<QVector<Colour>> colours = this->colours(libraryId, false);
    if (!colours)
        return false;
    QByteArray texts[StoredColourTexts::Count];
    StoredColourTexts out;
    for (const Colour& colour : *colours) {
        for (int i = 0; i < StoredColourTexts::Count; ++i) {
            const QString& text = i == 0 ? colour.name : colour.text(ColorColumns::Column(i - 1));
            texts[i] = text.toUtf8();
            out.data[i] = text.isNull() ? nullptr : texts[i].constData();
            out.size[i] = texts[i].size();
        }
        row(out);
    }
    return true;
}

}  // namespace colorcard
