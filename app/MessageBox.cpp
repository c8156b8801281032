#include "MessageBox.h"

#include <QMessageBox>

QList<MessageBox::Shown> MessageBox::shown_;
QList<MessageBox::Button> MessageBox::nextAnswers_;
bool MessageBox::automatic_ = false;

MessageBox::Button MessageBox::show(QWidget* parent, const QString& text, Icon icon, Buttons buttons,
                                    Button defaultButton)
{
    const QString title = QStringLiteral("ZELMARtek");
    shown_.append({text, title, icon, buttons, defaultButton});
    if (!nextAnswers_.isEmpty())
        return nextAnswers_.takeFirst();
    if (automatic_)
        return defaultButton;

    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (buttons == YesNo) {
        // Qt's own buttons, whose texts follow the interface language ("Sì" in Italian).
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultButton == No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Yes : No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Ok;
}

void MessageBox::setNextAnswer(Button answer)
{
    nextAnswers_.append(answer);
}
void MessageBox::setAutomatic(bool automatic)
{
    automatic_ = automatic;
}
const QList<MessageBox::Shown>& MessageBox::shown()
{
    return shown_;
}
QString MessageBox::lastText()
{
    return shown_.isEmpty() ? QString() : shown_.last().text;
}
void MessageBox::clearShown()
{
    shown_.clear();
    nextAnswers_.clear();
}
