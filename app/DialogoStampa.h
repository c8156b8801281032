// The platform's print dialog, answerable by tests without a window: a test names the PDF
// file the next print goes to, or the print is cancelled.
#pragma once

#include <QList>
#include <QString>

class QPrinter;
class QWidget;

class DialogoStampa
{
public:
    // Lets the user choose the printer and its settings; false when the user cancels.
    static bool Esegui(QPrinter& stampante, QWidget* parent);

    // Tests: the next print goes into this PDF file (one-shot).
    static void setNextOutput(const QString& pdf);
    // Tests: never show a window; cancel when no output is queued.
    static void setAutomatic(bool automatic);

private:
    static QList<QString> nextOutputs_;
    static bool automatic_;
};
