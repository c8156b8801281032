#include "TestoPdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
QString Esegui(const QString& programma, const QStringList& argomenti)
{
    const QString percorso = QStandardPaths::findExecutable(programma);
    if (percorso.isEmpty())
        qWarning("%s is missing: install poppler-utils (scripts/install-deps.sh)", qPrintable(programma));
    QProcess processo;
    processo.start(percorso, argomenti);
    if (percorso.isEmpty() || !processo.waitForFinished(30000) || processo.exitCode() != 0)
        return {};
    return QString::fromUtf8(processo.readAllStandardOutput());
}
} // namespace

QString TestoPdf::Testo(const QString& pdf, bool impaginato)
{
    const QString forma = impaginato ? QStringLiteral("-layout") : QStringLiteral("-q");
    return Esegui(QStringLiteral("pdftotext"),
                  {forma, QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
}

int TestoPdf::Pagine(const QString& pdf)
{
    const QRegularExpressionMatch pagine = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                               .match(Esegui(QStringLiteral("pdfinfo"), {pdf}));
    return pagine.hasMatch() ? pagine.captured(1).toInt() : 0;
}
