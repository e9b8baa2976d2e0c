// SPDX-License-Identifier: MIT
#include "formats/CxfFormat.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "formats/LibraryGrouper.h"

namespace colorcard {

namespace CxfFormat {

const char* const kCoreNamespace = "http://colorexchangeformat.com/CxF3-core";
const char* const kLibraryNamespace = "urn:colorcard:cxf3-libraries";

namespace {

const QString kFormatName = QStringLiteral("CxF3");
const QString kConditionsId = QStringLiteral("CS1");

// A colour element of ColorValues and the value column of each child.
struct Element {
    const char* name;
    QVector<QPair<const char*, int>> children;
};

const QVector<Element> kElements = {
    {"ColorCIELab",
     {{"L", ColorColumns::LabL}, {"A", ColorColumns::Laba}, {"B", ColorColumns::Labb}}},
    {"ColorCIELCh",
     {{"L", ColorColumns::LChL}, {"C", ColorColumns::LChC}, {"H", ColorColumns::LChh}}},
    {"ColorCIExyY",
     {{"x", ColorColumns::Yxyx}, {"y", ColorColumns::Yxyy}, {"Y", ColorColumns::YxyY}}},
    {"ColorSRGB",
     {{"R", ColorColumns::RgbR}, {"G", ColorColumns::RgbG}, {"B", ColorColumns::RgbB}}},
    {"ColorCMYK",
     {{"Cyan", ColorColumns::CmykC},
      {"Magenta", ColorColumns::CmykM},
      {"Yellow", ColorColumns::CmykY},
      {"Black", ColorColumns::CmykK}}},
};

// XML 1.0 holds no control characters but tab and line breaks.
bool writable(const QString& text) {
    for (const QChar c : text)
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
             c != QLatin1Char('\r')) ||
            c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
            return false;
    return true;
}

FormatError unwritable(const QString& text) {
    FormatError error = FormatError::make(FormatError::Unwritable);
    error.text = text;
    error.format = kFormatName;
    return error;
}

// The element and child names as the writer takes them, made once.
struct ElementNames {
    QString name;
    QStringList children;
};

const QVector<ElementNames>& elementNames() {
    static const QVector<ElementNames> names = [] {
        QVector<ElementNames> list;
        for (const Element& element : kElements) {
            ElementNames entry{QString::fromLatin1(element.name), {}};
            for (const auto& child : element.children)
                entry.children << QString::fromLatin1(child.first);
            list << entry;
        }
        return list;
    }();
    return names;
}

bool held(const FormatColor& color, const Element& element) {
    for (const auto& child : element.children)
        if (!ColorColumns::isPlainNumber(color.values.value(child.second)))
            return false;
    return true;
}

struct ReadObject {
    QString id;
    QString name;
    QStringList values;
    bool hasLab = false;
};

struct ReadLibrary {
    QString name;
    QString description;
    QStringList refs;
};

FormatError xmlError(const QXmlStreamReader& xml, const QString& file, const QString& detail) {
    FormatError error = FormatError::make(FormatError::Malformed, file);
    error.format = kFormatName;
    error.line = int(xml.lineNumber());
    error.detail = detail;
    return error;
}

// The values of one colour element of an object; its children in any order.
void readElement(QXmlStreamReader& xml, const Element& element, ReadObject& object) {
    const QString core = QString::fromLatin1(kCoreNamespace);
    while (xml.readNextStartElement()) {
        bool known = false;
        if (xml.namespaceUri() == core) {
            for (const auto& child : element.children) {
                if (xml.name() == QLatin1String(child.first)) {
                    object.values[child.second] = xml.readElementText().trimmed();
                    known = true;
                    break;
                }
            }
        }
        if (!known)
            xml.skipCurrentElement();
    }
}

void readObject(QXmlStreamReader& xml, ReadObject& object) {
    const QString core = QString::fromLatin1(kCoreNamespace);
    object.id = xml.attributes().value(QLatin1String("Id")).toString();
    object.name = xml.attributes().value(QLatin1String("Name")).toString();
    object.values = QVector<QString>(ColorColumns::ValueCount).toList();
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() != core || xml.name() != QLatin1String("ColorValues")) {
            xml.skipCurrentElement();
            continue;
        }
        QSet<int> seen;
        while (xml.readNextStartElement()) {
            int index = -1;
            for (int e = 0; e < kElements.size(); ++e)
                if (xml.namespaceUri() == core && xml.name() == QLatin1String(kElements[e].name))
                    index = e;
            // The first element of each kind counts (others may name other conditions).
            if (index < 0 || seen.contains(index)) {
                xml.skipCurrentElement();
                continue;
            }
            seen.insert(index);
            readElement(xml, kElements[index], object);
            if (index == 0)
                object.hasLab = true;
        }
    }
}

// Libraries elements may nest to any depth: they are counted, not recursed
// into, so that a deeply nested file cannot exhaust the stack.
void readLibraries(QXmlStreamReader& xml, QVector<ReadLibrary>& libraries) {
    const QString ns = QString::fromLatin1(kLibraryNamespace);
    qint64 open = 1;
    while (open > 0) {
        if (!xml.readNextStartElement()) {
            if (xml.hasError() || xml.atEnd())
                return;
            --open;  // the end of the innermost open Libraries element
        } else if (xml.namespaceUri() == ns && xml.name() == QLatin1String("Libraries")) {
            ++open;
        } else if (xml.namespaceUri() == ns && xml.name() == QLatin1String("Library")) {
            ReadLibrary library;
            library.name = xml.attributes().value(QLatin1String("Name")).toString();
            library.description = xml.attributes().value(QLatin1String("Description")).toString();
            while (xml.readNextStartElement()) {
                if (xml.namespaceUri() == ns && xml.name() == QLatin1String("Object"))
                    library.refs << xml.attributes().value(QLatin1String("Ref")).toString();
                xml.skipCurrentElement();
            }
            libraries.append(library);
        } else {
            xml.skipCurrentElement();
        }
    }
}

}  // namespace

FormatError write(const FormatLibraries& libraries, const FormatWriteOptions& options,
                  QByteArray& bytes) {
    const QString core = QString::fromLatin1(kCoreNamespace);
    const QString ns = QString::fromLatin1(kLibraryNamespace);
    for (const FormatLibrary& library : libraries) {
        if (!writable(library.name))
            return unwritable(library.name);
        if (!writable(library.description))
            return unwritable(library.description);
        for (const FormatColor& color : library.colors)
            if (!writable(color.name))
                return unwritable(color.name);
    }

    bytes.clear();
    QXmlStreamWriter xml(&bytes);
    // One line per colour keeps 20000 colours small and quick to read; the
    // rest is indented by hand.
    const auto line = [&xml](int depth) {
        xml.writeCharacters(QLatin1Char('\n') + QString(depth, QLatin1Char(' ')));
    };
    xml.writeStartDocument();
    line(0);
    xml.writeNamespace(core, QStringLiteral("cc"));
    xml.writeStartElement(core, QStringLiteral("CxF"));

    line(1);
    xml.writeStartElement(core, QStringLiteral("FileInformation"));
    line(2);
    xml.writeTextElement(core, QStringLiteral("Creator"), options.creator);
    line(2);
    xml.writeTextElement(core, QStringLiteral("CreationDate"),
                         options.created.toString(Qt::ISODate));
    line(1);
    xml.writeEndElement();

    line(1);
    xml.writeStartElement(core, QStringLiteral("Resources"));
    line(2);
    xml.writeStartElement(core, QStringLiteral("ObjectCollection"));
    const QVector<ElementNames>& names = elementNames();
    const QString conditionsAttribute = QStringLiteral(
        "Color"
        "Specification");
    int id = 0;
    for (const FormatLibrary& library : libraries) {
        for (const FormatColor& color : library.colors) {
            if (!ColorColumns::isPlainNumber(color.values.value(0)) ||
                !ColorColumns::isPlainNumber(color.values.value(1)) ||
                !ColorColumns::isPlainNumber(color.values.value(2))) {
                FormatError error = FormatError::make(FormatError::NotANumber);
                error.library = library.name;
                error.color = color.name;
                error.field = QStringLiteral("L*a*b*");
                error.text = color.values.mid(0, 3).join(QLatin1Char(' '));
                return error;
            }
            line(3);
            xml.writeStartElement(core, QStringLiteral("Object"));
            xml.writeAttribute(QStringLiteral("ObjectType"), QStringLiteral("Standard"));
            xml.writeAttribute(QStringLiteral("Name"), color.name);
            xml.writeAttribute(QStringLiteral("Id"), QStringLiteral("c%1").arg(++id));
            xml.writeStartElement(core, QStringLiteral("ColorValues"));
            for (int e = 0; e < kElements.size(); ++e) {
                const Element& element = kElements[e];
                if (!held(color, element))
                    continue;
                xml.writeStartElement(core, names[e].name);
                xml.writeAttribute(conditionsAttribute, kConditionsId);
                for (int c = 0; c < element.children.size(); ++c)
                    xml.writeTextElement(core, names[e].children[c],
                                         color.values.value(element.children[c].second));
                xml.writeEndElement();
            }
            xml.writeEndElement();  // ColorValues
            xml.writeEndElement();  // Object
        }
    }
    line(2);
    xml.writeEndElement();  // ObjectCollection

    line(2);
    xml.writeStartElement(core, QStringLiteral("Color"
                                               "SpecificationCollection"));
    line(3);
    xml.writeStartElement(core, QStringLiteral("Color"
                                               "Specification"));
    xml.writeAttribute(QStringLiteral("Id"), kConditionsId);
    line(4);
    xml.writeStartElement(core, QStringLiteral("TristimulusSpec"));
    line(5);
    xml.writeTextElement(core, QStringLiteral("Illuminant"), options.illuminant);
    line(5);
    xml.writeTextElement(core, QStringLiteral("Observer"), options.observer);
    line(5);
    xml.writeTextElement(core, QStringLiteral("Method"), QStringLiteral("E308"));
    line(4);
    xml.writeEndElement();
    line(4);
    xml.writeStartElement(core, QStringLiteral("MeasurementSpec"));
    line(5);
    xml.writeTextElement(core, QStringLiteral("MeasurementType"),
                         QStringLiteral("Colorimetric_Reflectance"));
    line(4);
    xml.writeEndElement();
    line(3);
    xml.writeEndElement();  // the conditions
    line(2);
    xml.writeEndElement();  // the conditions collection
    line(1);
    xml.writeEndElement();  // Resources

    line(1);
    xml.writeStartElement(core, QStringLiteral("CustomResources"));
    xml.writeNamespace(ns, QStringLiteral("cl"));
    line(2);
    xml.writeStartElement(ns, QStringLiteral("Libraries"));
    id = 0;
    for (const FormatLibrary& library : libraries) {
        line(3);
        xml.writeStartElement(ns, QStringLiteral("Library"));
        xml.writeAttribute(QStringLiteral("Name"), library.name);
        xml.writeAttribute(QStringLiteral("Description"), library.description);
        for (int c = 0; c < library.colors.size(); ++c) {
            line(4);
            xml.writeEmptyElement(ns, QStringLiteral("Object"));
            xml.writeAttribute(QStringLiteral("Ref"), QStringLiteral("c%1").arg(++id));
        }
        line(3);
        xml.writeEndElement();
    }
    line(2);
    xml.writeEndElement();  // Libraries
    line(1);
    xml.writeEndElement();  // CustomResources
    line(0);
    xml.writeEndElement();  // CxF
    line(0);
    xml.writeEndDocument();
    return FormatError();
}

FormatError read(const QByteArray& bytes, const QString& file, const QString& defaultLibrary,
                 FormatLibraries& libraries) {
    const QString core = QString::fromLatin1(kCoreNamespace);
    QXmlStreamReader xml(bytes);
    QVector<ReadObject> objects;
    QVector<ReadLibrary> groups;

    if (!xml.readNextStartElement() || xml.namespaceUri() != core ||
        xml.name() != QLatin1String("CxF")) {
        return xmlError(xml, file,
                        xml.hasError() ? xml.errorString()
                                       : QStringLiteral("no CxF element of the CxF3 namespace"));
    }
    // Objects and libraries may sit at any depth below the root.
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.namespaceUri() == core && xml.name() == QLatin1String("Object")) {
            ReadObject object;
            readObject(xml, object);
            objects.append(object);
        } else if (xml.namespaceUri() == QLatin1String(kLibraryNamespace) &&
                   xml.name() == QLatin1String("Libraries")) {
            readLibraries(xml, groups);
        }
    }
    if (xml.hasError())
        return xmlError(xml, file, xml.errorString());

    for (const ReadObject& object : objects) {
        if (!object.hasLab) {
            FormatError error = FormatError::make(FormatError::MissingLabValues, file);
            error.color = object.name.isEmpty() ? object.id : object.name;
            error.library = defaultLibrary;
            return error;
        }
    }

    QHash<QString, int> byId;
    for (int i = 0; i < objects.size(); ++i)
        byId.insert(objects[i].id, i);
    QVector<bool> placed(objects.size(), false);
    LibraryGrouper grouper(libraries);
    for (const ReadLibrary& group : groups) {
        FormatLibrary& library = libraries[grouper.indexOf(group.name, group.description)];
        for (const QString& ref : group.refs) {
            const int index = byId.value(ref, -1);
            if (index < 0) {
                FormatError error = xmlError(xml, file,
                                             QStringLiteral("the library \"%1\" lists the "
                                                            "unknown object \"%2\"")
                                                 .arg(group.name, ref));
                error.line = 0;
                return error;
            }
            placed[index] = true;
            library.colors.append(
                FormatColor{objects[index].name, objects[index].values, index + 1});
        }
    }
    for (int i = 0; i < objects.size(); ++i) {
        if (placed[i])
            continue;
        FormatLibrary& library = libraries[grouper.indexOf(defaultLibrary, QString())];
        library.colors.append(FormatColor{objects[i].name, objects[i].values, i + 1});
    }
    return FormatError();
}

}  // namespace CxfFormat

}  // namespace colorcard
