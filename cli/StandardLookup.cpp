// SPDX-License-Identifier: MIT
#include "cli/StandardLookup.h"

#include "texts/IndexTexts.h"

namespace colorcard {

std::optional<ChosenStandard> findStandard(CliContext& cli, LibraryReader& reader,
                                           const QString& text) {
    const auto libraries = reader.libraries();
    if (!libraries) {
        cli.fail(reader.error());
        return std::nullopt;
    }
    QVector<ChosenStandard> found;
    for (int slash = text.indexOf(QLatin1Char('/')); slash >= 0;
         slash = text.indexOf(QLatin1Char('/'), slash + 1)) {
        const QString libraryPart = text.left(slash);
        const QString colourPart = text.mid(slash + 1);
        for (const Library& library : *libraries) {
            if (library.id != libraryPart && library.name != libraryPart)
                continue;
            const auto colours = reader.colours(library.id);
            if (!colours) {
                cli.fail(reader.error());
                return std::nullopt;
            }
            for (const Colour& colour : *colours)
                if (colour.id == colourPart || colour.name == colourPart)
                    found << ChosenStandard{library, colour};
        }
    }
    if (found.size() == 1)
        return found.first();
    if (found.isEmpty())
        cli.fail(IndexText::NoStandard.in(cli.language()).arg(text));
    else
        cli.fail(IndexText::AmbiguousColour.in(cli.language()).arg(text).arg(found.size()));
    return std::nullopt;
}

}  // namespace colorcard
