// SPDX-License-Identifier: MIT
// glib's headers have a struct member named "signals", which Qt's keyword
// macro would rewrite.
#ifndef QT_NO_KEYWORDS
#define QT_NO_KEYWORDS
#endif

#include "xls/CompoundFileWriter.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>

void CompoundFileWriter::addStream(const QString& name, const QByteArray& data) {
    streams.emplace_back(name, data);
}

QByteArray CompoundFileWriter::build() const {
    GsfOutput* sink = gsf_output_memory_new();
    if (!sink)
        return QByteArray();
    GsfOutfile* container = gsf_outfile_msole_new(sink);
    bool ok = container != nullptr;
    for (const auto& stream : streams) {
        if (!ok)
            break;
        GsfOutput* child =
            gsf_outfile_new_child(container, stream.first.toUtf8().constData(), FALSE);
        if (!child) {
            ok = false;
            break;
        }
        ok = gsf_output_write(child, static_cast<size_t>(stream.second.size()),
                              reinterpret_cast<const guint8*>(stream.second.constData()));
        ok = gsf_output_close(child) && ok;
        g_object_unref(child);
    }
    if (container) {
        ok = gsf_output_close(GSF_OUTPUT(container)) && ok;
        g_object_unref(container);
    }
    QByteArray bytes;
    if (ok) {
        const gsf_off_t size = gsf_output_size(sink);
        const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink));
        if (data && size > 0)
            bytes = QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size));
    }
    if (!gsf_output_is_closed(sink))
        gsf_output_close(sink);
    g_object_unref(sink);
    return bytes;
}
