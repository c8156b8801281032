// What a PDF file says, read back with poppler's tools: its text, and its number of pages.
#pragma once

#include <QString>

namespace TestoPdf {
// The text pdftotext extracts, in reading order (or each line as laid out on the page);
// empty (and a failed check) when the tool is missing or the file is no PDF.
QString Testo(const QString& pdf, bool impaginato = false);
// The page count pdfinfo gives; 0 when it cannot be read.
int Pagine(const QString& pdf);
} // namespace TestoPdf
