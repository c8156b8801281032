// Every message box of the program goes through here, so that tests can answer them
// without a modal window ever blocking, and can read what the user was shown.
#pragma once

#include <QList>
#include <QString>

class QWidget;

class MessageBox
{
public:
    enum Button
    {
        Ok = 1,
        Yes = 2,
        No = 3
    };
    enum Icon
    {
        Critical,
        Exclamation,
        Information,
        Question
    };
    enum Buttons
    {
        OkOnly,
        YesNo
    };

    struct Shown
    {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
        Button defaultButton;
    };

    // Title "ZELMARtek". Returns the button the user pressed.
    static Button show(QWidget* parent, const QString& text, Icon icon, Buttons buttons = OkOnly,
                       Button defaultButton = Ok);
    static Button critical(QWidget* parent, const QString& text) { return show(parent, text, Critical); }

    // Tests: the answer to the next box (one-shot).
    static void setNextAnswer(Button answer);
    // Tests: never show a window; answer with the queued answer or the default button.
    static void setAutomatic(bool automatic);
    static const QList<Shown>& shown();
    static QString lastText();
    static void clearShown();

private:
    static QList<Shown> shown_;
    static QList<Button> nextAnswers_;
    static bool automatic_;
};
