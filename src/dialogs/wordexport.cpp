#include "wordexport.h"

#include "formats/csvformat.h"
#include "formats/textfields.h"
#include "formats/tsvformat.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr int ProgressStep = 500;
} // namespace

WordExport::Format WordExport::formatOf(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0 ? Format::Csv
                                                                                                : Format::Tsv;
}

WordExport::Status WordExport::write(
    const Dictionary &store, const QString &path, Format format, QString &error, const Progress &progress)
{
    const QByteArray tsv = TsvFormat::write(store);
    const QList<QByteArray> lines = tsv.split('\n');
    // a temporary file beside the target, renamed over it once complete
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return Status::Failed;
    }
    if (format == Format::Csv)
        file.write(CsvFormat::byteOrderMark());
    const qsizetype total = lines.size();
    for (qsizetype i = 0; i < total; ++i) {
        if (progress && i % ProgressStep == 0 && !progress(i, total)) {
            file.cancelWriting();
            return Status::Stopped;
        }
        const QByteArray &line = lines[i];
        if (line.isEmpty())
            continue;
        if (format == Format::Tsv) {
            file.write(line + '\n');
            continue;
        }
        const QString text = QString::fromUtf8(line);
        QStringList fields;
        for (QStringView field : QStringView(text).split(u'\t'))
            fields.append(unescapeField(field));
        file.write(CsvFormat::line(fields).toUtf8());
    }
    if (!file.commit()) {
        error = file.errorString();
        return Status::Failed;
    }
    if (progress)
        progress(total, total);
    return Status::Ok;
}
