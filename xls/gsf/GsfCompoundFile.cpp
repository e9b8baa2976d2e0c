// SPDX-License-Identifier: MIT
// glib's headers have a struct member named "signals", which Qt's keyword
// macro would rewrite.
#ifndef QT_NO_KEYWORDS
#define QT_NO_KEYWORDS
#endif

#include "xls/gsf/GsfCompoundFile.h"

#include <glib.h>
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>

#include <QtGlobal>

namespace colorcard {

namespace {

void dropMessage(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

bool readStream(const QByteArray& file, const QStringList& names, QByteArray* data) {
    // libgsf warns on stderr about every damaged container (also through its
    // assertions on block numbers); a damaged file is an ordinary result
    // here, reported by returning false.
    static const guint quiet = g_log_set_handler(
        "libgsf:msole",
        static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING |
                                    G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO | G_LOG_LEVEL_DEBUG),
        dropMessage, nullptr);
    Q_UNUSED(quiet);
    data->clear();
    if (file.isEmpty())
        return false;
    GsfInput* input =
        gsf_input_memory_new(reinterpret_cast<const guint8*>(file.constData()), file.size(), FALSE);
    if (!input)
        return false;
    GError* error = nullptr;
    GsfInfile* container = gsf_infile_msole_new(input, &error);
    g_object_unref(input);
    if (error)
        g_error_free(error);
    if (!container)
        return false;

    bool ok = false;
    for (const QString& name : names) {
        GsfInput* stream = gsf_infile_child_by_name(container, name.toUtf8().constData());
        if (!stream)
            continue;
        const gsf_off_t size = gsf_input_size(stream);
        // A stream cannot be larger than the file it is stored in.
        if (size > 0 && size <= file.size()) {
            data->resize(static_cast<int>(size));
            ok = gsf_input_read(stream, static_cast<size_t>(size),
                                reinterpret_cast<guint8*>(data->data())) != nullptr;
            if (!ok)
                data->clear();
        }
        g_object_unref(stream);
        break;
    }
    g_object_unref(container);
    return ok;
}

QByteArray build(const std::vector<std::pair<QString, QByteArray>>& streams) {
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

const GsfCompoundFileFunctions functions{kGsfCompoundFileVersion, readStream, build};

}  // namespace

extern "C" Q_DECL_EXPORT const GsfCompoundFileFunctions* colorcard_gsf_compound_file() {
    return &functions;
}

}  // namespace colorcard
