// A one-line box that shows the beginning of every text the program puts into it: a
// plain line edit shows a text wider than itself from its end ("-10,25" as "10,25"). A
// read-only box also draws a text that is too wide narrower, and if need be smaller, so
// that the whole of it shows. What the user does in the box is left as the user does it.
#pragma once

#include <QFont>
#include <QLineEdit>

class CasellaTesto : public QLineEdit
{
    Q_OBJECT
public:
    explicit CasellaTesto(QWidget* parent = nullptr);
    CasellaTesto(const QString& testo, QWidget* parent);

    // The width in pixels a text may take and still show whole.
    int LarghezzaPerIlTesto() const;

protected:
    bool event(QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void TestoCambiato();
    void AdattaCarattere();

    int eventiInCorso_ = 0; // > 0 while the box handles an event of its own: the user's doing
    bool adattato_ = false;
    QFont carattereNormale_;
};
