// A caption that always shows its whole text: when the text is wider than the place the
// window gives it (the screen's font is wider than the one the windows were laid out
// for, or a catalogue caption is longer than the designed one), it is drawn narrower
// and, if that is not enough, smaller, instead of being cut.
#pragma once

#include <QFont>
#include <QLabel>

class DidascaliaAdattata : public QLabel
{
    Q_OBJECT

public:
    explicit DidascaliaAdattata(const QString& testo, QWidget* parent = nullptr);

    // The font that draws testo within larghezza pixels: base itself when it fits,
    // otherwise base made narrower, then smaller, down to a legible floor (where a
    // text that still does not fit is cut as a plain label would cut it).
    static QFont CarattereCheEntra(const QFont& base, const QString& testo, int larghezza);

    // The font the caption draws its text with now.
    QFont CarattereDisegnato() const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QRect AreaTesto() const;
};
